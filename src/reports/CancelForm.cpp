#include "reports/CancelForm.h"

#include <exception>
#include <utility>

#include "core/Book.h"
#include "platform/Printer.h"
#include "reports/CodeListPrint.h"
#include "reports/CurrentListPrint.h"
#include "reports/ReconciliationPrint.h"
#include "reports/ReportDesk.h"
#include "reports/StandingOrderListPrint.h"

namespace reports {

namespace {

// Puts the split tail back at the end of a job, however it ends.
class SplitTailKept {
public:
    explicit SplitTailKept(std::string& splitTail) : splitTail_(splitTail), saved_(splitTail) {}
    ~SplitTailKept() { splitTail_ = saved_; }
    SplitTailKept(const SplitTailKept&) = delete;
    SplitTailKept& operator=(const SplitTailKept&) = delete;

private:
    std::string& splitTail_;
    const std::string saved_;
};

} // namespace

CancelForm::CancelForm(ReportDesk& desk) : JobWindow(desk.services(), desk.PrintingInProgress), desk_(desk)
{
    LbLRepType.setCaption("RepType");
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

void CancelForm::RunJob(const std::string& tag)
{
    const auto job = jobs_.find(tag);
    if (job == jobs_.end()) {
        Hide();
        return;
    }
    std::string failure;
    try {
        // The jobs unpack records, and each unpacking replaces the split tail of the transaction
        // in the edit box; it gets its own back however the job ends.
        const SplitTailKept kept(desk_.book().SplitTail);
        job->second();
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
