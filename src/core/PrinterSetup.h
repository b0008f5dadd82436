#pragma once

#include <optional>

namespace platform {
struct PrinterDialog;
class Services;
}

namespace core {

class Messages;

// The printer set-up dialog ("Quillbook : Set Up Printer"). A choice of more than one copy is
// passed to the printer; a driver that cannot print copies is reported and the set-up still
// answers true, a failure to set them is reported and answers false. A cancel, or any other
// failure, answers false without a message.
bool SetUpPrinter(Messages& messages);

// The viewers' printer set-up: shows `dialog` (kept by the viewer between prints), ends any open
// printer document, and passes the copies to the printer only when the dialog changed them.
// Nothing after a cancel or a failure; otherwise the copy-count escape's answer (0 unsupported,
// < 0 failed), or 1 when the copies were left alone. The viewers word the messages themselves.
std::optional<int> ShowViewerPrinterDialog(platform::Services& services, platform::PrinterDialog& dialog);

} // namespace core
