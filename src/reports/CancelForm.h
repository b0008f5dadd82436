#pragma once

#include <functional>
#include <map>
#include <string>

#include "reports/JobWindow.h"

namespace reports {

class ReportDesk;

// The report desk's print-job window (JobWindow): every printed job runs inside it. A caller names
// the job by its tag (ShowJob); the window's first paint runs the job registered for that tag, and
// the job ends by hiding the window, which returns control to the caller. Its Cancel stops a running
// printed list after its current row; the user's Cancel also asks a run of several documents to
// stop.
//
// Whatever a job does to the split tail of the transaction in the edit box is undone when the job
// ends, and a job that fails is ended here: the document abandoned, the window hidden, the error
// reported as "Print error : " and its description.
class CancelForm : public JobWindow {
public:
    using Job = std::function<void()>;

    explicit CancelForm(ReportDesk& desk);

    // The job of a tag, compared exactly (letter case included). The reports register their own
    // jobs; other layers register theirs.
    void RegisterJob(const std::string& tag, Job job);
    // Names the job for the user and by its tag, and shows the window modally until the job ends.
    // A tag that has no job runs nothing and hides the window at once.
    void ShowJob(const std::string& reportName, const std::string& tag);

private:
    // The close box acts as Cancel and keeps the window loaded.
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void UserCancel();
    // A tag that has no job hides the window at once.
    void RunJob(const std::string& tag) override;
    void EndFailedJob(const std::string& description);

    ReportDesk& desk_;
    std::map<std::string, Job> jobs_;
};

} // namespace reports
