#pragma once

namespace reports {

class ReportDesk;

// The transactions the main window's grid shows, in its order, in a payments and a receipts
// section, each with its gross amount, VAT and net amount and the sections' totals, handed to the
// chosen viewer. False after "File error : ".
bool WriteNetOfVatListReport(ReportDesk& desk);

} // namespace reports
