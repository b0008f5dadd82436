#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/Book.h"
#include "platform/Services.h"
#include "reports/ReconciliationPrintout.h"

namespace reports {

// The report font and margins every report uses: set by the report font dialog, kept in the
// settings file, written into a text report's viewer settings lines.
struct ReportSettings {
    std::string FontName = "ARIAL";
    std::string FontSize = "8"; // as typed: "8", "8.25"
    short LeftMargin = 0; // twips
    short TopMargin = 0; // twips
};

// Where a text report goes once written: the item ticked on the main window's Options menu.
enum class ReportOutput { Notepad, Write, Datapeek };

// One column of a printed list: where it starts and how wide it is (twips), its heading, and
// whether it fits on the page.
struct ReportColumn {
    int X = 0;
    std::string Heading;
    int Width = 0;
    bool Shown = false;
};

class CancelForm;
class FontForm;

// The main window as the reports reach it. The main window implements it; tests use a fake.
class ReportHost {
public:
    virtual ~ReportHost() = default;

    virtual ReportOutput ChosenOutput() const = 0;
    // Write goes to the word processor named by WordPadPath instead of the desktop's Write.
    virtual bool UseWordPad() const = 0;
    virtual std::string WordPadPath() const = 0;
    // The totals labels under the grid: whether each shows and what it says.
    virtual bool PayTotalVisible() const = 0;
    virtual std::string PayTotalCaption() const = 0;
    virtual bool RcpTotalVisible() const = 0;
    virtual std::string RcpTotalCaption() const = 0;
    // The text of the main window's filter combo.
    virtual std::string MainFilterText() const = 0;
};

// What the reports keep between calls: one object the program holds (tests make fresh ones).
class ReportDesk {
public:
    ReportDesk(core::Book& book, ReportHost& host, std::filesystem::path folder = std::filesystem::current_path());
    ~ReportDesk();
    ReportDesk(const ReportDesk&) = delete;
    ReportDesk& operator=(const ReportDesk&) = delete;

    core::Book& book() const { return book_; }
    platform::Services& services() const { return book_.services(); }
    ReportHost& host() const { return host_; }
    // The folder "QB.TXT" is written in and the viewers start in: the working folder.
    const std::filesystem::path& folder() const { return folder_; }

    ReportSettings Settings;
    // "dd/Mmm/yyyy hh:mm:ss" of the report in production; empty while none is.
    std::string ReportTimestamp;
    // On while a printed job runs; Cancel in the print-job window turns it off, and the job stops
    // after its current row.
    bool PrintingInProgress = false;
    // The user pressed Cancel in the print-job window: a run of several documents stops after the
    // current one. Such a run clears it before it starts.
    bool CancelRequested = false;
    // The columns of the printed list in production; column n is ReportColumns[n - 1].
    std::vector<ReportColumn> ReportColumns;
    // The reconciliation window's list as its Print button hands it over.
    ReconciliationPrintout Reconciliation;

    // The print-job window and the report font dialog: made on first use, kept for the desk's life.
    CancelForm& PrintJobWindow();
    FontForm& ReportFontDialog();

private:
    core::Book& book_;
    ReportHost& host_;
    std::filesystem::path folder_;
    std::unique_ptr<CancelForm> printJobWindow_;
    std::unique_ptr<FontForm> fontDialog_;
};

} // namespace reports
