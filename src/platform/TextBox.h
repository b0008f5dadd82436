#pragma once

#include <string>

#include "platform/Control.h"

namespace platform {

// A text box. Change fires whenever Text takes a new value, set by code or typed by the user;
// setting the same text fires nothing. Setting Text puts the caret at the start. MaxLength (0: no
// limit) and Locked limit only the user's typing, as on the platform.
class TextBox : public Control {
public:
    using Control::Control;

    const std::string& Text() const;
    void setText(const std::string& text);
    int SelStart() const;
    // Moves the caret (clamped to the text) and empties the selection.
    void setSelStart(int start);
    int SelLength() const;
    // Selects from SelStart on (clamped to the text).
    void setSelLength(int length);
    std::string SelText() const;
    // Replaces the selection, leaving the caret after the new text.
    void setSelText(const std::string& text);
    int MaxLength() const;
    void setMaxLength(int length);
    bool Locked() const;
    void setLocked(bool on);
    bool MultiLine() const;
    void setMultiLine(bool on);
    int Alignment() const;
    void setAlignment(int alignment);

    // The user's edit left this text (the Qt layer reports an edit so); fires Change when it changed.
    // A locked box ignores it.
    void userSetText(const std::string& text);

    Event Change;

protected:
    bool wantsEnter() const override;
    // A typed character: inserted at the caret over the selection (Enter makes a new line in a
    // multi-line box, Backspace deletes); refused beyond MaxLength or in a locked box.
    void typeCharacter(int keyAscii) override;
    void keepDesign() override;
    void restoreDesign() override;

private:
    void storeText(std::string text, int caret);

    struct State {
        std::string text;
        int selStart = 0;
        int selLength = 0;
        int maxLength = 0;
        bool locked = false;
        bool multiLine = false;
        int alignment = 0;
    };
    State state_;
    State design_;
};

} // namespace platform
