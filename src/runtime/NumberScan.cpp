#include "runtime/NumberScan.h"

namespace runtime {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t pos)
{
    std::size_t count = 0;
    while (pos + count < text.size() && isDigit(text[pos + count]))
        ++count;
    return count;
}

} // namespace

NumberSpan scanNumber(std::string_view text, std::size_t start, bool thousandsCommas)
{
    NumberSpan number;
    std::size_t pos = start;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    number.digitsStart = pos;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            number.hasDigits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (c == ',' && thousandsCommas && number.hasDigits && !point && digitsFrom(text, pos + 1) == 3) {
            continue;
        } else {
            break;
        }
    }
    number.end = pos;
    return number;
}

} // namespace runtime
