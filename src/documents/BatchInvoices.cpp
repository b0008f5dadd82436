#include "documents/BatchInvoices.h"

#include <string>
#include <vector>

#include "core/Book.h"
#include "core/PrinterSetup.h"
#include "core/RecordField.h"
#include "documents/DocumentJobs.h"
#include "platform/Services.h"
#include "reports/DocumentRun.h"
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

// The record numbers of the unpaid invoices of the current filtered list, in its order.
std::vector<std::int16_t> UnpaidInvoices(const core::Book& book)
{
    std::vector<std::int16_t> invoices;
    for (const core::IndexEntry& entry : book.ledger.QueryIndex.entries()) {
        if (IsUnpaidInvoice(book.ledger.Transactions.Line(entry.RecordNumber)))
            invoices.push_back(entry.RecordNumber);
    }
    return invoices;
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
    const std::vector<std::int16_t> invoices = UnpaidInvoices(book);
    if (invoices.empty()) {
        book.messages.ShowErrorBox("There are no unpaid invoices in the current filtered list to print...");
        return;
    }
    if (!core::SetUpPrinter(book.messages))
        return;
    batch.BatchInvoiceMode = static_cast<std::int16_t>(mode);
    reports::DocumentRun run(desk);
    for (const std::int16_t recordNumber : invoices) {
        const std::string_view record = book.ledger.Transactions.Line(recordNumber);
        batch.BatchInvoiceRecord = recordNumber;
        if (!run.Print("Invoice Ref : " + std::string(core::RecordField(record, core::RecordColumns::Reference)),
                       BatchInvoiceTag))
            return;
    }
}

} // namespace documents
