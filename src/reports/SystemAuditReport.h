#pragma once

namespace reports {

class ReportDesk;

// Every slot of the transaction table in order, deleted records marked "** DEL" and still
// counted, one row of all the stored fields each, with the slot count, handed to the chosen
// viewer. False after "File error : ".
bool WriteSystemAuditReport(ReportDesk& desk);

} // namespace reports
