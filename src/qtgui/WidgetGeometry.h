#pragma once

#include <QRect>

// The system places everything in twips (1440 to the inch: 15 to a pixel at 96 dpi); the screen's
// logical resolution turns them into pixels, so a layout keeps its size on a high-dpi desktop.
namespace qtgui {

double pixelsPerTwip();
int toPixels(double twips);
double toTwips(double pixels);
QRect toPixelRect(double left, double top, double width, double height);

} // namespace qtgui
