#include "mainwindow/dialogs/About.h"

namespace mainwindow {

About::About(platform::Services& services) : Form(services, "About")
{
    setCaption("About");
    Move(2400, 2400, 4200, 2280);
    LblTitle.Move(240, 240, 3600, 360);
    LblTitle.setAlignment(platform::Center);
    LblTitle.setFontBold(true);
    LblVersion.Move(240, 720, 3600, 285);
    LblVersion.setAlignment(platform::Center);
    LblVersion.setCaption(ProgramVersion);
    CmdOK.Move(1500, 1320, 1095, 375);
    CmdOK.setCaption("OK");
    CmdOK.setDefault(true);
    CmdOK.setCancel(true);
    CmdOK.Click = [this] { Hide(); };
    endDesign();
}

} // namespace mainwindow
