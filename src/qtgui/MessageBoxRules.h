#pragma once

#include <QMessageBox>
#include <functional>
#include <vector>

#include "platform/Services.h"

// How the platform's message box becomes a QMessageBox and how the clicked button becomes its answer.
namespace qtgui {

struct MessageBoxButton {
    QMessageBox::StandardButton button;
    platform::Answer answer;
};

// The buttons of a button set, in the order the platform shows them.
std::vector<MessageBoxButton> buttonsOf(platform::Buttons buttons);

// Title, text (line breaks as the system writes them: CR, LF or CR LF), icon, buttons, default
// and escape buttons. A box without a title of its own shows the application's name.
void configureMessageBox(QMessageBox& box, const platform::MessageBox& settings);

// Adds the Help button of a box that names a help file: a click runs `openHelp` and leaves the box
// open, since the platform's Help button is never an answer.
void addHelpButton(QMessageBox& box, std::function<void()> openHelp);

// The answer of a finished box; a box closed without a button answers as its escape button.
platform::Answer answerOf(const QMessageBox& box, platform::Buttons buttons);

} // namespace qtgui
