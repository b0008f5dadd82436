#pragma once

#include <array>
#include <string>
#include <string_view>

namespace documents {

// A special field of a template: the name the designer lists, the tag an object's text starts
// with, and the sample the designer shows in its place.
struct SpecialField {
    std::string_view Name;
    std::string_view Tag;
    std::string_view Sample;
};

inline constexpr int SpecialFieldCount = 24;

// The fields in the designer's order.
const std::array<SpecialField, SpecialFieldCount>& SpecialFieldTable();

// Look-ups of the first matching field, both sides compared with trailing blanks removed and
// letter case kept; "" when none matches.
std::string GetSpecialFieldName(std::string_view tag);
std::string GetSpecialFieldSample(std::string_view tag);
std::string GetSpecialFieldToken(std::string_view name);

} // namespace documents
