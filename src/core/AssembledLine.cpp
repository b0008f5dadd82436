#include "core/AssembledLine.h"

#include "core/Messages.h"
#include "runtime/Number.h"

namespace core {

bool AssembledLineFits(Messages& messages, std::string_view line, std::size_t length)
{
    if (line.size() <= length)
        return true;
    messages.ShowErrorBox("Assembled field is " + runtime::signedText(static_cast<double>(line.size()))
                          + " bytes long:- [" + std::string(line) + "]");
    return false;
}

} // namespace core
