#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/CodeList.h"
#include "platform/ListModel.h"

namespace reports {

// The rates of the VAT codes one report meets, each looked up in the code table once: a report
// over a full book asks for a rate per transaction.
class VatRates {
public:
    explicit VatRates(const platform::ListModel& codes) : codes_(codes) {}

    // The rate of a code as the record stores it (3 characters); 0 for a code not in the table.
    double operator()(std::string_view code)
    {
        // A book has a handful of codes: a look along them beats hashing a copy of each.
        for (const auto& [known, rate] : rates_)
            if (known == code)
                return rate;
        return rates_.emplace_back(std::string(code), core::GetCodeListValue(codes_, code)).second;
    }

private:
    const platform::ListModel& codes_;
    std::vector<std::pair<std::string, double>> rates_;
};

} // namespace reports
