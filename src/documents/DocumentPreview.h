#pragma once

#include "core/TemplateRecord.h"

namespace reports {
class ReportDesk;
}

namespace documents {

// Shows a document before it is printed. With the document viewer as the chosen output, the
// template with its special fields filled (kind 4 from the mail-merge customer, any other from
// the edit box) goes to "QB.TXT" under the kind's name and the viewer "BILLPANE.EXE" is started
// on it; otherwise the plain text of the invoice or remittance advice opens in the chosen editor.
// The stored template is never changed.
void PreviewDocument(reports::ReportDesk& desk, const core::TemplateRecord& tmpl, int kind);

} // namespace documents
