#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "core/TemplateRecord.h"
#include "documents/TemplateCanvas.h"
#include "platform/Services.h"

namespace billpane {

class CancelForm;

// The name of the document the main program hands over, in the folder the viewer starts in.
inline constexpr const char* HandOverFile = "QB.TXT";

// What the viewer holds beside its window: the document on show, the error box's switch and the
// printing flag. A base of the window, so that the document exists before the canvas takes it.
struct ViewerState {
    core::TemplateRecord Document;
    // Off until start-up ends (or a print-job window or object dialog loads): start-up is silent.
    bool ShowErrors = false;
    // True while a print runs; the print-job window's Cancel clears it.
    bool Printing = false;
};

// The document viewer's window "InvTemplate": the handed-over document on the template canvas,
// laid out where its texts print, with Load and Save As of document files, Print and Close.
class InvTemplate : private ViewerState, public documents::TemplateCanvas {
public:
    // The modes of LoadOrSaveDocument.
    static constexpr int LoadMode = 1;
    static constexpr int SaveMode = 2;

    explicit InvTemplate(platform::Services& services, std::filesystem::path folder = std::filesystem::current_path());
    ~InvTemplate() override;

    const core::TemplateRecord& document() const { return Document; }
    bool showErrors() const { return ShowErrors; }
    bool printing() const { return Printing; }

    // Shows the document on the page: every caption cleared, then the margins and each object's
    // label, a centred or right-aligned one where its text prints.
    void BuildDocumentScreen();

    // Prepares the file dialog for loading (1) or saving (2) a document file and shows it; a cancel
    // raises error 32755. Answers the chosen path; another mode shows nothing and answers "".
    std::string SetUpDocumentDialog(int mode);
    // Loads the document from (1) or saves it as (2) a file the user chooses; answers whether it
    // did. A failed load changes neither the document nor the page.
    bool LoadOrSaveDocument(int mode);
    // The printer dialog; true when confirmed, also after a copy count the printer refused.
    bool SetUpPrinter();
    // Prints the document as the page shows it; false after a failure, with its message.
    bool PrintDocument();
    // The viewer's error box.
    void ShowErrorBox(const std::string& message);

    CancelForm& PrintJobWindow();

    platform::FileDialog CMDialog;
    platform::PrinterDialog PrtDialog;

    void ObjectRestyled(int index) override;

protected:
    void LblWhatTemplate_Change() override { BuildDocumentScreen(); }
    void ObjectDropped(int index) override;
    bool HasGuideLines() const override { return false; }

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;
    void CmdPrint_Click();
    void ShowDocumentObject(int index);

    std::filesystem::path folder_;
    bool laidOut_ = false;
    std::unique_ptr<CancelForm> printJobWindow_;
};

} // namespace billpane
