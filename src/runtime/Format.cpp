#include "runtime/Format.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "runtime/DecimalDigits.h"

namespace runtime {

namespace {

using detail::DecimalDigits;
using detail::FixedDigits;

bool isPlaceholder(char c)
{
    return c == '0' || c == '#';
}

// One section of a number pattern: literal text around a body of "0", "#", "," and ".".
struct NumberPattern {
    std::string prefix;
    std::string suffix;
    int wholeMinimum = 0;    // whole digits always written, from the first "0" to the point
    bool grouped = false;    // a "," among the whole placeholders groups by thousands
    bool hasPoint = false;
    int fractionPlaces = 0;  // decimals the value is rounded to
    int fractionMinimum = 0; // decimals always written; "#" decimals drop trailing zeros
};

NumberPattern parseSection(std::string_view section)
{
    const std::size_t first = section.find_first_of("0#.");
    const std::size_t last = section.find_last_of("0#.");
    if (first == std::string_view::npos) {
        throw std::invalid_argument("number pattern without digits: " + std::string(section));
    }
    NumberPattern pattern;
    pattern.prefix = section.substr(0, first);
    pattern.suffix = section.substr(last + 1);
    bool seenZero = false;
    for (char c : section.substr(first, last - first + 1)) {
        if (c == '.' && !pattern.hasPoint) {
            pattern.hasPoint = true;
        } else if (c == ',' && !pattern.hasPoint) {
            pattern.grouped = true;
        } else if (isPlaceholder(c) && !pattern.hasPoint) {
            seenZero = seenZero || c == '0';
            pattern.wholeMinimum += seenZero ? 1 : 0;
        } else if (isPlaceholder(c)) {
            ++pattern.fractionPlaces;
            pattern.fractionMinimum = c == '0' ? pattern.fractionPlaces : pattern.fractionMinimum;
        } else {
            throw std::invalid_argument("unsupported number pattern: " + std::string(section));
        }
    }
    return pattern;
}

std::vector<NumberPattern> parsePattern(std::string_view pattern)
{
    std::vector<NumberPattern> sections;
    std::size_t start = 0;
    for (std::size_t end = pattern.find(';'); ; end = pattern.find(';', start)) {
        sections.push_back(parseSection(pattern.substr(start, end - start)));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (sections.size() > 2) {
        throw std::invalid_argument("number pattern with more than two sections: " + std::string(pattern));
    }
    return sections;
}

std::string groupThousands(const std::string& whole)
{
    std::string result;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) {
            result += ',';
        }
        result += whole[i];
    }
    return result;
}

std::string render(const NumberPattern& pattern, const FixedDigits& digits)
{
    std::string whole = digits.whole;
    if (whole.size() < static_cast<std::size_t>(pattern.wholeMinimum)) {
        whole.insert(0, static_cast<std::size_t>(pattern.wholeMinimum) - whole.size(), '0');
    }
    std::string text = pattern.prefix + (pattern.grouped ? groupThousands(whole) : whole);
    if (pattern.hasPoint) {
        std::string fraction = digits.fraction;
        const std::size_t lastKept = std::max(fraction.find_last_not_of('0') + 1,
                                              static_cast<std::size_t>(pattern.fractionMinimum));
        fraction.resize(std::min(fraction.size(), lastKept));
        text += '.' + fraction;
    }
    return text + pattern.suffix;
}

} // namespace

// A negative value that rounds to zero in its pattern is written as zero, without a minus sign.
std::string format(double value, std::string_view pattern)
{
    const std::vector<NumberPattern> sections = parsePattern(pattern);
    const DecimalDigits number = detail::toDecimalDigits(value);
    if (number.negative) {
        const bool ownSection = sections.size() > 1;
        const NumberPattern& negative = sections.back();
        const FixedDigits digits = detail::toFixed(number, negative.fractionPlaces);
        if (!digits.isZero()) {
            return (ownSection ? "" : "-") + render(negative, digits);
        }
    }
    return render(sections.front(), detail::toFixed(number, sections.front().fractionPlaces));
}

} // namespace runtime
