#pragma once

#include "platform/TextBox.h"
#include "qtgui/ControlPeer.h"

class QLineEdit;
class QPlainTextEdit;

namespace qtgui {

// A single-line text box. Typed characters go through the form's key events to the model, which
// inserts them (Form::userKeyPress); edits that are no typing (paste, cut, Delete, undo) come back
// from the widget as the user's new text. The caret and selection follow the widget.
// MultiLine is fixed when the window is made, as on the platform, where it cannot change at run time.
class TextBoxPeer : public WidgetPeer {
public:
    TextBoxPeer(platform::TextBox& box, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;
    bool modelEditsTyping() const override { return true; }
    bool clickedByMouse() const override { return true; }
    bool showsSelection() const override { return true; }

private:
    void caretFromWidget();

    platform::TextBox& box_;
    QLineEdit* edit_;
    bool followingCaret_ = false;
};

// A multi-line text box: the same, on a plain text editor that wraps its lines.
class MultiLineTextBoxPeer : public WidgetPeer {
public:
    MultiLineTextBoxPeer(platform::TextBox& box, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;
    bool modelEditsTyping() const override { return true; }
    bool clickedByMouse() const override { return true; }

private:
    void caretFromWidget();
    void showCaret();

    platform::TextBox& box_;
    QPlainTextEdit* edit_;
    bool followingCaret_ = false;
};

} // namespace qtgui
