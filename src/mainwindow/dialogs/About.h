#pragma once

#include "platform/Buttons.h"
#include "platform/Decorations.h"
#include "platform/Form.h"

namespace mainwindow {

inline constexpr const char* ProgramVersion = "Version 1.0";

// The About box: the product's title line, its version and OK.
class About : public platform::Form {
public:
    explicit About(platform::Services& services);

    platform::Label LblTitle{*this, "LblTitle"};
    platform::Label LblVersion{*this, "LblVersion"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
};

} // namespace mainwindow
