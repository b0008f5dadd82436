#pragma once

namespace reports {
class ReportDesk;
}

namespace documents {

struct BatchInvoiceRun;

// Prints every unpaid, undeleted invoice of the current filtered list, in the list's order, one
// print job each, after the user confirms and sets up the printer. Mode 1 uses the simple
// invoice, 2 the multi-line invoice, 3 the multi-line one for invoices with split entries. The
// print-job window's Cancel stops the run after the invoice it was pressed in.
void RunBatchInvoices(reports::ReportDesk& desk, BatchInvoiceRun& batch, int mode);

} // namespace documents
