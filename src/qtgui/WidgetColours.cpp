#include "qtgui/WidgetColours.h"

#include <array>

namespace qtgui {

namespace {

constexpr unsigned long SystemColourBit = 0x80000000UL;

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's colour indexes 0 to 24, in their order.
constexpr std::array<SystemColour, 25> SystemColours{{
    {QPalette::Active, QPalette::Mid},              // scroll bars
    {QPalette::Active, QPalette::Dark},             // desktop
    {QPalette::Active, QPalette::Highlight},        // active title bar
    {QPalette::Inactive, QPalette::Highlight},      // inactive title bar
    {QPalette::Active, QPalette::Window},           // menu bar
    {QPalette::Active, QPalette::Base},             // window background
    {QPalette::Active, QPalette::Shadow},           // window frame
    {QPalette::Active, QPalette::WindowText},       // menu text
    {QPalette::Active, QPalette::Text},             // window text
    {QPalette::Active, QPalette::HighlightedText},  // active title bar text
    {QPalette::Active, QPalette::Window},           // active border
    {QPalette::Inactive, QPalette::Window},         // inactive border
    {QPalette::Active, QPalette::Dark},             // application workspace
    {QPalette::Active, QPalette::Highlight},        // highlight
    {QPalette::Active, QPalette::HighlightedText},  // highlighted text
    {QPalette::Active, QPalette::Button},           // button face
    {QPalette::Active, QPalette::Dark},             // button shadow
    {QPalette::Disabled, QPalette::Text},           // grey text
    {QPalette::Active, QPalette::ButtonText},       // button text
    {QPalette::Inactive, QPalette::HighlightedText}, // inactive title bar text
    {QPalette::Active, QPalette::Light},            // button highlight
    {QPalette::Active, QPalette::Shadow},           // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // tool tip text
    {QPalette::Active, QPalette::ToolTipBase},      // tool tip background
}};

} // namespace

bool isSystemColour(long colour)
{
    return (static_cast<unsigned long>(colour) & SystemColourBit) != 0;
}

QColor toQColor(long colour, const QPalette& palette)
{
    const auto bits = static_cast<unsigned long>(colour);
    if (isSystemColour(colour)) {
        const unsigned long index = bits & 0xFFU;
        if (index >= SystemColours.size())
            return palette.color(QPalette::Active, QPalette::Window);
        const SystemColour& system = SystemColours[index];
        return palette.color(system.group, system.role);
    }
    return QColor(static_cast<int>(bits & 0xFFU), static_cast<int>((bits >> 8) & 0xFFU), static_cast<int>((bits >> 16) & 0xFFU));
}

} // namespace qtgui
