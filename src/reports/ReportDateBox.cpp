#include "reports/ReportDateBox.h"

#include <string>

#include "core/Book.h"
#include "core/DateText.h"
#include "core/ListHelpers.h"
#include "core/PickDate.h"
#include "platform/Controls.h"
#include "runtime/Text.h"

namespace reports {

void WireReportDateBox(core::Book& book, platform::TextBox& box, platform::Form* calendar)
{
    box.GotFocus = [&book, &box] { core::SelectAllText(book.services(), box); };
    box.LostFocus = [&book, &box] { LeaveReportDateBox(book.messages, box); };
    box.DblClick = [&book, &box, calendar] {
        if (calendar)
            box.setText(core::PickDate(book, *calendar, box.Text()));
    };
}

void LeaveReportDateBox(core::Messages& messages, platform::TextBox& box)
{
    const std::string text = runtime::padRight(runtime::left(box.Text(), core::DisplayDateWidth), core::DisplayDateWidth);
    if (runtime::rtrim(text).empty())
        return;
    box.setText(core::FormatDisplayDate(messages, text));
}

} // namespace reports
