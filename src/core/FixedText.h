#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// A fixed-length text field of a book record. Assigning pads with blanks or cuts to the width, as
// the book stores such fields. A field that was never assigned holds N characters of code 0 (the
// state of a cleared record), which trailing-blank trimming does not remove.
template <std::size_t N>
class FixedText {
public:
    FixedText() { chars_.fill('\0'); }
    FixedText(std::string_view text) { assign(text); } // NOLINT: assignment from text is the point

    FixedText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    static constexpr int Width = static_cast<int>(N);
    std::string_view view() const { return {chars_.data(), N}; }
    std::string str() const { return std::string(view()); }

    bool operator==(const FixedText&) const = default;

private:
    void assign(std::string_view text)
    {
        chars_.fill(' ');
        std::copy_n(text.begin(), std::min(text.size(), N), chars_.begin());
    }

    std::array<char, N> chars_;
};

// A field as text, where one that holds NUL characters (a field of a cleared set-up that was never
// assigned) reads as empty: such a field counts as blank, not as text.
template <std::size_t N> std::string StoredText(const FixedText<N>& field)
{
    const std::string_view text = field.view();
    return text.find('\0') == std::string_view::npos ? std::string(text) : std::string();
}

} // namespace core
