#pragma once

#include <memory>

#include "qtgui/ControlPeer.h"

namespace qtgui {

// The peer that shows a control of this kind, with its widget made in its container's area (which
// must have its peer already). It is attached to the control but shows nothing yet (showAll).
std::unique_ptr<ControlPeer> makeControlPeer(platform::Control& control, FormPeer& form);

} // namespace qtgui
