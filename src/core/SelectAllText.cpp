#include "core/SelectAllText.h"

#include "platform/Events.h"
#include "platform/Services.h"
#include "platform/TextBox.h"

namespace core {

void SelectAllText(platform::Services& services, platform::TextBox& box)
{
    if (services.keyIsDown(platform::KeyTab)) {
        box.setSelStart(0);
        box.setSelLength(static_cast<int>(box.Text().size()));
    } else {
        box.setSelLength(0);
    }
}

} // namespace core
