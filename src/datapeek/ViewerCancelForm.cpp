#include "datapeek/ViewerCancelForm.h"

#include "platform/ScreenPlacement.h"

namespace datapeek {

ViewerCancelForm::ViewerCancelForm(platform::Services& services, bool& printingInProgress)
    : Form(services, "CANCELFORM"), printingInProgress_(printingInProgress)
{
    setCaption("Quillbook");
    Move(0, 0, 2700, 1800);
    platform::CentreOnScreen(*this);
    LblPrinting.setCaption("Printing");
    LblPrinting.setAlignment(platform::Center);
    LblPrinting.Move(120, 180, 2340, 255);
    CmdCancel.setCaption("&Cancel");
    CmdCancel.setCancel(true);
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
