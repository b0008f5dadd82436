#include "core/AssembledLine.h"

#include "core/Messages.h"
#include "runtime/Number.h"

namespace core {

bool AssembledLineFits(Messages& messages, const std::string& line, std::size_t length)
{
    if (line.size() <= length)
        return true;
    messages.ShowErrorBox("Assembled field is " + runtime::signedText(static_cast<double>(line.size()))
                          + " bytes long:- [" + line + "]");
    return false;
}

} // namespace core
