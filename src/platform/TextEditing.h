#pragma once

#include <optional>
#include <string>

namespace platform {

// What typing one character does to an edit field: the text after it and where the caret goes.
struct TextEdit {
    std::string text;
    int caret = 0;
};

// Typing `keyAscii` over the selection [selStart, selStart + selLength): Backspace deletes the
// selection or the character before the caret, Enter makes a new line (CR LF) only where
// `multiLine`, other control characters do nothing, and a text that would pass `maxLength`
// (0: no limit) is refused. Answers nothing when the text stays as it is.
std::optional<TextEdit> typeInto(const std::string& text, int selStart, int selLength, int keyAscii, bool multiLine,
                                 int maxLength);

} // namespace platform
