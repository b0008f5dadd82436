#include <exception>

#include "billpane/CancelForm.h"
#include "billpane/InvTemplate.h"
#include "documents/DocumentJobs.h"
#include "documents/TemplatePrint.h"
#include "platform/Printer.h"
#include "runtime/Number.h"

namespace billpane {

namespace {

// No selection, no page numbers, printing to a file disabled.
constexpr long PrinterSetupFlags = 524300;

} // namespace

CancelForm& InvTemplate::PrintJobWindow()
{
    if (!printJobWindow_)
        printJobWindow_ = std::make_unique<CancelForm>(services(), Printing, ShowErrors, [this] { PrintDocument(); });
    return *printJobWindow_;
}

void InvTemplate::CmdPrint_Click()
{
    CancelForm& jobWindow = PrintJobWindow();
    jobWindow.LbLReportName.setCaption(Document.Name);
    jobWindow.LbLRepType.setCaption(documents::InvoiceTemplateTag);
    if (SetUpPrinter())
        jobWindow.Show(true);
}

bool InvTemplate::SetUpPrinter()
{
    try {
        PrtDialog.cancelError = true;
        PrtDialog.printerDefault = true;
        PrtDialog.title = "Quillbook : Set Up Printer";
        PrtDialog.flags = PrinterSetupFlags;
        const int copiesBefore = PrtDialog.copies;
        if (!services().printerDialog(PrtDialog))
            return false;
        platform::Printer& printer = services().printer();
        printer.EndDoc();
        if (PrtDialog.copies == copiesBefore)
            return true;
        // The platform's printer gives no description of its own failure, so the text ends " : ".
        const int answer = printer.setCopies(runtime::toInt16(PrtDialog.copies));
        if (answer == 0)
            ShowErrorBox("Your printer does not appear to be able to print multiple copies : ");
        else if (answer < 0)
            ShowErrorBox("Error while setting number of copies : ");
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool InvTemplate::PrintDocument()
{
    const documents::ShownObjectsPrint print{services(),
                                             Printing,
                                             setup().ShowError,
                                             [this] { PrintJobWindow().Refresh(); },
                                             [this] { PrintJobWindow().Hide(); },
                                             false,
                                             true};
    return documents::PrintShownObjects(print, Document, ShownLabels());
}

} // namespace billpane
