#include "mainwindow/main/Main.h"
#include "reports/EecListReport.h"
#include "reports/ReportTitle.h"
#include "reports/VatReport.h"

namespace mainwindow {

void Main::wireReports()
{
    ItemRepEECSales.Click = [this] { ReportChooser().SetUpReportForm(reports::EecSalesKind); };
    ItemEECPurchase.Click = [this] { ReportChooser().SetUpReportForm(reports::EecAcquisitionKind); };
    ItemMailMerge.Click = [this] { ReportChooser().SetUpReportForm(reports::MailMergeKind); };
}

reports::ReportForm& Main::ReportChooser()
{
    if (!reportForm_) {
        reports::ReportFormParts parts;
        parts.Calendar = &calendar;
        parts.EditMailMergeLetter = [this] { templateDesigner.EditStoredTemplate(core::MailMergeLetter); };
        parts.Writers.WriteVatReport = [this](reports::ReportForm& form, core::FilterSetup& request, int mode) {
            reports::WriteVatReport(reportDesk, form, request, mode);
        };
        parts.Writers.WriteEecListReport = [this](reports::ReportForm&, int kind, const std::string& from,
                                                  const std::string& to) {
            reports::WriteEecListReport(reportDesk, kind, from, to);
        };
        addBalanceReportWriters(parts.Writers);
        reportForm_ = std::make_unique<reports::ReportForm>(reportDesk, std::move(parts));
    }
    return *reportForm_;
}

} // namespace mainwindow
