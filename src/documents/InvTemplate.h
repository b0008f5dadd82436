#pragma once

#include <string>

#include "documents/TemplateCanvas.h"
#include "documents/TemplatePrint.h"
#include "platform/Services.h"

namespace reports {
class ReportDesk;
}

namespace documents {

// The template designer "InvTemplate": the canvas over the book's working template, with Load and
// Save As of template files (".TPL"), a test print, and Close, which offers to store a changed
// template back into the book.
class InvTemplate : public TemplateCanvas {
public:
    explicit InvTemplate(reports::ReportDesk& desk);

    // Opens stored template n (1 to 4) for editing: the working template becomes a copy of it,
    // the window takes the template's caption and shows modally until closed.
    void EditStoredTemplate(int n);

    // Prepares the file dialog for loading (1) or saving (2) a template file and shows it; a
    // cancel raises error 32755. Answers the chosen path.
    std::string SetUpTemplateFileDialog(int mode);
    // Loads the working template from (1) or saves it as (2) a template file the user chooses;
    // answers whether it did. A failed load changes nothing.
    bool LoadOrSaveTemplateFile(int mode);

    // The window's common dialog, which keeps its settings between uses.
    platform::FileDialog CMDialog;

private:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void CmdPrint_Click();
    bool LoadTemplateFile(const std::string& fileName);
    // The number of the stored template being edited; 0 when none is.
    int TemplateNumber();

    reports::ReportDesk& desk_;
};

} // namespace documents
