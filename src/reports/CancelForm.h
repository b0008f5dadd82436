#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/Controls.h"

namespace reports {

class ReportDesk;

// The print-job window "CANCELFORM": every printed job runs inside it while it shows modally, so
// that its Cancel button stays live. A caller names the job by its tag (ShowJob); the window's
// first paint runs the job registered for that tag, and the job ends by hiding the window, which
// returns control to the caller. The window stays loaded between jobs.
//
// Whatever a job does to the split tail of the transaction in the edit box is undone when the job
// ends, and a job that fails is ended here: the document abandoned, the window hidden, the error
// reported as "Print error : " and its description.
class CancelForm : public platform::Form {
public:
    using Job = std::function<void()>;

    explicit CancelForm(ReportDesk& desk);

    // The job of a tag, compared exactly (letter case included). The reports register their own
    // jobs; other layers register theirs.
    void RegisterJob(const std::string& tag, Job job);
    // Names the job for the user and by its tag, and shows the window modally until the job ends.
    // A tag that has no job runs nothing and hides the window at once.
    void ShowJob(const std::string& reportName, const std::string& tag);

    // The Cancel operation: a running printed list stops after its current row, and the next
    // showing runs its job again. The user's Cancel also asks a run of several documents to stop.
    void CmdCancel_Click();

    // Whether the next paint starts the job named by LbLRepType.
    bool JobPending() const { return jobPending_; }

    platform::Label LblPrinting{*this, "LblPrinting"};
    platform::Label LbLReportName{*this, "LbLReportName"};
    platform::Label LbLRepType{*this, "LbLRepType"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

private:
    void Form_Load() override;
    void Form_Paint() override;
    // The close box acts as Cancel and keeps the window loaded.
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void UserCancel();
    void RunJob(const Job& job);
    void EndFailedJob(const std::string& description);

    ReportDesk& desk_;
    std::map<std::string, Job> jobs_;
    bool jobPending_ = true;
    // A job is running: a paint meanwhile (after Cancel, say) starts nothing.
    bool running_ = false;
};

} // namespace reports
