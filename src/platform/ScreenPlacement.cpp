#include "platform/ScreenPlacement.h"

#include <algorithm>

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Services.h"

namespace platform {
namespace {

// The start of a span of `length` placed at `start` and moved the least so it lies within
// [0, `room`]; a span as long as the room or longer starts at 0.
double keptWithin(double start, double length, double room)
{
    return std::max(0.0, std::min(start, room - length));
}

} // namespace

void CentreOnScreen(Form& form)
{
    Services& services = form.services();
    form.Move((services.screenWidth() - form.Width()) / 2, (services.screenHeight() - form.Height()) / 2);
}

ScreenRect PlaceOf(const Form& form)
{
    return {form.Left(), form.Top(), form.Width(), form.Height()};
}

ScreenRect OpeningPlace(const ScreenRect& window, const std::optional<ScreenRect>& opener, double screenWidth,
                        double screenHeight)
{
    ScreenRect placed = window;
    placed.width = std::min(window.width, screenWidth);
    placed.height = std::min(window.height, screenHeight);
    if (window.left == 0 && window.top == 0) {
        const ScreenRect over = opener.value_or(ScreenRect{0, 0, screenWidth, screenHeight});
        placed.left = over.left + (over.width - placed.width) / 2;
        placed.top = over.top + (over.height - placed.height) / 2;
    }
    placed.left = keptWithin(placed.left, placed.width, screenWidth);
    placed.top = keptWithin(placed.top, placed.height, screenHeight);
    return placed;
}

void PlaceForOpening(Form& form, const std::optional<ScreenRect>& opener)
{
    Services& services = form.services();
    const ScreenRect window = PlaceOf(form);
    const ScreenRect placed = OpeningPlace(window, opener, services.screenWidth(), services.screenHeight());
    if (placed != window)
        form.Move(placed.left, placed.top, placed.width, placed.height);
}

void GrowToShowPage(Form& form, const Control& view, double pageWidth, double pageHeight)
{
    Services& services = form.services();
    const double width = std::max(form.Width(), std::min(form.Width() + pageWidth - view.Width(), services.screenWidth()));
    const double height =
        std::max(form.Height(), std::min(form.Height() + pageHeight - view.Height(), services.screenHeight()));
    form.Move(form.Left(), form.Top(), width, height);
}

} // namespace platform
