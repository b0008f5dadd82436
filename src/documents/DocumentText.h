#pragma once

namespace reports {
class ReportDesk;
}

namespace documents {

// The invoice (kinds 1 and 2; 2 with its table of split entries) or remittance advice (kind 3) of
// the transaction in the edit box as plain text in "QB.TXT", opened in the editor the Options menu
// chose. False after a failure, with "File error : " and its description and no editor opened.
bool WriteDocumentText(reports::ReportDesk& desk, int kind);

} // namespace documents
