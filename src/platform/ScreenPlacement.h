#pragma once

#include <optional>

namespace platform {

class Control;
class Form;

// Places the form in the middle of the screen at its present size.
void CentreOnScreen(Form& form);

// A window's place and size on the screen, in twips.
struct ScreenRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const ScreenRect&) const = default;
};

// The form's place and size.
ScreenRect PlaceOf(const Form& form);

// Where a window opens on a screen of the given size. A window its code never placed (left and top
// both 0) opens centred over the window that opened it, or over the screen when none did; every
// window then lies wholly on the screen: one larger than the screen shrinks to it, and one that
// would stick out is pushed back in.
ScreenRect OpeningPlace(const ScreenRect& window, const std::optional<ScreenRect>& opener, double screenWidth,
                        double screenHeight);

// Applies OpeningPlace to a form about to show: a form that moves or shrinks takes its new place and
// size as if its code had set them.
void PlaceForOpening(Form& form, const std::optional<ScreenRect>& opener);

// A window that shows a page in one of its controls (`view`) opens large enough for the page: it
// grows by what the view lacks of the page's width and height, but not past the screen's size. A
// view as large as the page or larger leaves the window as it is.
void GrowToShowPage(Form& form, const Control& view, double pageWidth, double pageHeight);

} // namespace platform
