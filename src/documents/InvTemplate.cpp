#include "documents/InvTemplate.h"

#include <exception>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/PrinterSetup.h"
#include "documents/DocumentJobs.h"
#include "documents/TemplateFile.h"
#include "reports/CancelForm.h"
#include "reports/ReportDesk.h"
#include "runtime/Error.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace documents {

namespace {

constexpr int LoadMode = 1;
constexpr int SaveMode = 2;

const char* EditCaption(int n)
{
    static const char* const captions[] = {"", "Edit Simple Invoice template", "Edit MultiLine Invoice template",
                                           "Edit Remittance Advice template", "Edit Mail Merge template"};
    return captions[n];
}

bool IsStoredTemplateNumber(int n)
{
    return n >= core::SimpleInvoice && n <= core::MailMergeLetter;
}

} // namespace

InvTemplate::InvTemplate(reports::ReportDesk& desk)
    : TemplateCanvas(desk.services(), {desk.book().WorkingTemplate,
                                       [&desk](const std::string& message) { desk.book().messages.ShowErrorBox(message); },
                                       CanvasRole::Designer, {}}),
      desk_(desk)
{
    CmdClose.Click = [this] { Unload(); };
    CmdLoad.Click = [this] { LoadOrSaveTemplateFile(LoadMode); };
    CmdSaveAs.Click = [this] { LoadOrSaveTemplateFile(SaveMode); };
    CmdPrint.Click = [this] { CmdPrint_Click(); };
    endDesign();
}

void InvTemplate::EditStoredTemplate(int n)
{
    if (!IsStoredTemplateNumber(n))
        throw runtime::Error(runtime::SubscriptOutOfRange);
    core::Book& book = desk_.book();
    book.WorkingTemplate = book.Templates[static_cast<std::size_t>(n)];
    // Setting the number loads the window (the page is set up) and then draws the template.
    LblWhatTemplate.setCaption(std::to_string(n));
    setCaption(EditCaption(n));
    Show(true);
}

void InvTemplate::Form_Load()
{
    const core::BusyPointer busy(services());
    Trapped("Error while loading Invoice Template : ", [this] { SetUpPage(); });
}

int InvTemplate::TemplateNumber()
{
    const double n = runtime::val(LblWhatTemplate.Caption());
    for (int number = core::SimpleInvoice; number <= core::MailMergeLetter; ++number)
        if (n == number)
            return number;
    return 0;
}

void InvTemplate::Form_QueryUnload(int& cancel, int)
{
    const int n = TemplateNumber();
    core::Book& book = desk_.book();
    if (n == 0 || core::AreTemplatesEqual(book.WorkingTemplate, book.Templates[static_cast<std::size_t>(n)]))
        return;
    switch (book.messages.AskYesNoCancel("This template has changed. Save changes to main data file before exit?")) {
    case platform::Answer::Yes:
        // The sizes are what the page shows now.
        for (const platform::Label& label : ScrnObj.elements()) {
            core::TemplateObject& object = book.WorkingTemplate.Objects[static_cast<std::size_t>(label.Index())];
            object.Height = static_cast<float>(label.Height());
            object.Width = static_cast<float>(label.Width());
        }
        book.Templates[static_cast<std::size_t>(n)] = book.WorkingTemplate;
        book.ledger.FileChanged = true;
        break;
    case platform::Answer::No: break;
    default: cancel = 1; break;
    }
}

void InvTemplate::Form_Unload(int&)
{
    UnloadObjectDialogs();
    core::Book& book = desk_.book();
    if (book.AutoSave && book.ledger.FileChanged)
        book.ledger.Window().SaveTheFile();
}

void InvTemplate::CmdPrint_Click()
{
    if (!core::SetUpPrinter(desk_.book().messages))
        return;
    reports::CancelForm& printJobWindow = desk_.PrintJobWindow();
    printJobWindow.RegisterJob(InvoiceTemplateTag, [this] { PrintTemplateSample(desk_, ShownLabels()); });
    printJobWindow.ShowJob("Template Test Print", InvoiceTemplateTag);
}

std::string InvTemplate::SetUpTemplateFileDialog(int mode)
{
    CMDialog.filter = "QB Templates (*.TPL)|*.TPL|Text (*.TXT)|*.TXT|All Files (*.*)|*.*";
    CMDialog.cancelError = true;
    CMDialog.defaultExt = "TPL";
    CMDialog.flags = 2;
    if (mode == LoadMode) {
        CMDialog.title = "Quillbook : Load Template...";
        CMDialog.kind = platform::FileDialog::Kind::Open;
    } else if (mode == SaveMode) {
        CMDialog.title = "Quillbook : Save Template As...";
        CMDialog.kind = platform::FileDialog::Kind::Save;
    } else {
        return {};
    }
    return services().fileDialog(CMDialog);
}

bool InvTemplate::LoadOrSaveTemplateFile(int mode)
{
    try {
        const std::string fileName = SetUpTemplateFileDialog(mode);
        const core::BusyPointer busy(services());
        if (mode == LoadMode)
            return LoadTemplateFile(fileName);
        if (mode == SaveMode)
            return documents::SaveTemplateFile(fileName, desk_.book().WorkingTemplate, setup().ShowError);
        return true;
    } catch (const std::exception& error) {
        const auto* raised = dynamic_cast<const runtime::Error*>(&error);
        if (raised && raised->number() == runtime::DialogCancelled)
            return false;
        ShowError(std::string(mode == LoadMode ? "Error while attempting to load template : "
                                               : "Error while attempting to save template : ") +
                  error.what());
        return false;
    }
}

bool InvTemplate::LoadTemplateFile(const std::string& fileName)
{
    if (!documents::LoadTemplateFile(fileName, desk_.book().WorkingTemplate, setup().ShowError))
        return false;
    ScrollFrame.setVisible(false);
    DrawTemplateObjects();
    ScrollFrame.setVisible(true);
    setCaption("Edit Template : " + fileName);
    return true;
}


} // namespace documents
