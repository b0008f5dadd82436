#pragma once

namespace core {
class Book;
}

namespace platform {
class Form;
class TextBox;
}

namespace reports {

// The behaviours every date box of the report windows has: entered by the Tab key it selects its
// text; double-clicked it opens the date picker `calendar` (when there is one) at its date and takes
// the date picked; left, it is checked by core::LeaveDateBox.
void WireReportDateBox(core::Book& book, platform::TextBox& box, platform::Form* calendar);

} // namespace reports
