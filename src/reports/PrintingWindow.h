#pragma once

namespace platform {
class CommandButton;
class Form;
class Label;
} // namespace platform

namespace reports {

// The face every print-job window ("CANCELFORM") shares, the desk's and the viewers': the
// program's caption, `width` by `height` twips centred on the screen, "Printing" centred across its
// top and a Cancel button that Escape presses. Each window places the button and adds its own.
void DesignPrintingWindow(platform::Form& window, int width, int height, platform::Label& printing,
                          platform::CommandButton& cancel);

} // namespace reports
