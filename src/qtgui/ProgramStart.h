#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The system starts its forerunner platform's programs by command line. On this desktop:
//   "Notepad.exe FILE", "Write.exe FILE", ".../WORDPAD.EXE FILE": open a UTF-8 copy of the text
//       file FILE in the desktop's default viewer for its type;
//   ".../DATAPEEK.EXE ARGS", ".../BILLPANE.EXE ARGS": start our own `datapeek` / `billpane` from
//       the program's folder with the same arguments;
//   "CALC.EXE": start the first calculator found on the PATH.
// Program names match in any letter case, with or without a folder (either slash) or ".EXE".
namespace qtgui {

struct ProgramStart {
    enum class Kind { Unknown, OpenDocument, Sibling, Calculator };
    Kind kind = Kind::Unknown;
    // The document to open, or the executable to start, as the system's text of its path
    // (runtime/PathText.h).
    std::string target;
    std::vector<std::string> arguments;

    bool operator==(const ProgramStart&) const = default;
};

ProgramStart planProgramStart(std::string_view commandLine, const std::filesystem::path& programFolder);

// The calculators tried, in order.
const std::vector<std::string>& calculatorCandidates();
// The first candidate that `findExecutable` finds (it answers a full path or the empty text);
// the empty text when there is none.
std::string firstCalculator(const std::function<std::string(const std::string&)>& findExecutable);

} // namespace qtgui
