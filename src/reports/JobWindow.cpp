#include "reports/JobWindow.h"

#include "reports/PrintingWindow.h"

namespace reports {

namespace {

// Marks a job as running for its lifetime, however it ends.
class Running {
public:
    explicit Running(bool& running) : running_(running) { running_ = true; }
    ~Running() { running_ = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& running_;
};

} // namespace

JobWindow::JobWindow(platform::Services& services, bool& printing) : Form(services, "CANCELFORM"), printing_(printing)
{
    DesignPrintingWindow(*this, 4320, 2025, LblPrinting, CmdCancel);
    LbLReportName.setAlignment(platform::Center);
    LbLReportName.Move(120, 480, 3960, 255);
    LbLReportName.setUseMnemonic(false); // a document's name shows its "&" as it is
    // The tag names the job for the program, not for the user.
    LbLRepType.setVisible(false);
    LbLRepType.Move(120, 780, 3960, 255);
    CmdCancel.Move(1552, 1020, 1215, 375);
}

void JobWindow::CmdCancel_Click()
{
    printing_ = false;
    if (!running_)
        jobPending_ = true;
}

void JobWindow::Form_Load()
{
    jobPending_ = true;
}

void JobWindow::Form_Paint()
{
    if (!jobPending_ || running_)
        return;
    jobPending_ = false;
    {
        const Running running(running_);
        RunJob(LbLRepType.Caption());
    }
    CmdCancel_Click();
}

} // namespace reports
