#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Events.h"

namespace platform {

class Services;
class CommandButton;
class Menu;

// How a form is being unloaded, as QueryUnload is told.
enum UnloadMode : int { UnloadByUser = 0, UnloadByCode = 1 };
enum WindowState : int { Normal = 0, Minimized = 1, Maximized = 2 };

// A window. A window class derives Form, declares its controls as members and overrides the
// Form_ events it handles. Its constructor sets the design-time properties of its controls, wires
// their events, and ends with endDesign().
//
// Life cycle, as the platform has it:
// - The form loads on first use: Show, Hide, ensureLoaded, setFocus, setting one of its properties,
//   or touching any property of one of its controls, once endDesign has run. Loading runs Form_Load.
// - Show: loads if needed; a hidden form becomes visible and gets Resize (first showing only),
//   Activate, focus on its first control in tab order (GotFocus), then Paint. A modal Show returns
//   when the form is hidden or unloaded (Services::runModal).
// - Unload: QueryUnload (may cancel), then Unload (may cancel); the form hides, loses its focus and
//   its controls and own properties go back to their design-time values.
// - Hide keeps everything, so a hidden form keeps its controls' values.
class Form {
public:
    Form(Services& services, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Services& services() const { return services_; }
    const std::string& Name() const { return name_; }

    // Ends the design phase: keeps the design-time values and lets touching a control load the form.
    void endDesign();
    bool isLoaded() const { return loaded_; }
    // The platform's Load statement: runs Form_Load unless loaded already.
    void ensureLoaded();
    void Show(bool modal = false);
    void Hide();
    // Answers false when QueryUnload or Unload cancelled.
    bool Unload(UnloadMode mode = UnloadByCode);
    // The user closed the window with its close box.
    bool userClose() { return Unload(UnloadByUser); }
    // Fires Paint on a visible form, then on its controls that paint (picture boxes).
    void Refresh();

    bool Visible() const;
    // true shows the form modeless, false hides it.
    void setVisible(bool visible);
    const std::string& Caption() const;
    void setCaption(const std::string& caption);
    double Left() const;
    void setLeft(double left);
    double Top() const;
    void setTop(double top);
    double Width() const;
    void setWidth(double width);
    double Height() const;
    void setHeight(double height);
    // A new size, or a new WindowState, set by code on a visible form fires Resize (once for Move).
    void Move(double left, double top, double width = -1, double height = -1);
    // The inside of the window in twips: Width less 120 and Height less 405 (borders and caption),
    // until the Qt layer reports the real one through userResize; a size set by code goes back to
    // that rule.
    double ScaleWidth() const;
    double ScaleHeight() const;
    int WindowState() const;
    void setWindowState(int state);
    bool Enabled() const;
    void setEnabled(bool enabled);
    int MousePointer() const;
    void setMousePointer(int pointer);
    bool KeyPreview() const;
    void setKeyPreview(bool on);
    long BackColor() const;
    void setBackColor(long colour);
    const std::string& Tag() const;
    void setTag(const std::string& tag);
    // The help topic F1 opens (Services::showHelp); 0 opens the help's contents.
    long HelpContextID() const;
    void setHelpContextID(long topic);
    const Font& font() const;
    const std::string& FontName() const;
    // A name the screen does not have (Services::screenFonts, letter case ignored) is error 380;
    // the screen's own spelling is kept.
    void setFontName(const std::string& name);
    double FontSize() const;
    void setFontSize(double size);
    bool FontBold() const;
    void setFontBold(bool on);
    // The size a text takes in the form's font (Services::textWidth).
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;

    // The control that has the focus; null when none. The form's peer is told "ActiveControl" when it moves.
    Control* ActiveControl() const { return active_; }
    // Moves the focus: LostFocus on the control that had it, then GotFocus on this one. A handler
    // that moves the focus again while those run has the last word. Error 5 when the control is
    // hidden, disabled or cannot take the focus, or the form is not visible (see canFocus).
    // When code hides or disables the control that has the focus (or a container holding it), the
    // focus moves on to the next control in tab order the same way; with none left, the control
    // loses it (LostFocus) and no control has it. On a hidden form it is simply dropped.
    void setFocus(Control& control);
    // Whether setFocus would take this control now: the form is loaded and visible, and the control
    // can take the focus, is shown and is enabled (its containers too).
    bool canFocus(const Control& control) const;

    // The form's Default and Cancel buttons (the Default/Cancel properties set them); null when none.
    CommandButton* defaultButton() const { return default_; }
    CommandButton* cancelButton() const { return cancel_; }

    // Every control, in the order they were declared; the menus are among them.
    const std::vector<Control*>& controls() const { return controls_; }

    // User input, as the Qt layer or a test feeds it.
    // A key goes down in the active control. Enter clicks the focused command button, or else the
    // Default button (unless the control is a multi-line text box), and Escape the Cancel button,
    // without key events;
    // otherwise Form_KeyDown (with KeyPreview) and the control's KeyDown run, then Tab moves the
    // focus and F1 opens the help at the form's topic. Answers the key code left after all that: 0
    // when it was used up.
    int userKeyDown(int keyCode, int shift = 0);
    // A character is typed: Form_KeyPress (with KeyPreview), the control's KeyPress, then, with
    // `edit`, the control takes the character (a text box inserts it). Answers the character left.
    int userKeyPress(int keyAscii, bool edit = true);
    // A key comes up: Form_KeyUp (with KeyPreview), then the control's KeyUp. Its shift state holds
    // the shift keys that were down when it went down as well, so a quick Ctrl+End whose Ctrl comes
    // up first is still Ctrl+End.
    void userKeyUp(int keyCode, int shift = 0);
    // Types each character of the text into the active control with userKeyPress.
    void userType(const std::string& text);
    // The user resized the window (the Qt layer passes the new inside size); fires Resize.
    void userResize(double width, double height, double scaleWidth, double scaleHeight);
    // The user moved the window: Left and Top follow, with no event.
    void userMove(double left, double top);

    Peer* peer() const { return peer_; }
    void setPeer(Peer* peer) { peer_ = peer; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Paint() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {}
    virtual void Form_Unload(int& /*cancel*/) {}
    // Seen before the active control's own key events when KeyPreview is on.
    virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(int& /*keyAscii*/) {}
    virtual void Form_KeyUp(int& /*keyCode*/, int /*shift*/) {}

private:
    friend class Control;
    friend class CommandButton;

    // A stacking level in front of (or behind) every level given so far (Control::ZOrder).
    int nextStackLevel(bool front);
    // Sets the size; Resize follows when it changed on a visible form.
    void resizeTo(double width, double height);
    // Form_Paint, then the controls' own Paint.
    void paint();

    struct State {
        std::string caption;
        double left = 0, top = 0, width = 6000, height = 4500;
        double scaleWidth = -1, scaleHeight = -1; // -1: derived from the size
        int windowState = Normal;
        bool enabled = true;
        int mousePointer = 0;
        bool keyPreview = false;
        long backColor = ButtonFaceColour;
        std::string tag;
        long helpContextID = 0;
        Font font;
    };

    void registerControl(Control& control);
    void unregisterControl(Control& control);
    void touch();
    void changed(std::string_view property);
    template <class T, class V> void assign(T& field, V&& value, std::string_view property);
    void setDefaultButton(CommandButton* button, bool on);
    void setCancelButton(CommandButton* button, bool on);
    Control* firstInTabOrder() const;
    // The control after (or before) the active one in tab order; the active one itself when no
    // other can take the focus.
    Control* nextInTabOrder(bool backwards) const;
    void focusNext(bool backwards);
    // The control was just hidden or disabled: the focus leaves it if it, or a control it holds, has it.
    void focusLeavesUnusable(const Control& control);
    void checkFocusable(const Control& control) const;
    // Runs LostFocus on the control that leaves; answers where the focus goes after its handler.
    Control* leave(Control& leaving, Control* target);

    Services& services_;
    std::string name_;
    State state_;
    State design_;
    std::vector<Control*> controls_;
    Control* active_ = nullptr;
    // The shift state each key that is down went down with, by key code.
    std::map<int, int> pressedShift_;
    Control* focusRequest_ = nullptr;
    bool movingFocus_ = false;
    CommandButton* default_ = nullptr;
    CommandButton* cancel_ = nullptr;
    Peer* peer_ = nullptr;
    bool designing_ = true;
    bool designKept_ = false;
    bool loaded_ = false;
    bool visible_ = false;
    bool shownOnce_ = false;
    int frontLevel_ = 0;
    int backLevel_ = 0;
};

} // namespace platform
