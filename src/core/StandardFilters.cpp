#include "core/StandardFilters.h"

#include <array>
#include <string>

#include "core/Book.h"
#include "core/FilterStore.h"
#include "runtime/Date.h"

namespace core {

namespace {

// A cleared set-up with the date and type criteria on, the start of every standard set-up.
FilterSetup DatedSetup(std::string_view from, std::string_view to)
{
    FilterSetup setup;
    setup.DateOn = FlagTrue;
    setup.TypeOn = FlagTrue;
    setup.FromDate = from;
    setup.ToDate = to;
    return setup;
}

} // namespace

void MakeStandardFilterSetups(Book& book)
{
    const runtime::Date today = book.services().now();
    const auto first = runtime::Date::fromYmd(today.year(), today.month(), 1);
    const auto next = today.month() == 12 ? runtime::Date::fromYmd(today.year() + 1, 1, 1)
                                          : runtime::Date::fromYmd(today.year(), today.month() + 1, 1);
    const runtime::Date last(next->days() - 1);

    FilterSetup setup = DatedSetup(runtime::format(*first, "yyyymmdd"), runtime::format(last, "yyyymmdd"));
    const std::string month = runtime::format(today, "Mmm yyyy");
    struct Standard {
        std::string_view types;
        std::string_view suffix;
    };
    constexpr std::array<Standard, 3> Standards{{
        {"PBIR", " - Trading Pos"},
        {"IB", " - Owing/Due"},
        {"PR", " - Cash"},
    }};
    for (const Standard& standard : Standards) {
        setup.Types = standard.types;
        setup.Name = month + std::string(standard.suffix);
        StoreFilterSetup(book, setup);
    }
}

void MakeVatQuarterFilterSetups(Book& book)
{
    const std::string year = runtime::format(book.services().now(), "yyyy");
    struct Quarter {
        std::string_view name;
        std::string_view from;
        std::string_view to;
    };
    constexpr std::array<Quarter, 4> Quarters{{
        {"1st Quarter", "0101", "0331"},
        {"2nd Quarter", "0401", "0630"},
        {"3rd Quarter", "0701", "0930"},
        {"4th Quarter", "1001", "1231"},
    }};
    for (const Quarter& quarter : Quarters) {
        FilterSetup setup = DatedSetup(year + std::string(quarter.from), year + std::string(quarter.to));
        setup.Types = "PBIRYZ";
        setup.Name = quarter.name;
        StoreFilterSetup(book, setup);
    }
}

} // namespace core
