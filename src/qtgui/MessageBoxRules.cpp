#include "qtgui/MessageBoxRules.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QSpacerItem>

#include "qtgui/QtText.h"

namespace qtgui {
namespace {

using Button = QMessageBox::StandardButton;
using platform::Answer;

QMessageBox::Icon qtIcon(platform::Icon icon)
{
    switch (icon) {
    case platform::Icon::Critical: return QMessageBox::Critical;
    case platform::Icon::Question: return QMessageBox::Question;
    case platform::Icon::Exclamation: return QMessageBox::Warning;
    case platform::Icon::Information: return QMessageBox::Information;
    case platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Escape answers Cancel where there is one and OK in a box with OK alone; other sets have no
// escape answer of their own, so Qt's choice stands.
QMessageBox::StandardButton escapeButtonOf(const std::vector<MessageBoxButton>& buttons)
{
    for (const MessageBoxButton& b : buttons)
        if (b.answer == Answer::Cancel)
            return b.button;
    return buttons.size() == 1 ? buttons.front().button : QMessageBox::NoButton;
}

// The window manager cuts a title its frame cannot hold ("Backup Quil...ook 2000-32"), and a box
// sizes itself to its text alone: a row as wide as the title in a bold face, with room beside it
// for the title bar's icon and buttons, keeps the title whole.
void keepTitleWhole(QMessageBox& box, const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int titleBarRoom = 6 * metrics.height();
    grid->addItem(new QSpacerItem(metrics.horizontalAdvance(title) + titleBarRoom, 0, QSizePolicy::Fixed,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

std::vector<MessageBoxButton> buttonsOf(platform::Buttons buttons)
{
    switch (buttons) {
    case platform::Buttons::OK: return {{Button::Ok, Answer::OK}};
    case platform::Buttons::OKCancel: return {{Button::Ok, Answer::OK}, {Button::Cancel, Answer::Cancel}};
    case platform::Buttons::AbortRetryIgnore:
        return {{Button::Abort, Answer::Abort}, {Button::Retry, Answer::Retry}, {Button::Ignore, Answer::Ignore}};
    case platform::Buttons::YesNoCancel:
        return {{Button::Yes, Answer::Yes}, {Button::No, Answer::No}, {Button::Cancel, Answer::Cancel}};
    case platform::Buttons::YesNo: return {{Button::Yes, Answer::Yes}, {Button::No, Answer::No}};
    case platform::Buttons::RetryCancel: return {{Button::Retry, Answer::Retry}, {Button::Cancel, Answer::Cancel}};
    }
    return {{Button::Ok, Answer::OK}};
}

void configureMessageBox(QMessageBox& box, const platform::MessageBox& settings)
{
    const QString title = toQString(settings.title);
    box.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(toDisplayText(settings.text));
    box.setIcon(qtIcon(settings.icon));

    const std::vector<MessageBoxButton> buttons = buttonsOf(settings.buttons);
    QMessageBox::StandardButtons set;
    for (const MessageBoxButton& b : buttons)
        set |= b.button;
    box.setStandardButtons(set);
    const std::size_t chosenDefault = static_cast<std::size_t>(settings.defaultButton - 1);
    box.setDefaultButton(buttons[chosenDefault < buttons.size() ? chosenDefault : 0].button);
    if (const QMessageBox::StandardButton escape = escapeButtonOf(buttons); escape != QMessageBox::NoButton)
        box.setEscapeButton(escape);
    // Last: setting the icon lays the box out anew.
    keepTitleWhole(box, box.windowTitle());
}

void addHelpButton(QMessageBox& box, std::function<void()> openHelp)
{
    QPushButton* help = box.addButton(QMessageBox::Help);
    // The box would close on any of its buttons; this one only opens the help.
    help->disconnect();
    QObject::connect(help, &QPushButton::clicked, &box, std::move(openHelp));
}

platform::Answer answerOf(const QMessageBox& box, platform::Buttons buttons)
{
    const std::vector<MessageBoxButton> set = buttonsOf(buttons);
    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::StandardButton pressed =
        box.standardButton(clicked != nullptr ? clicked : box.escapeButton());
    for (const MessageBoxButton& b : set)
        if (b.button == pressed)
            return b.answer;
    return set.back().answer;
}

} // namespace qtgui
