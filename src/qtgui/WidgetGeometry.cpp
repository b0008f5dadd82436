#include "qtgui/WidgetGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace qtgui {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double DefaultDotsPerInch = 96;

} // namespace

double pixelsPerTwip()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen == nullptr ? DefaultDotsPerInch : screen->logicalDotsPerInch()) / TwipsPerInch;
}

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip()));
}

double toTwips(double pixels)
{
    return pixels / pixelsPerTwip();
}

QRect toPixelRect(double left, double top, double width, double height)
{
    // Both corners are rounded, so neighbouring controls stay flush.
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, std::max(0, toPixels(left + width) - x), std::max(0, toPixels(top + height) - y)};
}

} // namespace qtgui
