#pragma once

namespace reports {
class ReportDesk;
}

namespace mainwindow {

// What the code window needs of the main window that owns it: the auto-save option, the save of
// the open company and the report desk its lists print and its letters are previewed through. The
// main window implements it; the code window never sees the main window itself, so it can be
// built and tested alone.
class CodeWindowHost {
public:
    virtual ~CodeWindowHost() = default;

    // The Auto Save option is ticked.
    virtual bool AutoSave() const = 0;
    // Writes the open company to its data file (Save As when it has none yet).
    virtual void SaveTheFile() = 0;
    // The report desk of the program: report font, print-job window, chosen report output.
    virtual reports::ReportDesk& Reports() = 0;
};

} // namespace mainwindow
