#include "qtgui/ProgramMain.h"

#include <QApplication>

#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "qtgui/WidgetFonts.h"

namespace qtgui {

int runProgram(int argc, char** argv, const StartUpWindow& startUpWindow)
{
    QApplication application(argc, argv);
    // Closing a window asks its form, which may refuse; the program ends with its last window.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    QtServices services;
    FormPeers windows(services);
    QObject::connect(&windows, &FormPeers::lastWindowClosed, &application, &QCoreApplication::quit);
    const std::unique_ptr<platform::Form> window = startUpWindow(services);
    window->Show();
    if (!window->isLoaded())
        return 0;
    return QApplication::exec();
}

} // namespace qtgui
