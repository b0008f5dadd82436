#pragma once

#include <functional>
#include <string_view>

namespace platform {

// Events are public std::function members of a control, named as the platform names them
// (`Click`, `Change`, `GotFocus`). A window wires its handlers in its constructor:
//     CmdChange.Click = [this] { CmdChange_Click(); };
//     EditLabel[i].Click = [this, i] { EditLabel_Click(i); };   // control arrays pass the Index
// An event nobody wired does nothing.
using Event = std::function<void()>;
// KeyDown/KeyUp: the key code may be changed or set to 0 to swallow the key. shift: 1 Shift, 2 Ctrl, 4 Alt.
using KeyEvent = std::function<void(int& keyCode, int shift)>;
// KeyPress: the character code may be changed or set to 0 to swallow the character.
using KeyPressEvent = std::function<void(int& keyAscii)>;
// MouseDown/MouseMove/MouseUp: button 1 left, 2 right, 4 middle; position in twips within the control.
using MouseEvent = std::function<void(int button, int shift, double x, double y)>;
class Control;
// DragDrop: the dragged control was dropped on this one, at a position in twips within this one.
using DragEvent = std::function<void(Control& source, double x, double y)>;

inline void fire(const Event& event)
{
    if (event)
        event();
}

// Key codes the platform's rules act on.
enum KeyCode : int { KeyBack = 8, KeyTab = 9, KeyReturn = 13, KeyShift = 16, KeyControl = 17, KeyAlt = 18, KeyEscape = 27, KeyF1 = 112 };

// The other side of a control or form: the Qt layer attaches one to mirror every change. It is told
// the property's name ("Text", "ListIndex", "List" for any change of the items); "*" means that
// everything may have changed (the form was unloaded and took its design-time values back).
class Peer {
public:
    virtual ~Peer() = default;
    virtual void propertyChanged(std::string_view property) = 0;
    // The form is being destroyed (its controls are gone already): the peer must let go of it.
    virtual void released() {}
};

} // namespace platform
