#include <memory>

#include "datapeek/ViewerWindow.h"
#include "qtgui/ProgramMain.h"

int main(int argc, char** argv)
{
    return qtgui::runProgram(argc, argv, [](platform::Services& services) { return std::make_unique<datapeek::ViewerWindow>(services); });
}
