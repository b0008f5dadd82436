#include <optional>

#include "billpane/CancelForm.h"
#include "billpane/InvTemplate.h"
#include "core/PrinterSetup.h"
#include "documents/DocumentJobs.h"
#include "documents/TemplatePrint.h"
#include "platform/Printer.h"

namespace billpane {

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
    const std::optional<int> answer = core::ShowViewerPrinterDialog(services(), PrtDialog);
    if (!answer)
        return false;
    // The platform's printer gives no description of its own failure, so the text ends " : ".
    if (*answer == 0)
        ShowErrorBox("Your printer does not appear to be able to print multiple copies : ");
    else if (*answer < 0)
        ShowErrorBox("Error while setting number of copies : ");
    return true;
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
