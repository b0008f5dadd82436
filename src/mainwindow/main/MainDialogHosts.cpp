#include "core/FilterCombos.h"
#include "datafile/DataFile.h"
#include "mainwindow/main/Main.h"

namespace mainwindow {

double Main::GridMouseLeft() const
{
    return Left() + QRYGrid.Left() + GridMouseX;
}

double Main::GridTop() const
{
    return Top() + QRYGrid.Top();
}

void Main::ShowNewQueryIndex()
{
    ClearEntryFields(core::ClearWholeEditBox);
    UpdateMenuState();
    SelectedMark = 0;
    SyncQueryScrollBar(0);
}

void Main::setMainFilterText(const std::string& name)
{
    ComboMainFilters.setText(name);
}

void Main::FillMainFilterCombo()
{
    core::FillFilterCombos(book, ComboMainFilters);
}

void Main::ShowCompanyCaption()
{
    datafile::SetMainCaption(book, *this);
}

core::FilterForm& Main::FilterDialog()
{
    return filter;
}

bool Main::OpenDataFile()
{
    return FileOp(OpenOp);
}

void Main::CreateCompany()
{
    NewCoItem_Click();
}

void Main::EditVatCodes()
{
    VatItem_Click();
}

void Main::EditBankAccounts()
{
    BankItem_Click();
}

std::string Main::EntryAmount() const
{
    return TextAmount.Text();
}

std::string Main::EntryAmountCaption() const
{
    return EditLabel[4].Caption();
}

std::string Main::EntryReference() const
{
    return TextRef.Text();
}

void Main::setEntryAmount(const std::string& amount)
{
    TextAmount.setText(amount);
}

void Main::setEntryVatAmount(const std::string& amount)
{
    TxtVATAmount.setText(amount);
}

void Main::setEntrySplitCount(int count)
{
    TxtNumSplits.setText(std::to_string(count));
}

void Main::setEntryVatCode(const std::string& code)
{
    ComboVAT.setText(code);
}

} // namespace mainwindow
