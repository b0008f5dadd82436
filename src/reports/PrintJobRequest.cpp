#include "reports/PrintJobRequest.h"

#include "core/Book.h"
#include "core/PrinterSetup.h"
#include "reports/CancelForm.h"
#include "reports/FontTests.h"
#include "reports/ReportDesk.h"

namespace reports {

bool ReportFontAccepted(ReportDesk& desk)
{
    const std::string& font = desk.Settings.FontName;
    if (TrySetPrinterFont(desk.services().printer(), font))
        return true;
    desk.book().messages.ShowErrorBox("'" + font +
                                      "' is not a suitable font for your printer. Please choose another font and try again "
                                      "(the font selection facility is available as the last item on the Reports menu).");
    return false;
}

bool RequestPrintJob(ReportDesk& desk, const std::string& reportName, const std::string& tag)
{
    if (!ReportFontAccepted(desk) || !core::SetUpPrinter(desk.book().messages))
        return false;
    desk.PrintJobWindow().ShowJob(reportName, tag);
    return true;
}

} // namespace reports
