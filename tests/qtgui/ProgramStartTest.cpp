#include <gtest/gtest.h>
#include <map>

#include "qtgui/ProgramStart.h"

namespace {

using qtgui::ProgramStart;
using Kind = ProgramStart::Kind;

TEST(ProgramStart, CommandLinesMapToWhatThisDesktopStarts)
{
    const std::filesystem::path folder = "/opt/quillbook/bin";
    const struct {
        const char* commandLine;
        ProgramStart expected;
    } cases[] = {
        {"Notepad.exe QB.TXT", {Kind::OpenDocument, "QB.TXT", {}}},
        {"notepad.exe /home/me/My Books/QB.TXT", {Kind::OpenDocument, "/home/me/My Books/QB.TXT", {}}},
        {"C:\\WINDOWS\\NOTEPAD.EXE \"QB.TXT\"", {Kind::OpenDocument, "QB.TXT", {}}},
        {"Write.exe QB.TXT", {Kind::OpenDocument, "QB.TXT", {}}},
        {"C:\\PROGRA~1\\ACCESS~1\\WORDPAD.EXE QB.TXT", {Kind::OpenDocument, "QB.TXT", {}}},
        {"  Notepad.exe   QB.TXT  ", {Kind::OpenDocument, "QB.TXT", {}}},
        {"Notepad.exe", {}},
        {"/opt/quillbook/bin\\DATAPEEK.EXE QBLAUNCH", {Kind::Sibling, "/opt/quillbook/bin/datapeek", {"QBLAUNCH"}}},
        {"/home/me/My Apps/DATAPEEK.EXE QBLAUNCH", {Kind::Sibling, "/opt/quillbook/bin/datapeek", {"QBLAUNCH"}}},
        {"billpane.exe QBLAUNCH \"two words\"", {Kind::Sibling, "/opt/quillbook/bin/billpane", {"QBLAUNCH", "two words"}}},
        {"\"/home/me/My Apps/Billpane.exe\" QBLAUNCH", {Kind::Sibling, "/opt/quillbook/bin/billpane", {"QBLAUNCH"}}},
        {"BILLPANE", {Kind::Sibling, "/opt/quillbook/bin/billpane", {}}},
        {"CALC.EXE", {Kind::Calculator, {}, {}}},
        {"calc", {Kind::Calculator, {}, {}}},
        {"C:\\WINDOWS\\Calc.exe", {Kind::Calculator, {}, {}}},
        {"CALCULATOR.EXE", {}},
        {"format.com C:", {}},
        {"NotepadPlus.exe QB.TXT", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        const ProgramStart plan = qtgui::planProgramStart(c.commandLine, folder);
        EXPECT_EQ(plan.kind, c.expected.kind);
        EXPECT_EQ(plan.target, c.expected.target);
        EXPECT_EQ(plan.arguments, c.expected.arguments);
    }
}

TEST(ProgramStart, TheFirstCalculatorOnThePathIsChosen)
{
    const std::map<std::string, std::string> onPath{{"xcalc", "/usr/bin/xcalc"}, {"kcalc", "/usr/bin/kcalc"}};
    const auto finder = [&onPath](const std::string& name) {
        const auto found = onPath.find(name);
        return found == onPath.end() ? std::string() : found->second;
    };
    EXPECT_EQ(qtgui::firstCalculator(finder), "/usr/bin/kcalc");
    EXPECT_EQ(qtgui::firstCalculator([](const std::string&) { return std::string(); }), "");
    EXPECT_EQ(qtgui::calculatorCandidates().front(), "gnome-calculator");
}

} // namespace
