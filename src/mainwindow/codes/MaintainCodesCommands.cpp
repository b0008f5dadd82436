#include "core/Book.h"
#include "core/CodeTableEdits.h"
#include "core/TextTests.h"
#include "documents/DocumentPreview.h"
#include "mainwindow/codes/CodeWindowHost.h"
#include "mainwindow/codes/MaintainCodes.h"
#include "reports/CodeListPrint.h"
#include "reports/PrintJobRequest.h"
#include "reports/ReportDesk.h"
#include "runtime/Error.h"
#include "runtime/Text.h"

namespace mainwindow {

using core::CodeKind;

namespace {

// What Delete and Print say and do for each page.
struct PageTexts {
    const char* deletePrefix; // "Bank Code '" ... "' does not exist"
    const char* reportName;   // the print-job window's caption
    const char* jobTag;
    const char* emptyMessage; // the table holds no line to print
};

PageTexts TextsOf(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank:
        return {"Bank Code '", "Bank Account Report", reports::BankCodesTag, "There are no Bank Accounts to print..."};
    case CodeKind::Vat:
        return {"VAT Code '", "VAT Code Report", reports::VatCodesTag, "There are no VAT Records to print..."};
    case CodeKind::Customer:
        return {"Customer Code '", "Customer Report", reports::CustomerCodesTag, "There are no Customers to print..."};
    case CodeKind::Category:
        return {"Analysis Code '", "Category Report", reports::CategoryCodesTag,
                "There are no Category Records to print..."};
    }
    throw runtime::Error(runtime::SubscriptOutOfRange);
}

} // namespace

void MaintainCodes::CmdDeleteBank_Click()
{
    if (const auto kind = visiblePage()) {
        const int width = core::CodeWidth(*kind);
        const std::string code = runtime::padRight(runtime::left(runtime::ucase(page(*kind).codeBox->Text()), width), width);
        if (!core::ConfirmDeleteCode(book_, code, *kind))
            return;
        if (core::RemoveCodeLine(book_.codes.table(*kind), book_.codes.mirror(*kind), code, width)) {
            ClearEntryFields(*kind);
            // The page no longer edits the deleted code: the next Update adds what it then holds.
            ClearCurrentRecord(*kind);
            SetChangedFlag(*kind);
        } else {
            book_.messages.ShowErrorBox(TextsOf(*kind).deletePrefix + code + "' does not exist");
        }
    }
    book_.ledger.FileChanged = true;
    if (host_.AutoSave())
        host_.SaveTheFile();
}

void MaintainCodes::CmdPrint_Click()
{
    reports::ReportDesk& desk = host_.Reports();
    // A font the printer refuses is told before anything about the page.
    if (!reports::ReportFontAccepted(desk))
        return;
    const auto kind = visiblePage();
    if (!kind)
        return;
    const PageTexts texts = TextsOf(*kind);
    if (page(*kind).list->ListCount() == 0) {
        book_.messages.ShowErrorBox(texts.emptyMessage);
        return;
    }
    reports::RequestPrintJob(desk, texts.reportName, texts.jobTag);
}

void MaintainCodes::MailLetter_Click()
{
    reports::ReportDesk& desk = host_.Reports();
    if (desk.host().ChosenOutput() != reports::ReportOutput::Datapeek) {
        book_.messages.ShowErrorBox("You can only produce a mail letter if you have selected 'DATAPEEK' as your report "
                                    "editor (Main screen, Options menu).");
        return;
    }
    book_.MailMergeCustomerCode = TextCustCode.Text();
    if (core::IsBlank(book_.MailMergeCustomerCode.view())) {
        book_.messages.ShowErrorBox("Double click on the Customer you wish to Mail to, then try again.");
        return;
    }
    documents::PreviewDocument(desk, book_.Templates[core::MailMergeLetter], core::MailMergeLetter);
}

} // namespace mainwindow
