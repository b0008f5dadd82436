#pragma once

#include <cstdint>

namespace reports {
class ReportDesk;
}

namespace documents {

// The invoice a batch run is printing, and how it chooses the template.
struct BatchInvoiceRun {
    // 1 always the simple invoice, 2 always the multi-line invoice, 3 chosen per invoice.
    std::int16_t BatchInvoiceMode = 0;
    // The record number of the invoice being printed.
    std::int16_t BatchInvoiceRecord = 0;
};

// The print-job tags of the documents.
inline constexpr const char* ActualInvoiceTag = "WB_ACTUALINVOICE";
inline constexpr const char* ActualMultiInvoiceTag = "WB_ACTUALMULTIINVOICE";
inline constexpr const char* RemittanceAdviceTag = "WB_REMITADVICE";
inline constexpr const char* MailMergeTag = "WB_MAILMERGEREPORT";
inline constexpr const char* BatchInvoiceTag = "WB_BATCHINVOICEREPORT";
// The template designer's test print.
inline constexpr const char* InvoiceTemplateTag = "WB_INVOICETEMPLATE";

// Lets the print-job window print the documents: the edit box's invoice, multi-line invoice and
// remittance advice, the mail-merge letter, and the current invoice of `batch`.
void RegisterDocumentJobs(reports::ReportDesk& desk, const BatchInvoiceRun& batch);

// The template a batch prints a record with.
int BatchTemplateNumber(const reports::ReportDesk& desk, const BatchInvoiceRun& batch);

} // namespace documents
