#pragma once

namespace platform {
class Services;
class TextBox;
}

namespace core {

// On entering a box: reached with Tab, its whole text is selected so typing replaces it; reached
// otherwise (a click), nothing is selected and the caret stays where it went.
void SelectAllText(platform::Services& services, platform::TextBox& box);

} // namespace core
