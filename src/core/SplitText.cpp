#include "core/SplitText.h"

#include <iterator>

#include "core/CodeList.h"
#include "core/MoneyFormat.h"
#include "core/SplitEntry.h"
#include "core/Vat.h"
#include "runtime/Text.h"

namespace core {

namespace {

enum class Column { Memo, Net, Vat, Gross, VatCode };

struct KindLayout {
    Column column;
    bool withTotal;
};

// Indexed by kind - 1.
constexpr KindLayout Kinds[] = {
    {Column::Memo, false}, {Column::Net, false},   {Column::Vat, false},  {Column::Gross, false},
    {Column::VatCode, false}, {Column::Net, true}, {Column::Gross, true}, {Column::Vat, true},
};

double amountOf(Column column, const SplitEntry& entry, const platform::ListModel& vatCodes)
{
    if (column == Column::Gross)
        return entry.Amount;
    const double vat = CalcVatOfGross(GetCodeListValue(vatCodes, entry.VatCode), entry.Amount);
    return column == Column::Vat ? vat : entry.Amount - vat;
}

} // namespace

std::string FormatSplitText(int kind, std::string_view tail, const platform::ListModel& vatCodes)
{
    if (kind < 1 || kind > static_cast<int>(std::size(Kinds)))
        return "";
    const KindLayout layout = Kinds[kind - 1];
    const int count = SplitEntryCount(tail);

    std::string text;
    double total = 0;
    for (int index = 0; index < count; ++index) {
        const SplitEntry entry = ReadSplitEntry(tail, index);
        std::string line;
        if (layout.column == Column::Memo) {
            line = entry.Memo;
        } else if (layout.column == Column::VatCode) {
            line = FormatSplitCode(entry.VatCode);
        } else {
            line = FormatSplitAmount(amountOf(layout.column, entry, vatCodes));
            // The total adds what the lines show, so it always agrees with the column above it.
            total += runtime::val(line);
        }
        if (index > 0)
            text += "\r\n";
        text += line;
    }
    if (layout.withTotal && count > 0)
        text += "\r\n" + FormatSplitAmount(total);
    return text;
}

std::string FormatSplitAmount(double amount)
{
    return amount == 0 ? " " : FormatAmountPlain(amount);
}

std::string FormatSplitCode(std::string_view code)
{
    std::string text = runtime::rtrim(code);
    return text.empty() ? " " : text;
}

} // namespace core
