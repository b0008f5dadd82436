#pragma once

namespace platform {

class Form;

// Places the form in the middle of the screen at its present size.
void CentreOnScreen(Form& form);

} // namespace platform
