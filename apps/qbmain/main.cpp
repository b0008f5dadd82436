#include <filesystem>
#include <memory>

#include "mainwindow/main/Main.h"
#include "qtgui/ProgramMain.h"

int main(int argc, char** argv)
{
    return qtgui::runProgram(argc, argv, [](platform::Services& services) {
        return std::make_unique<mainwindow::Main>(services, std::filesystem::current_path());
    });
}
