#include "reports/PrintingWindow.h"

#include "platform/Controls.h"
#include "platform/ScreenPlacement.h"

namespace reports {

void DesignPrintingWindow(platform::Form& window, int width, int height, platform::Label& printing,
                          platform::CommandButton& cancel)
{
    // Measured from the window's outer edges: the right one includes the frame.
    constexpr int LeftMargin = 120;
    constexpr int RightMargin = 240;
    window.setCaption("Quillbook");
    window.Move(0, 0, width, height);
    platform::CentreOnScreen(window);
    printing.setCaption("Printing");
    printing.setAlignment(platform::Center);
    printing.Move(LeftMargin, 180, width - LeftMargin - RightMargin, 255);
    cancel.setCaption("&Cancel");
    cancel.setCancel(true);
}

} // namespace reports
