#include "core/PrinterSetup.h"

#include <exception>

#include "core/Messages.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "runtime/Number.h"

namespace core {

namespace {

// No selection, no page numbers, printing to a file disabled.
constexpr long PrinterSetupFlags = 524300;

} // namespace

bool SetUpPrinter(Messages& messages)
{
    platform::Services& services = messages.services();
    try {
        platform::PrinterDialog dialog;
        dialog.cancelError = true;
        dialog.printerDefault = true;
        dialog.title = "Quillbook : Set Up Printer";
        dialog.flags = PrinterSetupFlags;
        if (!services.printerDialog(dialog))
            return false;
        if (dialog.copies == 1)
            return true;

        // The printer takes the copy count as a 16-bit number; more copies than that is a failure.
        const int answer = services.printer().setCopies(runtime::toInt16(dialog.copies));
        // The platform's printer gives no description of its own failure, so the text ends " : ".
        if (answer == 0) {
            messages.ShowErrorBox("Your printer driver does not appear to support multiple copies : ");
        } else if (answer < 0) {
            messages.ShowErrorBox("Error while setting number of copies : ");
            return false;
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<int> ShowViewerPrinterDialog(platform::Services& services, platform::PrinterDialog& dialog)
{
    try {
        dialog.cancelError = true;
        dialog.printerDefault = true;
        dialog.title = "Quillbook : Set Up Printer";
        dialog.flags = PrinterSetupFlags;
        const int copiesBefore = dialog.copies;
        if (!services.printerDialog(dialog))
            return std::nullopt;
        platform::Printer& printer = services.printer();
        printer.EndDoc();
        if (dialog.copies == copiesBefore)
            return 1;
        return printer.setCopies(runtime::toInt16(dialog.copies));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace core
