#pragma once

class QDialog;
class QWidget;

namespace qtgui {

// When a window closes, the keyboard goes back to the window that opened it. A window manager
// does that itself; without one the X server gives the focus to the root window, where no key
// reaches the program until a click. Nothing changes when another window of the program is active
// already, or when the opener is gone or hidden.
void returnActivation(QWidget* opener, const QWidget& closed);

// Runs a dialog made over `opener` modally, then returns the activation to the opener; answers the
// dialog's result.
int execOver(QDialog& dialog, QWidget* opener);

} // namespace qtgui
