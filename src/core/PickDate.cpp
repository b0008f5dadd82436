#include "core/PickDate.h"

#include "core/Book.h"
#include "platform/Form.h"
#include "runtime/Date.h"

namespace core {

std::string PickDate(Book& book, platform::Form& calendar, std::string_view text)
{
    const auto start = runtime::parseDate(text, book.services().now().year());
    book.PickedDate = start ? *start : book.services().now().dateOnly();
    calendar.Show(true);
    const std::string picked = runtime::format(book.PickedDate, "dd/mm/yyyy");
    book.PickedDate = runtime::Date();
    return picked;
}

} // namespace core
