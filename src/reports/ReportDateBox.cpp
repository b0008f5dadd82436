#include "reports/ReportDateBox.h"

#include "core/Book.h"
#include "core/DateBox.h"
#include "core/ListHelpers.h"
#include "core/PickDate.h"
#include "platform/Controls.h"

namespace reports {

void WireReportDateBox(core::Book& book, platform::TextBox& box, platform::Form* calendar)
{
    box.GotFocus = [&book, &box] { core::SelectAllText(book.services(), box); };
    box.LostFocus = [&book, &box] { core::LeaveDateBox(book.messages, box); };
    box.DblClick = [&book, &box, calendar] {
        if (calendar)
            box.setText(core::PickDate(book, *calendar, box.Text()));
    };
}

} // namespace reports
