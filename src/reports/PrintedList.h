#pragma once

#include <functional>
#include <string>

#include "reports/PrintJob.h"

namespace platform {
class Printer;
}

namespace reports {

class ReportDesk;
struct ReportColumn;

// One printed list of a kind on the printer, on the frame every printed list shares. The list
// prints what goes under its first page header, then its column headings, then each row through
// PrintRow, and ends with Finish:
//
//     PrintedList list(desk, CustomerKind);
//     list.EndLine();
//     list.PrintColumnHeadings();
//     for (...) if (!list.PrintRow([&] { list.PrintCell(1, code); ... })) return;
//     list.Finish([&] { list.EndLine(); list.PrintCell(1, count + " Customer Codes"); list.EndLine(); });
//
// A failure is not trapped here: the print-job window ends the job and reports it.
class PrintedList {
public:
    // Starts the job with the hourglass, measures the report font, lays out the kind's columns and
    // prints the first page header.
    PrintedList(ReportDesk& desk, int kind);

    platform::Printer& printer() const { return printer_; }
    const ReportCharWidths& charWidths() const { return widths_; }
    // Column `number` (from 1) of the kind.
    const ReportColumn& Column(int number) const;

    // The column headings with their rulers and an empty line. Measures the width of an amount
    // cell then, in the weight the rows print in. The rows print under the default pointer.
    void PrintColumnHeadings();

    // The horizontal print position goes to the column, shown or not.
    void PlaceAt(int column);
    // Places at the column and prints the text there, when the column is shown.
    void PrintCell(int column, const std::string& text);
    // Prints an amount text so that it ends where a ruler of eleven "_" printed from the column's
    // start ends, when the column is shown.
    void PrintAmountCell(int column, const std::string& amount);
    // Ends the line; on a line that holds nothing yet, that prints an empty line.
    void EndLine();

    // One row of `lines` lines: a new page first when the page is full or the row would not end
    // inside the printable area (header, empty line, headings), then the row's cells, the end of
    // its line and a yield to the message loop. Answers false when Cancel was pressed meanwhile:
    // the cancel line is printed and the job has ended.
    bool PrintRow(const std::function<void()>& printCells, int lines = 1);

    // After the last row, under the hourglass: the list's own closing lines, an empty line, the
    // end line; then the job ends. A closing line that would not end inside the printable area
    // goes to a new page.
    void Finish(const std::function<void()>& printClosingLines);

private:
    // The page header, an empty line and the column headings on a new page.
    void StartNewPage();
    // A line about to be printed that would be cut at the page's end goes to a new page.
    void KeepLineOnPage();

    ReportDesk& desk_;
    platform::Printer& printer_;
    int kind_;
    ReportCharWidths widths_;
    int charsPerLine_ = 0;
    // The printed width of eleven "_", measured once in the weight of the rows.
    double amountCellWidth_ = 0;
    // The closing lines are printing: each line ended keeps the next one on the page.
    bool closing_ = false;
};

} // namespace reports
