#include <memory>

#include "billpane/InvTemplate.h"
#include "qtgui/ProgramMain.h"

int main(int argc, char** argv)
{
    return qtgui::runProgram(argc, argv, [](platform::Services& services) { return std::make_unique<billpane::InvTemplate>(services); });
}
