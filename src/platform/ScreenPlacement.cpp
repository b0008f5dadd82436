#include "platform/ScreenPlacement.h"

#include "platform/Form.h"
#include "platform/Services.h"

namespace platform {

void CentreOnScreen(Form& form)
{
    Services& services = form.services();
    form.Move((services.screenWidth() - form.Width()) / 2, (services.screenHeight() - form.Height()) / 2);
}

} // namespace platform
