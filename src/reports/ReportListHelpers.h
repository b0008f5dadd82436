#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {
class ListBox;
}

// Small text and list routines that the report writers, the printed lists and the document
// printing share.
namespace reports {

// Takes the next display line of at most `width` characters from a multi-line text (an address,
// say) starting at the 1-based `position`, and answers where the next line starts. A CR within
// the width ends the line early: it and the character after it (the LF) become two blanks in
// `text` itself, so the next call does not stop there again, and the line keeps them at its end.
int TakeTextLine(std::string& text, int position, std::string& line, int width);

// The index of the first text whose first `length` characters equal the key's first `length`
// characters, letter case included; -1 when none does.
int FindPrefixIndex(const std::vector<std::string>& texts, std::string_view key, int length);

// The keys "yyyymm" of `count` months in a row from the month of `start` ("yyyymm..."),
// December followed by January of the next year.
std::vector<std::string> FillMonthKeys(int count, std::string_view start);

// The texts of the list's selected items in list order, at most `max` of them.
std::vector<std::string> CollectSelectedItems(const platform::ListBox& list, int max);

} // namespace reports
