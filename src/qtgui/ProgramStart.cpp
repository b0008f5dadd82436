#include "qtgui/ProgramStart.h"

#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace qtgui {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

struct SplitCommand {
    std::string_view program;
    std::string_view rest;
};

// The program is a quoted text, or runs up to the first ".EXE" that ends a word (so a folder with
// blanks in it stays whole), or else up to the first blank.
SplitCommand splitCommand(std::string_view line)
{
    line = trimmed(line);
    if (!line.empty() && line.front() == '"') {
        const std::size_t close = line.find('"', 1);
        if (close == std::string_view::npos)
            return {line.substr(1), {}};
        return {line.substr(1, close - 1), trimmed(line.substr(close + 1))};
    }
    const std::string upperLine = runtime::ucase(line);
    for (std::size_t at = upperLine.find(".EXE"); at != std::string::npos; at = upperLine.find(".EXE", at + 1)) {
        const std::size_t end = at + 4;
        if (end == line.size() || isBlank(line[end]))
            return {line.substr(0, end), trimmed(line.substr(end))};
    }
    const std::size_t blank = line.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, blank), trimmed(line.substr(blank + 1))};
}

// "C:\WINDOWS\NOTEPAD.EXE" and "/opt/qb/notepad" both name NOTEPAD.
std::string programName(std::string_view program)
{
    const std::size_t slash = program.find_last_of("/\\");
    std::string name = runtime::ucase(slash == std::string_view::npos ? program : program.substr(slash + 1));
    if (name.size() > 4 && name.ends_with(".EXE"))
        name.resize(name.size() - 4);
    return name;
}

// Arguments separated by blanks; a quoted argument may hold blanks.
std::vector<std::string> splitArguments(std::string_view text)
{
    std::vector<std::string> arguments;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i == text.size())
            break;
        std::string argument;
        bool quoted = false;
        for (; i < text.size() && (quoted || !isBlank(text[i])); ++i) {
            if (text[i] == '"')
                quoted = !quoted;
            else
                argument += text[i];
        }
        arguments.push_back(argument);
    }
    return arguments;
}

// The viewers take the rest of the line as one file name, which may hold blanks.
std::string documentOf(std::string_view rest)
{
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        rest = rest.substr(1, rest.size() - 2);
    return std::string(rest);
}

} // namespace

ProgramStart planProgramStart(std::string_view commandLine, const std::filesystem::path& programFolder)
{
    const SplitCommand command = splitCommand(commandLine);
    const std::string name = programName(command.program);
    if (name == "NOTEPAD" || name == "WRITE" || name == "WORDPAD") {
        if (command.rest.empty())
            return {};
        return {ProgramStart::Kind::OpenDocument, documentOf(command.rest), {}};
    }
    if (name == "DATAPEEK" || name == "BILLPANE") {
        return {ProgramStart::Kind::Sibling, runtime::textOfPath(programFolder / runtime::lcase(name)),
                splitArguments(command.rest)};
    }
    if (name == "CALC")
        return {ProgramStart::Kind::Calculator, {}, {}};
    return {};
}

const std::vector<std::string>& calculatorCandidates()
{
    static const std::vector<std::string> candidates{"gnome-calculator", "kcalc", "galculator", "qalculate-gtk",
                                                     "xcalc"};
    return candidates;
}

std::string firstCalculator(const std::function<std::string(const std::string&)>& findExecutable)
{
    for (const std::string& candidate : calculatorCandidates())
        if (std::string found = findExecutable(candidate); !found.empty())
            return found;
    return {};
}

} // namespace qtgui
