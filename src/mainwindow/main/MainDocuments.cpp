#include "mainwindow/main/Main.h"

#include "core/PrinterSetup.h"
#include "documents/BatchInvoices.h"
#include "documents/DocumentJobs.h"
#include "documents/DocumentPreview.h"
#include "documents/TemplatePrint.h"
#include "reports/CancelForm.h"

namespace mainwindow {

void Main::wireDocuments()
{
    // Registered once for the run: the mail merge prints through the print-job window as well.
    documents::RegisterDocumentJobs(reportDesk, batchInvoices_);
    const auto preview = [this](int kind) {
        return [this, kind] { documents::PreviewDocument(reportDesk, book.Templates[static_cast<std::size_t>(kind)], kind); };
    };
    RepInvItem.Click = preview(core::SimpleInvoice);
    ItemPrevMultiInv.Click = preview(core::MultiLineInvoice);
    itemRemPreview.Click = preview(core::RemittanceAdvice);
    ItemQuickSimpleInv.Click = [this] { PrintEditBoxDocument("Invoice Ref : ", documents::ActualInvoiceTag, core::SimpleInvoice); };
    ItemQuickMultiInv.Click = [this] { PrintEditBoxDocument("Invoice Ref : ", documents::ActualMultiInvoiceTag, core::MultiLineInvoice); };
    ItemQuickRemit.Click = [this] { PrintEditBoxDocument("Bill Ref : ", documents::RemittanceAdviceTag, core::RemittanceAdvice); };
    const auto batch = [this](int mode) {
        return [this, mode] { documents::RunBatchInvoices(reportDesk, batchInvoices_, mode); };
    };
    ItemBatchSimple.Click = batch(1);
    ItemBatchMulti.Click = batch(2);
    ItemBatchAutoselect.Click = batch(3);
}

void Main::PrintEditBoxDocument(const std::string& titlePrefix, const char* tag, int templateNumber)
{
    // A template that would print a blank page is refused before the printer is chosen.
    if (!documents::CheckTemplateHasVisibleObjects(book, book.Templates[static_cast<std::size_t>(templateNumber)]))
        return;
    if (!core::SetUpPrinter(book.messages))
        return;
    reportDesk.PrintJobWindow().ShowJob(titlePrefix + TextRef.Text(), tag);
}

core::EditBoxTexts Main::EntryTexts() const
{
    return {GrossAmountText(), ComboVAT.Text(), TxtVATAmount.Text(), ComboCustomer.Text(),
            TextRef.Text(),    TextDate.Text(), TextComment.Text()};
}

} // namespace mainwindow
