#include "qtgui/WidgetKeys.h"

#include <array>
#include <utility>

namespace qtgui {

namespace {

constexpr std::array<std::pair<int, int>, 30> NamedKeys{{
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},   {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},       {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},      {Qt::Key_Up, 38},        {Qt::Key_Right, 39},     {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},    {Qt::Key_Period, 110},   {Qt::Key_Slash, 111},    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Print, 44},
}};

constexpr int NumericPadZero = 96;
constexpr int FunctionKeyOne = 112;

} // namespace

int toKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // Qt numbers letters as the platform does, capitals
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return modifiers.testFlag(Qt::KeypadModifier) ? NumericPadZero + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16)
        return FunctionKeyOne + (qtKey - Qt::Key_F1);
    // The arithmetic keys have codes of their own only on the numeric pad.
    const bool padOnly = qtKey == Qt::Key_Asterisk || qtKey == Qt::Key_Plus || qtKey == Qt::Key_Minus ||
                         qtKey == Qt::Key_Period || qtKey == Qt::Key_Slash;
    if (padOnly && !modifiers.testFlag(Qt::KeypadModifier))
        return 0;
    for (const auto& [key, code] : NamedKeys)
        if (key == qtKey)
            return code;
    return 0;
}

int toShiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

int toMouseButtons(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) | (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int wheelNotches(int angleDelta, int& rest)
{
    constexpr int EighthsPerNotch = 120;
    rest += angleDelta;
    const int notches = rest / EighthsPerNotch;
    rest -= notches * EighthsPerNotch;
    return notches;
}

} // namespace qtgui
