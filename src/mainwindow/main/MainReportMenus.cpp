#include "mainwindow/main/Main.h"
#include "reports/NetOfVatListReport.h"

namespace mainwindow {

void Main::wireReportMenus()
{
    itemHollis.Click = [this] { itemHollis_Click(); };
    ItemLiabilities.Click = [this] { ItemLiabilities_Click(); };
    ItemMaintStock.Click = [this] { ItemMaintStock_Click(); };
}

void Main::itemHollis_Click()
{
    if (book.ledger.QueryIndex.UpperBound() < 1)
        return;
    // The report reads the records through the edit box's split tail.
    const std::string splitTail = book.SplitTail;
    reports::WriteNetOfVatListReport(reportDesk);
    book.SplitTail = splitTail;
}

void Main::ItemLiabilities_Click()
{
    book.messages.ShowInfoBox("Liability Window not enabled yet");
}

void Main::ItemMaintStock_Click()
{
    book.messages.ShowInfoBox("Maintain Stock Items option not enabled yet");
}

} // namespace mainwindow
