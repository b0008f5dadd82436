#include "datafile/LineBreakEscape.h"

namespace datafile {

namespace {

void replaceEscapedPairs(std::string& text, char first, char second)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == EscapedCR && text[i + 1] == EscapedLF) {
            text[i] = first;
            text[i + 1] = second;
            ++i;
        }
    }
}

} // namespace

void EscapeLineBreaks(std::string& text)
{
    for (char& c : text) {
        if (c == '\r')
            c = EscapedCR;
        else if (c == '\n')
            c = EscapedLF;
    }
}

void UnescapeLineBreaks(std::string& text)
{
    replaceEscapedPairs(text, '\r', '\n');
}

void FlattenLineBreaks(std::string& text)
{
    replaceEscapedPairs(text, ' ', ' ');
}

} // namespace datafile
