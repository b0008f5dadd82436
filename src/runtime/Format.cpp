#include "runtime/Format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

#include "runtime/DecimalDigits.h"
#include "runtime/Error.h"

namespace runtime {

namespace {

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

// The system formats with a handful of patterns, each thousands of times over (every stored
// record holds several numbers): each is parsed once per thread. Past a few dozen patterns a new
// one is parsed on every use, so patterns built at run time cannot grow the list without end.
const std::vector<NumberPattern>& parsedPattern(std::string_view pattern, std::vector<NumberPattern>& uncached)
{
    constexpr std::size_t MostKept = 64;
    thread_local std::deque<std::pair<std::string, std::vector<NumberPattern>>> kept;
    for (const auto& [text, sections] : kept) {
        if (text == pattern) {
            return sections;
        }
    }
    if (kept.size() == MostKept) {
        uncached = parsePattern(pattern);
        return uncached;
    }
    return kept.emplace_back(std::string(pattern), parsePattern(pattern)).second;
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
    const auto wholeMinimum = static_cast<std::size_t>(pattern.wholeMinimum);
    const std::size_t zeros = digits.whole.size() < wholeMinimum ? wholeMinimum - digits.whole.size() : 0;
    std::string text = pattern.prefix;
    if (pattern.grouped) {
        text += groupThousands(std::string(zeros, '0') + digits.whole);
    } else {
        text.append(zeros, '0').append(digits.whole);
    }
    if (pattern.hasPoint) {
        const std::string& fraction = digits.fraction;
        const std::size_t lastKept = std::max(fraction.find_last_not_of('0') + 1,
                                              static_cast<std::size_t>(pattern.fractionMinimum));
        text.append(1, '.').append(fraction, 0, std::min(fraction.size(), lastKept));
    }
    return text.append(pattern.suffix);
}

// The digits of a magnitude that is exactly a whole number of 10^-places (as stored amounts are,
// to the nearest double), written straight from that whole number: the same digits the general
// conversion gives, without its text work. Nothing for any other magnitude.
std::optional<FixedDigits> exactFixed(double magnitude, int places)
{
    constexpr int MostPlaces = 4;
    constexpr double MostUnits = 1e15; // whole numbers of 15 digits keep all their digits in a double
    static constexpr double PowersOfTen[MostPlaces + 1] = {1, 10, 100, 1000, 10000};
    if (places > MostPlaces || !(magnitude >= 0)) {
        return std::nullopt;
    }
    const double scaled = std::round(magnitude * PowersOfTen[places]);
    if (!(scaled < MostUnits) || scaled / PowersOfTen[places] != magnitude) {
        return std::nullopt;
    }
    std::array<char, 20> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<std::uint64_t>(scaled)).ptr;
    const std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t placesCount = static_cast<std::size_t>(places);
    FixedDigits fixed;
    if (digits.size() > placesCount) {
        fixed.whole.assign(digits.substr(0, digits.size() - placesCount));
        fixed.fraction.assign(digits.substr(digits.size() - placesCount));
    } else {
        fixed.fraction.assign(placesCount - digits.size(), '0').append(digits);
    }
    if (fixed.whole == "0") {
        fixed.whole.clear();
    }
    return fixed;
}

FixedDigits fixedDigits(double value, int places)
{
    if (std::optional<FixedDigits> exact = exactFixed(std::fabs(value), places)) {
        return std::move(*exact);
    }
    return detail::toFixed(detail::toDecimalDigits(value), places);
}

} // namespace

// A negative value that rounds to zero in its pattern is written as zero, without a minus sign.
std::string format(double value, std::string_view pattern)
{
    std::vector<NumberPattern> uncached;
    const std::vector<NumberPattern>& sections = parsedPattern(pattern, uncached);
    if (!std::isfinite(value)) {
        throw Error(Overflow);
    }
    if (std::signbit(value) && value != 0) {
        const bool ownSection = sections.size() > 1;
        const NumberPattern& negative = sections.back();
        const FixedDigits digits = fixedDigits(value, negative.fractionPlaces);
        if (!digits.isZero()) {
            return (ownSection ? "" : "-") + render(negative, digits);
        }
    }
    return render(sections.front(), fixedDigits(value, sections.front().fractionPlaces));
}

} // namespace runtime
