#pragma once

#include <string>

#include "platform/Control.h"

namespace platform {

// A push button. Setting Default (or Cancel) makes it the form's only Default (Cancel) button:
// Enter (Escape) anywhere on the form clicks it (Form::userKeyDown); Enter on a focused button
// clicks that button.
class CommandButton : public Control {
public:
    using Control::Control;

    const std::string& Caption() const;
    void setCaption(const std::string& caption);
    bool Default() const;
    void setDefault(bool on);
    bool Cancel() const;
    void setCancel(bool on);
    // Setting Value to true clicks the button, as on the platform.
    void setValue(bool on);

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    friend class Form;
    void dropDefault();
    void dropCancel();

    struct State {
        std::string caption;
        bool isDefault = false;
        bool isCancel = false;
    };
    State state_;
    State design_;
};

// A check box: Value 0 unchecked, 1 checked, 2 greyed. Setting Value to a new value fires Click,
// from code as from the user; a user's click turns 0 to 1 and 1 or 2 to 0.
class CheckBox : public Control {
public:
    using Control::Control;

    const std::string& Caption() const;
    void setCaption(const std::string& caption);
    int Value() const;
    void setValue(int value);
    void userClick() override;

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    struct State {
        std::string caption;
        int value = 0;
    };
    State state_;
    State design_;
};

// An option button. Setting Value to true (by code or the user's click) clears the other option
// buttons in the same container without firing theirs, and fires Click on this one; setting it
// when already set fires nothing. Setting false only clears it.
class OptionButton : public Control {
public:
    using Control::Control;

    const std::string& Caption() const;
    void setCaption(const std::string& caption);
    bool Value() const;
    void setValue(bool on);
    void userClick() override;

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    struct State {
        std::string caption;
        bool value = false;
    };
    State state_;
    State design_;
};

} // namespace platform
