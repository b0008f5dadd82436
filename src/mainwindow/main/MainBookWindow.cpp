#include <algorithm>

#include "core/FilterCombos.h"
#include "core/FilterForm.h"
#include "mainwindow/main/Main.h"

namespace mainwindow {

core::QueryOrder Main::SortOrder() const
{
    if (ByDateItem.Checked())
        return core::QueryOrder::ByDate;
    if (ByRefItem.Checked())
        return core::QueryOrder::ByReference;
    return core::QueryOrder::None;
}

void Main::setSortOrder(core::QueryOrder order)
{
    ByDateItem.setChecked(order == core::QueryOrder::ByDate);
    ByRefItem.setChecked(order == core::QueryOrder::ByReference);
}

void Main::TickFilterMenu(const core::FilterMenuTicks& ticks)
{
    FiltDateItem.setChecked(ticks.FiltDateItem);
    FiltRefNumItem.setChecked(ticks.FiltRefNumItem);
    FiltTypeItem.setChecked(ticks.FiltTypeItem);
    FiltBankItem.setChecked(ticks.FiltBankItem);
    FiltCustItem.setChecked(ticks.FiltCustItem);
    FiltVATItem.setChecked(ticks.FiltVATItem);
    FiltAnalItem.setChecked(ticks.FiltAnalItem);
    FiltCommentItem.setChecked(ticks.FiltCommentItem);
    FiltAmountItem.setChecked(ticks.FiltAmountItem);
    FiltReconItem.setChecked(ticks.FiltReconItem);
}

void Main::ShowTotalsLabels(bool showPayments, bool showReceipts)
{
    LblMinusSign.setVisible(showPayments);
    LblPayTotal.setVisible(showPayments);
    LblPlusSign.setVisible(showReceipts);
    LblRcpTotal.setVisible(showReceipts);
}

void Main::ClearFilterCodeLists()
{
    filter.ClearCodeLists();
}

void Main::RefreshQueryGrid()
{
    RefreshQueryGrid(QRYScroll.Value());
}

void Main::SyncQueryScrollBar()
{
    SyncQueryScrollBar(QRYScroll.Value());
}

void Main::setSaveItemEnabled(bool enabled)
{
    SaveItem.setEnabled(enabled);
}

void Main::setCaption(const std::string& caption)
{
    Form::setCaption(caption);
}

int Main::QueryScrollMax() const
{
    return QRYScroll.Max();
}

int Main::QueryScrollValue() const
{
    return QRYScroll.Value();
}

void Main::setQueryScroll(int max, int value)
{
    // The scroll bar never ends before the first place, whatever a file says.
    QRYScroll.setMax(std::max(max, 1));
    QRYScroll.setValue(value);
}

void Main::ResetGridRow()
{
    QRYGrid.setRow(0);
}

void Main::ShowLoadedBook()
{
    core::FilterStore& filters = book.ledger.Filters;
    SelectedMark = 0;
    // A file written elsewhere may end its scroll bar short of the list.
    SyncQueryScrollBar();
    RefreshQueryGrid();
    core::ShowFilterSetupOnForm(book, filter, filters.CurrentFilter);
    core::ShowTotalsLabels(book, filter);
    core::FillFilterCombos(book, ComboMainFilters);
    ComboMainFilters.setText(filters.CurrentFilter.Name.str());
}

} // namespace mainwindow
