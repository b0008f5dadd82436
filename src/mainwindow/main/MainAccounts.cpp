#include "mainwindow/main/Main.h"
#include "reports/Finaccs.h"
#include "reports/ReportTitle.h"
#include "reports/SystemAuditReport.h"

namespace mainwindow {

void Main::wireAccounts()
{
    RepVATItem.Click = [this] { ReportChooser().SetUpReportForm(reports::VatReportKind); };
    ItemRepSysAudit.Click = [this] { reports::WriteSystemAuditReport(reportDesk); };
    ItemFinaccs.Click = [this] { ItemFinaccs_Click(); };
}

void Main::ItemFinaccs_Click()
{
    if (!finaccs_)
        finaccs_ = std::make_unique<reports::Finaccs>(reportDesk, &calendar);
    finaccs_->Show(true);
}

} // namespace mainwindow
