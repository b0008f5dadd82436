#pragma once

#include <functional>
#include <string>

#include "reports/JobWindow.h"

namespace billpane {

// The document viewer's print-job window (reports::JobWindow): its first paint prints the document
// when LbLRepType names the template test print, and its Cancel stops the print after the current
// object. Its first load lets the viewer's error box speak.
class CancelForm : public reports::JobWindow {
public:
    // `printing` is the viewer's printing flag, `showErrors` its error box's switch, `printDocument`
    // the print the window runs.
    CancelForm(platform::Services& services, bool& printing, bool& showErrors, std::function<void()> printDocument);

private:
    void Form_Load() override;
    void RunJob(const std::string& tag) override;

    bool& showErrors_;
    std::function<void()> printDocument_;
};

} // namespace billpane
