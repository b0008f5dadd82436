#pragma once

namespace reports {

class ReportDesk;

// The machinery every printed list shares on the printer: the start and end of a job, the report
// font's measured widths, the column layout of each printed kind, the page header and the column
// headings. Positions and widths are twips.

// Takes the job's time stamp afresh, turns PrintingInProgress on and repaints the print-job window.
void StartPrintJob(ReportDesk& desk);
// Ends a job, finished or cancelled: PrintingInProgress off, the document sent to the printer, the
// print-job window hidden (which ends its modal showing), the time stamp dropped, the default pointer.
void EndPrintJob(ReportDesk& desk);

// The average character width of the report font on the printer, bold or not, which the printer
// is left set to.
int MeasureCharWidth(ReportDesk& desk, bool bold);

struct ReportCharWidths {
    int Normal = 0;
    int Bold = 0;
    // The two are equal: the whole list then prints bold.
    bool Same = false;
};
// Both widths; the printer is left bold.
ReportCharWidths MeasureCharWidths(ReportDesk& desk);

// The characters of `charWidth` that fit across the page between the two margins. A width of 0
// raises "Division by zero".
int CharsPerLine(ReportDesk& desk, int charWidth);

// Lays out the desk's ReportColumns for a printed kind (1 and 3 to 8): each column where the one
// before ends, from the left margin, and shown when it ends within the page less the left
// margin. Any other kind leaves the columns as they were.
void SetUpReportColumns(ReportDesk& desk, int kind, int charWidth);

// The title line of a page, bold, at the top margin: the kind's title cut so that " Page " and the
// three-digit page number end a line of `charsPerLine` characters. Bold stays on with `keepBold`.
void PrintPageHeader(ReportDesk& desk, int kind, bool keepBold, int charsPerLine);

// The headings of the shown columns (bold), their rulers and an empty line. Bold stays on for the
// rulers and what follows with `keepBold`.
void PrintColumnHeadings(ReportDesk& desk, int kind, bool keepBold, int charWidth);

} // namespace reports
