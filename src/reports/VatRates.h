#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

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
        auto found = rates_.find(std::string(code));
        if (found == rates_.end())
            found = rates_.emplace(std::string(code), core::GetCodeListValue(codes_, code)).first;
        return found->second;
    }

private:
    const platform::ListModel& codes_;
    std::unordered_map<std::string, double> rates_;
};

} // namespace reports
