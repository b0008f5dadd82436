#include "documents/DocumentJobs.h"

#include "core/Book.h"
#include "core/RecordField.h"
#include "documents/FieldValues.h"
#include "documents/TemplatePrint.h"
#include "reports/CancelForm.h"
#include "reports/ReportDesk.h"

namespace documents {

int BatchTemplateNumber(const reports::ReportDesk& desk, const BatchInvoiceRun& batch)
{
    if (batch.BatchInvoiceMode == 1)
        return core::SimpleInvoice;
    if (batch.BatchInvoiceMode == 2)
        return core::MultiLineInvoice;
    const std::string_view record = desk.book().ledger.Transactions.Line(batch.BatchInvoiceRecord);
    return core::RecordNumber(record, core::RecordColumns::SplitCount) > 0 ? core::MultiLineInvoice
                                                                          : core::SimpleInvoice;
}

void RegisterDocumentJobs(reports::ReportDesk& desk, const BatchInvoiceRun& batch)
{
    reports::CancelForm& window = desk.PrintJobWindow();
    const auto printFromEditBox = [&desk](int templateNumber) {
        return [&desk, templateNumber] { PrintTemplateDocument(desk, EditBoxSource, templateNumber); };
    };
    window.RegisterJob(ActualInvoiceTag, printFromEditBox(core::SimpleInvoice));
    window.RegisterJob(ActualMultiInvoiceTag, printFromEditBox(core::MultiLineInvoice));
    window.RegisterJob(RemittanceAdviceTag, printFromEditBox(core::RemittanceAdvice));
    window.RegisterJob(MailMergeTag, [&desk] { PrintTemplateDocument(desk, MailMergeSource, core::MailMergeLetter); });
    window.RegisterJob(BatchInvoiceTag, [&desk, &batch] {
        PrintTemplateDocument(desk, batch.BatchInvoiceRecord, BatchTemplateNumber(desk, batch));
    });
}

} // namespace documents
