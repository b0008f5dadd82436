#include "core/DateBox.h"

#include <string>

#include "core/DateText.h"
#include "platform/TextBox.h"
#include "runtime/Text.h"

namespace core {

void LeaveDateBox(Messages& messages, platform::TextBox& box)
{
    const std::string typed = runtime::rtrim(box.Text());
    if (!typed.empty())
        box.setText(FormatDisplayDate(messages, typed));
}

} // namespace core
