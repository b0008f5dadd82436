#pragma once

#include <functional>

#include "platform/Controls.h"

namespace billpane {

// The document viewer's print-job window "CANCELFORM", shown modally: its first paint prints the
// document named by LbLRepType, and its Cancel stops the print after the current object. Its first
// load lets the viewer's error box speak. It stays loaded, hidden, between prints.
class CancelForm : public platform::Form {
public:
    // `printing` is the viewer's printing flag, `showErrors` its error box's switch, `printDocument`
    // the print the window runs.
    CancelForm(platform::Services& services, bool& printing, bool& showErrors, std::function<void()> printDocument);

    void CmdCancel_Click();
    // Whether the next paint starts a print.
    bool FirstPaint() const { return firstPaint_; }

    platform::Label LblPrinting{*this, "LblPrinting"};
    platform::Label LbLReportName{*this, "LbLReportName"};
    platform::Label LbLRepType{*this, "LbLRepType"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

private:
    void Form_Load() override;
    void Form_Paint() override;

    bool& printing_;
    bool& showErrors_;
    std::function<void()> printDocument_;
    bool firstPaint_ = true;
    // A print runs: Cancel only stops it, and the window arms for the next print once it has ended.
    bool running_ = false;
};

} // namespace billpane
