#pragma once

#include <string>

// Multi-line text is stored on one line of a text file: CR is written as the byte 252 and LF as
// the byte 253. All three operations keep the length of the text.
namespace datafile {

constexpr char EscapedCR = '\xFC';
constexpr char EscapedLF = '\xFD';

// Every CR becomes 252 and every LF 253, paired or not.
void EscapeLineBreaks(std::string& text);
// Every pair 252 253 becomes CR LF; a lone 252 or 253 stays as it is.
void UnescapeLineBreaks(std::string& text);
// Every pair 252 253 becomes two blanks, for showing stored text on one line.
void FlattenLineBreaks(std::string& text);

} // namespace datafile
