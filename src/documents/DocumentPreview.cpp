#include "documents/DocumentPreview.h"

#include <exception>
#include <string>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "datafile/TemplateBlock.h"
#include "documents/DocumentText.h"
#include "documents/FieldValues.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "runtime/Error.h"
#include "runtime/TextFile.h"

namespace documents {

namespace {

constexpr const char* DocumentViewer = "BILLPANE.EXE";

std::string DocumentName(const core::Book& book, const core::TemplateRecord& tmpl, int kind)
{
    switch (kind) {
    case core::SimpleInvoice: return "Simple Invoice";
    case core::MultiLineInvoice: return "Multiline Invoice";
    case core::RemittanceAdvice: return "Remittance Advice";
    case core::MailMergeLetter: return "Mail Merge Customer " + book.MailMergeCustomerCode.str();
    default: return tmpl.Name;
    }
}

// The filled document handed to the viewer; false when the file could not be written whole,
// after its own message.
bool WriteHandOver(reports::ReportDesk& desk, const core::TemplateRecord& document)
{
    core::Book& book = desk.book();
    runtime::TextWriter file(desk.folder() / std::string(reports::ReportFileName));
    const auto showError = [&book](const std::string& message) { book.messages.ShowErrorBox(message); };
    if (!datafile::WriteTemplate(file, document, showError))
        return false;
    file.close();
    return true;
}

void PreviewInViewer(reports::ReportDesk& desk, const core::TemplateRecord& tmpl, int kind)
{
    core::Book& book = desk.book();
    core::TemplateRecord& document = book.WorkingTemplate;
    document = tmpl;
    const std::int16_t id = kind == core::MailMergeLetter ? MailMergeSource : EditBoxSource;
    for (int i = 0; i < core::TemplateObjectCount; ++i) {
        core::TemplateObject& object = document.Objects[static_cast<std::size_t>(i)];
        object.Text = GetTemplateFieldValue(book, id, object.Text);
    }
    document.Name = DocumentName(book, tmpl, kind);
    // A cut hand-over file would show a wrong document without a word: the viewer starts only
    // on a whole one.
    if (!WriteHandOver(desk, document))
        return;
    if (!desk.services().startProgram(DocumentViewer, platform::WindowStyle::NormalFocus))
        throw runtime::Error(runtime::FileNotFound);
}

} // namespace

void PreviewDocument(reports::ReportDesk& desk, const core::TemplateRecord& tmpl, int kind)
{
    const core::BusyPointer busy(desk.services());
    if (desk.host().ChosenOutput() != reports::ReportOutput::Datapeek) {
        WriteDocumentText(desk, kind);
        return;
    }
    try {
        PreviewInViewer(desk, tmpl, kind);
    } catch (const std::exception& error) {
        desk.book().messages.ShowErrorBox(std::string("Error while attempting to preview document : ") + error.what());
    }
}

} // namespace documents
