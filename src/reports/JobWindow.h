#pragma once

#include <string>

#include "platform/Controls.h"

namespace reports {

// A print-job window ("CANCELFORM") that runs its job inside itself: shown modally, its first paint
// runs the job LbLRepType names, so that its Cancel button stays live while the job prints, and the
// job ends by hiding the window. A paint while a job runs starts nothing. Cancel turns the printing
// flag off, which stops a running job; the window is armed for the next job once the running one
// has ended. It stays loaded, hidden, between jobs. The report desk's window and the document
// viewer's derive from it, each with its own jobs.
class JobWindow : public platform::Form {
public:
    // The Cancel operation: the printing flag off and, unless a job runs, the window armed for the
    // next paint.
    void CmdCancel_Click();
    // Whether the next paint starts a job.
    bool JobPending() const { return jobPending_; }

    platform::Label LblPrinting{*this, "LblPrinting"};
    platform::Label LbLReportName{*this, "LbLReportName"};
    platform::Label LbLRepType{*this, "LbLRepType"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

protected:
    // Lays the window out; the derived window wires its events and ends the design. `printing` is
    // the flag its jobs print under.
    JobWindow(platform::Services& services, bool& printing);

    void Form_Load() override;
    // Runs the job `tag` names.
    virtual void RunJob(const std::string& tag) = 0;

private:
    void Form_Paint() override;

    bool& printing_;
    bool jobPending_ = true;
    bool running_ = false;
};

} // namespace reports
