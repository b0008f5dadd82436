#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "datapeek/ViewerWindow.h"
#include "platform/ScriptedServices.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

// Lines joined as a report file holds them: CR LF after each.
inline std::string ReportText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A category analysis by month (kind 14) as the main program writes it for the viewer: the
// settings lines, the title and a sub-title, the marker, two blank rows, the two heading rows,
// three categories, the total and the closing lines.
inline std::vector<std::string> CategoryAnalysisReport()
{
    return {
        "ARIAL",
        "8",
        "000720",
        "000360",
        "000014",
        "Quillbook 2000-32 Category Analysis     : Fixture Trading Ltd  05/Mar/2026 10:15:00",
        "From 01/Jan/2026 To 31/Mar/2026",
        "*** REPORT STARTS ***",
        "",
        "",
        "Category              \t   Jan 2026\t   Feb 2026\t   Mar 2026\t      Total",
        "----------------------\t-----------\t-----------\t-----------\t-----------",
        "SALES  Sales          \t   1,200.00\t     850.50\t   2,000.00\t   4,050.50",
        "RENT   Rent           \t    -500.00\t    -500.00\t    -500.00\t  -1,500.00",
        "POST   Postage        \t     -12.40\t       0.00\t      -3.10\t     -15.50",
        "Total                 \t     687.60\t     350.50\t   1,496.90\t   2,535.00",
        " ",
        "*** End Of\t Report ***",
    };
}

// A report of `rows` rows "Row 001" to "Row nnn" under the two heading rows, in ARIAL of `size`
// points at a left margin of 720 twips and a top margin of `topMargin`.
inline std::vector<std::string> NumberedRowsReport(int rows, const std::string& size, const std::string& topMargin)
{
    std::vector<std::string> report = {
        "ARIAL", size, "000720", topMargin, "000014", "Quillbook 2000-32 Numbered Rows : Fixture Trading Ltd",
        "*** REPORT STARTS ***", "", "", "Item   \t     Amount", "-------\t-----------",
    };
    for (int n = 1; n <= rows; ++n) {
        const std::string number = std::to_string(n);
        report.push_back("Row " + std::string(3 - number.size(), '0') + number + "\t   1,150.00");
    }
    return report;
}

// Scripted services that act at each yield to the message loop as a test says, and may print on
// another printer.
class ViewerServices : public platform::ScriptedServices {
public:
    void doEvents() override
    {
        ScriptedServices::doEvents();
        if (onYield)
            onYield();
    }
    platform::Printer& printer() override { return otherPrinter ? *otherPrinter : ScriptedServices::printer(); }

    std::function<void()> onYield;
    platform::Printer* otherPrinter = nullptr;
};

// The report viewer started in a folder of its own, over the headless services: the screen has
// Arial and Courier New, the printer Arial, Courier New and Times New Roman.
class ViewerTest : public testing::Test {
protected:
    ViewerTest() { services.setScreenFonts({"Arial", "Courier New"}); }

    void writeReport(const std::string& name, const std::vector<std::string>& lines) const
    {
        writeBytes(folder / name, ReportText(lines));
    }

    // Starts the viewer as the main program does, over the folder's "QB.TXT".
    datapeek::ViewerWindow& start(const std::string& commandLine = "QBLAUNCH")
    {
        services.setCommandLine(commandLine);
        window = std::make_unique<datapeek::ViewerWindow>(services, folder.path());
        window->Show();
        return *window;
    }

    datapeek::ViewerWindow& startOn(const std::vector<std::string>& report)
    {
        writeReport("QB.TXT", report);
        return start();
    }

    // The grid's row as the report file held it: cells 1 to 17, trailing empty cells dropped.
    std::vector<std::string> row(int r) const
    {
        std::vector<std::string> cells;
        for (int c = 1; c < window->ViewGrid.Cols(); ++c)
            cells.push_back(window->ViewGrid.TextMatrix(r, c));
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        return cells;
    }

    TempFolder folder;
    ViewerServices services;
    std::unique_ptr<datapeek::ViewerWindow> window;
};
