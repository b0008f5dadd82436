#pragma once

namespace core {
struct FilterSetup;
}

namespace reports {

class ReportDesk;
class ReportForm;

// The VAT report of the chooser's period (`request` with DateOn, FromDate and ToDate set): the
// purchases ("INPUTS") and then the sales ("OUTPUTS") with their net amount and VAT, and the nine
// boxes of the VAT return, handed to the chosen viewer. Reads the chooser's TextVatFrom,
// TextVatTo, OptCashScheme (cash accounting takes only payments and receipts) and ChkShowSplits.
// Mode 2 lists every transaction and the sections' totals; any other mode only the boxes. Leaves
// the OUTPUTS type letters in `request`. False after "File error : ".
bool WriteVatReport(ReportDesk& desk, ReportForm& form, core::FilterSetup& request, int mode);

} // namespace reports
