#include "documents/BatchInvoices.h"

#include <string>

#include "core/Book.h"
#include "core/PrinterSetup.h"
#include "core/RecordField.h"
#include "documents/DocumentJobs.h"
#include "reports/CancelForm.h"
#include "reports/ReportDesk.h"

namespace documents {

namespace {

std::string BatchQuestion(int mode)
{
    switch (mode) {
    case 1: return "Print all unpaid invoices in the current filtered list using Simple Invoice template?";
    case 2: return "Print all unpaid invoices in the current filtered list using MultiLine Invoice template?";
    case 3:
        return "Print all unpaid invoices in the current filtered list (QB decides between Simple/Multiline "
               "template)?";
    default: return {};
    }
}

bool IsUnpaidInvoice(std::string_view record)
{
    namespace rc = core::RecordColumns;
    return core::RecordField(record, rc::Type) == "INV" && !core::RecordFlag(record, rc::Paid) &&
           !core::RecordFlag(record, rc::Deleted);
}

} // namespace

void RunBatchInvoices(reports::ReportDesk& desk, BatchInvoiceRun& batch, int mode)
{
    const std::string question = BatchQuestion(mode);
    if (question.empty())
        return;
    core::Book& book = desk.book();
    if (book.messages.AskYesNo(question) != platform::Answer::Yes)
        return;
    if (!core::SetUpPrinter(book.messages))
        return;
    desk.CancelRequested = false;
    batch.BatchInvoiceMode = static_cast<std::int16_t>(mode);
    reports::CancelForm& window = desk.PrintJobWindow();
    const core::TransactionIndex& query = book.ledger.QueryIndex;
    for (int i = 1; i <= query.UpperBound(); ++i) {
        const std::int16_t recordNumber = query.at(i).RecordNumber;
        const std::string_view record = book.ledger.Transactions.Line(recordNumber);
        if (!IsUnpaidInvoice(record))
            continue;
        batch.BatchInvoiceRecord = recordNumber;
        window.ShowJob("Invoice Ref : " + std::string(core::RecordField(record, core::RecordColumns::Reference)), BatchInvoiceTag);
        if (desk.CancelRequested) {
            desk.CancelRequested = false;
            return;
        }
    }
}

} // namespace documents
