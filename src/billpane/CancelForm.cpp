#include "billpane/CancelForm.h"

#include <utility>

#include "documents/DocumentJobs.h"
#include "platform/ScreenPlacement.h"

namespace billpane {

CancelForm::CancelForm(platform::Services& services, bool& printing, bool& showErrors, std::function<void()> printDocument)
    : Form(services, "CANCELFORM"), printing_(printing), showErrors_(showErrors), printDocument_(std::move(printDocument))
{
    setCaption("Quillbook");
    Move(0, 0, 4320, 2025);
    platform::CentreOnScreen(*this);
    LblPrinting.setCaption("Printing");
    LblPrinting.setAlignment(platform::Center);
    LblPrinting.Move(120, 180, 3960, 255);
    LbLReportName.setAlignment(platform::Center);
    LbLReportName.setUseMnemonic(false);
    LbLReportName.Move(120, 480, 3960, 255);
    // The tag names the job for the program, not for the user.
    LbLRepType.setVisible(false);
    LbLRepType.Move(120, 780, 3960, 255);
    CmdCancel.setCaption("&Cancel");
    CmdCancel.setCancel(true);
    CmdCancel.Move(1552, 1020, 1215, 375);
    CmdCancel.Click = [this] { CmdCancel_Click(); };
    endDesign();
}

void CancelForm::Form_Load()
{
    firstPaint_ = true;
    showErrors_ = true;
}

void CancelForm::CmdCancel_Click()
{
    printing_ = false;
    if (!running_)
        firstPaint_ = true;
}

void CancelForm::Form_Paint()
{
    if (!firstPaint_ || running_)
        return;
    firstPaint_ = false;
    if (LbLRepType.Caption() == documents::InvoiceTemplateTag) {
        running_ = true;
        printDocument_();
        running_ = false;
    }
    CmdCancel_Click();
}

} // namespace billpane
