#pragma once

namespace mainwindow {

// What the start-up wizard needs of the main window: the file menu's Open, and the windows a new
// company is set up in. The main window implements it; the wizard never sees the main window itself.
class StartHost {
public:
    virtual ~StartHost() = default;

    // File > Open; true when a data file was opened.
    virtual bool OpenDataFile() = 0;
    // File > New: the company window in its create mode.
    virtual void CreateCompany() = 0;
    // The code window on its VAT codes page, then on its bank accounts page.
    virtual void EditVatCodes() = 0;
    virtual void EditBankAccounts() = 0;
};

} // namespace mainwindow
