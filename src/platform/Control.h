#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/Drawing.h"
#include "platform/Events.h"
#include "platform/SystemColours.h"

namespace platform {

class Form;
class Control;
class Frame;
class PictureBox;
class Menu;

// Where a control sits: directly on a form, inside a frame or picture box of that form, or (for a
// menu item) under another menu item.
class Parent {
public:
    Parent(Form& form) : form_(&form) {}
    Parent(Frame& frame);
    Parent(PictureBox& picture);
    Parent(Menu& menu);

    Form& form() const { return *form_; }
    Control* container() const { return container_; }

private:
    Form* form_;
    Control* container_ = nullptr;
};

// The base of every control: the common properties (geometry in twips, relative to the container),
// the common events, and the link to its form. A control is declared as a member of its window:
//     platform::TextBox TextDate{FrameEditBox, "TextDate"};
// and registers itself with the form, which the Qt layer walks.
//
// Touching a property of a control whose form is not loaded loads the form first (its Form_Load
// runs), once the window has finished its design (Form::endDesign).
class Control {
public:
    Control(Parent parent, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    // The element's index in a control array; -1 for a control that is not in one.
    int Index() const { return index_; }
    Form& form() const { return *form_; }
    // The frame or picture box holding the control; null when it sits on the form.
    Control* Container() const { return container_; }

    double Left() const;
    void setLeft(double left);
    double Top() const;
    void setTop(double top);
    double Width() const;
    void setWidth(double width);
    double Height() const;
    void setHeight(double height);
    // Moves and sizes in one step; a negative width or height keeps the present one.
    void Move(double left, double top, double width = -1, double height = -1);

    bool Visible() const;
    // Hiding or disabling the control that has the focus, or a container holding it, moves the
    // focus on (Form::setFocus has the rules).
    void setVisible(bool visible);
    bool Enabled() const;
    void setEnabled(bool enabled);
    int TabIndex() const;
    void setTabIndex(int tabIndex);
    // Whether Tab stops at the control.
    bool TabStop() const;
    void setTabStop(bool on);
    const std::string& Tag() const;
    void setTag(const std::string& tag);
    const std::string& ToolTipText() const;
    void setToolTipText(const std::string& text);
    // Colours in the platform's 0x00BBGGRR form; values with the top bit set are system colours.
    long BackColor() const;
    void setBackColor(long colour);
    long ForeColor() const;
    void setForeColor(long colour);
    int MousePointer() const;
    void setMousePointer(int pointer);

    const std::string& FontName() const;
    void setFontName(const std::string& name);
    double FontSize() const;
    void setFontSize(double size);
    bool FontBold() const;
    void setFontBold(bool on);
    bool FontItalic() const;
    void setFontItalic(bool on);
    bool FontUnderline() const;
    void setFontUnderline(bool on);
    const Font& font() const;
    void setFont(const Font& font);

    // Visible itself and inside visible containers (the form's own visibility not counted).
    bool isShown() const;
    // Enabled itself and inside enabled containers.
    bool isEnabled() const;
    // Gives this control the focus (Form::setFocus).
    void setFocus();
    // Whether the control can hold the focus at all (labels, frames, shapes and lines cannot).
    virtual bool canTakeFocus() const { return true; }

    // Repaints the control now (a picture box fires Paint); the peer is told "Refresh".
    void Refresh();
    // Puts the control in front of (0) or behind (1) the others in its container; the peer is told
    // "ZOrder". Any other position is error 5.
    void ZOrder(int position = 0);
    // Where the control lies in its container's stacking: a higher level lies in front, equal levels
    // lie in declaration order (later in front). 0 until ZOrder moves it.
    int stackLevel() const;

    // Manual dragging: 1 begins a drag of this control, 0 cancels it and 2 ends it (from code there is
    // no pointer, so nothing is dropped). The peer is told "Drag".
    void Drag(int action = 1);
    bool isDragging() const { return dragging_; }

    // The Qt layer's mirror; null when headless.
    Peer* peer() const { return peer_; }
    void setPeer(Peer* peer) { peer_ = peer; }

    // The user clicked the control: what a click means depends on the control (a check box turns,
    // an option button is set). The base fires Click. User actions on a hidden or disabled control
    // do nothing.
    virtual void userClick();
    void userDblClick();
    void userMouseDown(int button, int shift, double x, double y);
    void userMouseMove(int button, int shift, double x, double y);
    void userMouseUp(int button, int shift, double x, double y);
    // The user let go of the dragged `source` over this control, at (x, y) within it: the drag ends,
    // then this control's DragDrop fires (nothing when `source` was not being dragged, or this
    // control is hidden or disabled).
    void userDrop(Control& source, double x, double y);

    Event Click;
    Event DblClick;
    Event GotFocus;
    Event LostFocus;
    KeyEvent KeyDown;
    KeyEvent KeyUp;
    KeyPressEvent KeyPress;
    MouseEvent MouseDown;
    MouseEvent MouseMove;
    MouseEvent MouseUp;
    DragEvent DragDrop;

protected:
    friend class Form;

    // Loads the form first when a property is touched from outside before it was loaded.
    void touch() const;
    // Tells the peer that a property changed.
    void changed(std::string_view property) const;
    // Sets a property: loads the form, stores the value and tells the peer; answers whether it changed.
    template <class T, class V> bool assign(T& field, V&& value, std::string_view property)
    {
        touch();
        if (field == value)
            return false;
        field = std::forward<V>(value);
        changed(property);
        return true;
    }

    // The font changed (any of its parts): a label that sizes itself measures its caption again.
    virtual void fontChanged() {}
    // The control must be drawn afresh (a picture box fires Paint).
    virtual void paintAgain() {}
    // Turns twips from the control's inside top left corner into the control's own co-ordinates
    // (a picture box's scale), as its mouse events and drops report them.
    virtual void toScale(double& /*x*/, double& /*y*/) const {}
    // Keeps the design-time values when the form first loads and takes them back when it unloads.
    // A control with state of its own extends both and calls the base.
    virtual void keepDesign();
    virtual void restoreDesign();

    // User actions reach only a control that is shown and enabled on a loaded form, as on the screen.
    bool userCanAct() const;
    // Whether Enter is the control's own key rather than the Default button's.
    virtual bool wantsEnter() const { return false; }
    // The control has just taken the focus, before its GotFocus runs (which has the last word): a
    // combo box's edit part selects its text.
    virtual void focusArrived() {}
    // A typed character that got through the KeyPress events; a text box inserts it.
    virtual void typeCharacter(int /*keyAscii*/) {}

private:
    void fireMouse(const MouseEvent& event, int button, int shift, double x, double y) const;

    struct Common {
        double left = 0, top = 0, width = 0, height = 0;
        bool visible = true;
        bool enabled = true;
        int tabIndex = 0;
        bool tabStop = true;
        std::string tag;
        std::string toolTip;
        long backColor = ButtonFaceColour;
        long foreColor = ButtonTextColour;
        int mousePointer = 0;
        Font font;
    };

    Form* form_;
    Control* container_;
    std::string name_;
    int index_;
    Peer* peer_ = nullptr;
    Common common_;
    Common design_;
    int stackLevel_ = 0;
    bool dragging_ = false;
};

} // namespace platform
