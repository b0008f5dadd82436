#pragma once

namespace platform {
class TextBox;
}

namespace core {

class Messages;

// Leaving a date box, the one rule for every date box of the programs: a box that is not blank
// shows its whole text read as a typed date (FormatDisplayDate), "dd/Mmm/yyyy", or today's date
// after the warning; a blank box stays as it is. The whole text is read, never its first 11
// characters, so "15 March 2025" keeps its own year.
void LeaveDateBox(Messages& messages, platform::TextBox& box);

} // namespace core
