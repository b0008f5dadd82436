#pragma once

namespace mainwindow {

// What the code window needs of the main window that owns it: the auto-save option and the save
// of the open company. The main window implements it; the code window never sees the main window
// itself, so it can be built and tested alone.
class CodeWindowHost {
public:
    virtual ~CodeWindowHost() = default;

    // The Auto Save option is ticked.
    virtual bool AutoSave() const = 0;
    // Writes the open company to its data file (Save As when it has none yet).
    virtual void SaveTheFile() = 0;
};

} // namespace mainwindow
