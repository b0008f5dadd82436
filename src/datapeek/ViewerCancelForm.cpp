#include "datapeek/ViewerCancelForm.h"

#include "reports/PrintingWindow.h"

namespace datapeek {

ViewerCancelForm::ViewerCancelForm(platform::Services& services, bool& printingInProgress)
    : Form(services, "CANCELFORM"), printingInProgress_(printingInProgress)
{
    reports::DesignPrintingWindow(*this, 2700, 1800, LblPrinting, CmdCancel);
    CmdCancel.Move(690, 720, 1215, 375);
    CmdCancel.Click = [this] { CmdCancel_Click(); };
    endDesign();
}

void ViewerCancelForm::CmdCancel_Click()
{
    printingInProgress_ = false;
    Hide();
}

} // namespace datapeek
