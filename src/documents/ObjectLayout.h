#pragma once

#include <string>
#include <vector>

namespace platform {
class Printer;
}

namespace documents {

// One object's text as it goes on the page: its lines placed by alignment ('L' left, 'R' right,
// anything else centred) within `Width` from `Left`, from the printer's CurrentY down.
struct PlacedText {
    std::string Text;
    double Width = 0;
    char Alignment = 'L';
    double Left = 0;
    double Top = 0;
    bool Boxed = false;
};

// The lines of a text split at each CR; the character after a CR (its LF) is skipped, and what
// follows the last CR is always a line, even when it is empty.
std::vector<std::string> SplitPrintedLines(const std::string& text);

// Prints the lines; a boxed object gets its outline from (Left, Top), as the designer and the
// viewer show it.
void PrintShownText(platform::Printer& printer, const PlacedText& object);

// Prints the lines; a boxed object gets its outline 10 twips around where its first line was
// placed, as a printed document has it.
void PrintDocumentText(platform::Printer& printer, const PlacedText& object);

} // namespace documents
