#pragma once

#include "platform/Controls.h"

namespace datapeek {

// The viewer's print-job window "CANCELFORM": shown modeless while a report prints; its Cancel
// stops the job after the current row.
class ViewerCancelForm : public platform::Form {
public:
    ViewerCancelForm(platform::Services& services, bool& printingInProgress);

    void CmdCancel_Click();

    platform::Label LblPrinting{*this, "LblPrinting"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

private:
    bool& printingInProgress_;
};

} // namespace datapeek
