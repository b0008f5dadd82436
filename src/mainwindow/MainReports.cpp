#include "mainwindow/Main.h"
#include "reports/EecListReport.h"
#include "reports/ReportTitle.h"

namespace mainwindow {

void Main::wireReports()
{
    ItemRepEECSales.Click = [this] { ReportChooser().SetUpReportForm(reports::EecSalesKind); };
    ItemEECPurchase.Click = [this] { ReportChooser().SetUpReportForm(reports::EecAcquisitionKind); };
}

reports::ReportForm& Main::ReportChooser()
{
    if (!reportForm_) {
        reports::ReportFormParts parts;
        parts.Calendar = &calendar;
        parts.EditMailMergeLetter = [this] { templateDesigner.EditStoredTemplate(core::MailMergeLetter); };
        parts.Writers.WriteEecListReport = [this](reports::ReportForm&, int kind, const std::string& from,
                                                  const std::string& to) {
            reports::WriteEecListReport(reportDesk, kind, from, to);
        };
        reportForm_ = std::make_unique<reports::ReportForm>(reportDesk, std::move(parts));
    }
    return *reportForm_;
}

} // namespace mainwindow
