#include "core/FilterMatch.h"
#include "mainwindow/main/Main.h"

namespace mainwindow {

void Main::wireFilterMenu()
{
    FiltAllItem.Click = [this] { filter.ShowFullFilterForm(); };
    const struct {
        platform::Menu& item;
        int column;
    } columnItems[] = {
        {FiltDateItem, 2},   {FiltRefNumItem, 3}, {FiltTypeItem, 4}, {FiltVATItem, 5},   {FiltCommentItem, 6},
        {FiltAmountItem, 7}, {FiltReconItem, 9},  {FiltBankItem, 11}, {FiltCustItem, 12}, {FiltAnalItem, 13},
    };
    for (const auto& columnItem : columnItems)
        columnItem.item.Click = [this, column = columnItem.column] { filter.ShowFilterFormForColumn(column); };
    FiltExplainItem.Click = [this] { FiltExplainItem_Click(); };
}

void Main::FiltExplainItem_Click()
{
    const core::FilterSetup& current = book.ledger.Filters.CurrentFilter;
    book.messages.ShowInfoBox("Filter : " + current.Name.str() + "\r\r" + core::DescribeFilterSetup(current));
}

} // namespace mainwindow
