#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

class Messages;

// The date forms of the book: stored "yyyymmdd" (older files "yymmdd"), shown "dd/Mmm/yyyy",
// typed "dd/mm/yyyy".
inline constexpr int DisplayDateWidth = 11;

// A typed date as "dd/Mmm/yyyy". Text that is not a date, or a date before 1 January 1950, is
// reported through the error box and today's date is returned instead.
std::string FormatDisplayDate(Messages& messages, std::string_view text);
// A stored date ("yyyymmdd", or "yymmdd" where years below 80 are 20xx) as "dd/Mmm/yyyy"; blanks
// around it are ignored and a text of fewer than six characters gives "". Never fails: an
// unreadable date gives whatever its characters make.
std::string FormatYmdAsDisplayDate(std::string_view text);
// "dd/Mmm/yyyy" of a day of two digits, a month's three-letter name in any case and a year of four
// digits from 1000, as parsing and formatting them gives it; nothing when they are no such date.
std::optional<std::string> ShownDateOfParts(std::string_view day, std::string_view month, std::string_view year);
// A shown date written with `pattern` for a stored line. A text that does not read as a date comes
// back whole, blank-padded to the shown width, so the line that carries it is over-long and refused
// instead of being stored with a wrong date.
std::string FormatShownDateForStorage(std::string_view shownDate, std::string_view pattern);
// True when the date parser accepts the text (no year floor).
bool IsValidDate(std::string_view text);
// "01" ... "12" to "Jan" ... "Dec"; any other text gives "".
std::string GetMonthAbbreviation(std::string_view month);
// The same without a copy.
std::string_view MonthAbbreviation(std::string_view month);
// The month after, as "00"; December is followed by "01".
std::string GetNextMonthText(std::string_view month);
// The year before, as "0000"; a result below 1 becomes "0099".
std::string GetPreviousYearText(std::string_view year);

} // namespace core
