#include "qtgui/WindowActivation.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace qtgui {

void returnActivation(QWidget* opener, const QWidget& closed)
{
    if (opener == nullptr || opener == &closed || !opener->isVisible())
        return;
    const QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != &closed && active->isVisible())
        return;
    opener->activateWindow();
}

int execOver(QDialog& dialog, QWidget* opener)
{
    const int result = dialog.exec();
    returnActivation(opener, dialog);
    return result;
}

} // namespace qtgui
