#pragma once

#include <cstdint>
#include <string>

#include "core/FixedText.h"

namespace core {

// Who the book belongs to, as the data file's header holds it.
struct CompanyDetails {
    FixedText<80> CompanyName{""}; // blank-padded, and stored so in the data file
    std::string CompanyAddress; // may hold CR LF
    std::string CompanyPhone;   // may hold CR LF
    FixedText<11> InceptionDate{""}; // "dd/Mmm/yyyy"
    std::int32_t LoadCounter = 0;    // how often the data file was opened
};

} // namespace core
