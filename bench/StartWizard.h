#pragma once

#include "mainwindow/dialogs/Start.h"
#include "platform/ScriptedServices.h"

namespace bench {

// With no company to reopen, the main window shows the start-up wizard as it loads; the user
// closes it.
inline void CloseStartWizardWhenShown(platform::ScriptedServices& services)
{
    services.onModal<mainwindow::Start>("Start", [](mainwindow::Start& wizard) { wizard.btnCancel.userClick(); });
}

} // namespace bench
