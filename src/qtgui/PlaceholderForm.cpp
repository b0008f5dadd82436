#include "qtgui/PlaceholderForm.h"

namespace qtgui {

PlaceholderForm::PlaceholderForm(platform::Services& services, const std::string& windowName)
    : Form(services, "PlaceholderForm")
{
    setCaption("Quillbook 2000-32");
    Move(0, 0, 5400, 2400);
    LabelMessage.Move(240, 240, 4800, 480);
    LabelMessage.setCaption("The " + windowName + " window is still to come.");
    LabelMessage.setTabIndex(0);
    CmdClose.Move(3960, 1320, 1095, 375);
    CmdClose.setCaption("Close");
    CmdClose.setDefault(true);
    CmdClose.setCancel(true);
    CmdClose.setTabIndex(1);
    CmdClose.Click = [this] { CmdClose_Click(); };
    endDesign();
}

void PlaceholderForm::CmdClose_Click()
{
    Unload();
}

} // namespace qtgui
