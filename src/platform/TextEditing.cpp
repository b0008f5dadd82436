#include "platform/TextEditing.h"

#include "platform/Events.h"

namespace platform {

std::optional<TextEdit> typeInto(const std::string& text, int selStart, int selLength, int keyAscii, bool multiLine,
                                 int maxLength)
{
    if (keyAscii == KeyBack) {
        if (selLength == 0) {
            if (selStart == 0)
                return std::nullopt;
            --selStart;
            selLength = 1;
        }
        std::string edited = text;
        edited.erase(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength));
        return TextEdit{std::move(edited), selStart};
    }
    std::string typed;
    if (keyAscii == KeyReturn && multiLine)
        typed = "\r\n";
    else if (keyAscii >= 32 && keyAscii <= 255)
        typed = std::string(1, static_cast<char>(keyAscii));
    else
        return std::nullopt;
    const std::size_t after = text.size() - static_cast<std::size_t>(selLength) + typed.size();
    if (maxLength > 0 && after > static_cast<std::size_t>(maxLength))
        return std::nullopt;
    std::string edited = text;
    edited.replace(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength), typed);
    return TextEdit{std::move(edited), selStart + static_cast<int>(typed.size())};
}

} // namespace platform
