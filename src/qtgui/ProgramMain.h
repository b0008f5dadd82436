#pragma once

#include <functional>
#include <memory>

#include "platform/Form.h"

namespace qtgui {

using StartUpWindow = std::function<std::unique_ptr<platform::Form>(platform::Services&)>;

// The main() of every program: makes the application, the desktop services and the windows of
// the forms, substitutes the fonts the system names, shows the start-up window and runs until the
// last window closes or the program ends itself (Services::endProgram). Answers the program's exit code.
int runProgram(int argc, char** argv, const StartUpWindow& startUpWindow);

} // namespace qtgui
