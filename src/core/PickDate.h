#pragma once

#include <string>
#include <string_view>

namespace platform {
class Form;
}

namespace core {

class Book;

// Runs the date picker from the date in `text` and answers the picked date as "dd/mm/yyyy".
// `calendar` is the date-picker window: shown modally, it starts from book.PickedDate and, when
// closed with a choice, stores the chosen date there; a cancel leaves it, so the starting date
// comes back. A text that is not a date starts the picker at today's date.
std::string PickDate(Book& book, platform::Form& calendar, std::string_view text);

} // namespace core
