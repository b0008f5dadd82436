#include "reports/CancelForm.h"

#include <exception>
#include <utility>

#include "core/Book.h"
#include "platform/Printer.h"
#include "platform/ScreenPlacement.h"
#include "reports/CodeListPrint.h"
#include "reports/CurrentListPrint.h"
#include "reports/ReconciliationPrint.h"
#include "reports/ReportDesk.h"
#include "reports/StandingOrderListPrint.h"

namespace reports {

namespace {

// The life of one job: the window knows it runs, and the split tail is put back at its end.
class RunningJob {
public:
    RunningJob(bool& running, std::string& splitTail) : running_(running), splitTail_(splitTail), saved_(splitTail)
    {
        running_ = true;
    }
    ~RunningJob()
    {
        running_ = false;
        splitTail_ = saved_;
    }
    RunningJob(const RunningJob&) = delete;
    RunningJob& operator=(const RunningJob&) = delete;

private:
    bool& running_;
    std::string& splitTail_;
    const std::string saved_;
};

} // namespace

CancelForm::CancelForm(ReportDesk& desk) : Form(desk.services(), "CANCELFORM"), desk_(desk)
{
    setCaption("Quillbook");
    Move(0, 0, 4320, 2025);
    platform::CentreOnScreen(*this);
    LblPrinting.setCaption("Printing");
    LblPrinting.setAlignment(platform::Center);
    LblPrinting.Move(120, 180, 3960, 255);
    LbLReportName.setAlignment(platform::Center);
    LbLReportName.Move(120, 480, 3960, 255);
    LbLReportName.setUseMnemonic(false); // a report's name shows its "&" as it is
    // The tag names the job for the program, not for the user.
    LbLRepType.setCaption("RepType");
    LbLRepType.setVisible(false);
    LbLRepType.Move(120, 780, 3960, 255);
    CmdCancel.setCaption("&Cancel");
    CmdCancel.setCancel(true);
    CmdCancel.Move(1552, 1020, 1215, 375);

    CmdCancel.MouseDown = [this](int, int, double, double) { desk_.CancelRequested = true; };
    CmdCancel.Click = [this] { UserCancel(); };
    endDesign();

    RegisterJob(ScreenDumpTag, [&desk] { PrintCurrentRecordList(desk); });
    RegisterJob(ReconciliationTag, [&desk] { PrintReconciliationReport(desk); });
    RegisterJob(StandingOrdersTag, [&desk] { PrintStandingOrderList(desk); });
    RegisterJob(BankCodesTag, [&desk] { PrintBankCodeList(desk); });
    RegisterJob(CustomerCodesTag, [&desk] { PrintCustomerCodeList(desk); });
    RegisterJob(CategoryCodesTag, [&desk] { PrintCategoryCodeList(desk); });
    RegisterJob(VatCodesTag, [&desk] { PrintVatCodeList(desk); });
}

void CancelForm::RegisterJob(const std::string& tag, Job job)
{
    jobs_[tag] = std::move(job);
}

void CancelForm::ShowJob(const std::string& reportName, const std::string& tag)
{
    LbLReportName.setCaption(reportName);
    LbLRepType.setCaption(tag);
    Show(true);
}

void CancelForm::CmdCancel_Click()
{
    desk_.PrintingInProgress = false;
    jobPending_ = true;
}

void CancelForm::Form_Load()
{
    jobPending_ = true;
}

void CancelForm::Form_Paint()
{
    if (!jobPending_ || running_)
        return;
    jobPending_ = false;
    const auto job = jobs_.find(LbLRepType.Caption());
    if (job != jobs_.end()) {
        RunJob(job->second);
    } else {
        CmdCancel_Click();
        Hide();
    }
    CmdCancel_Click();
}

void CancelForm::Form_QueryUnload(int& cancel, int unloadMode)
{
    if (unloadMode != platform::UnloadByUser)
        return;
    cancel = 1;
    UserCancel();
}

void CancelForm::UserCancel()
{
    desk_.CancelRequested = true;
    CmdCancel_Click();
}

void CancelForm::RunJob(const Job& job)
{
    std::string failure;
    try {
        // The jobs unpack records, and each unpacking replaces the split tail of the transaction
        // in the edit box; it gets its own back however the job ends.
        const RunningJob running(running_, desk_.book().SplitTail);
        job();
        return;
    } catch (const std::exception& error) {
        failure = error.what();
    }
    EndFailedJob(failure);
}

void CancelForm::EndFailedJob(const std::string& description)
{
    desk_.PrintingInProgress = false;
    desk_.services().printer().KillDoc();
    Hide();
    desk_.ReportTimestamp.clear();
    desk_.book().messages.ShowErrorBox("Print error : " + description);
}

} // namespace reports
