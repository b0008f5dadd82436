#pragma once

namespace core {
class Book;
class Messages;
}

namespace platform {
class Form;
class TextBox;
}

namespace reports {

// The behaviours every date box of the report windows has: entered by the Tab key it selects its
// text; double-clicked it opens the date picker `calendar` (when there is one) at its date and takes
// the date picked; left, it is checked by LeaveReportDateBox.
void WireReportDateBox(core::Book& book, platform::TextBox& box, platform::Form* calendar);

// Leaving a date box: its first 11 characters shown as "dd/Mmm/yyyy"; a text that is no date (or
// one before 1950) becomes today's date after the warning; an empty box stays empty.
void LeaveReportDateBox(core::Messages& messages, platform::TextBox& box);

} // namespace reports
