#include "mainwindow/main/Main.h"

namespace mainwindow {

namespace {

// The code window shows the page whose frame is visible.
void openOnPage(MaintainCodes& codes, platform::Frame& page)
{
    page.setVisible(true);
    codes.Show(true);
}

} // namespace

void Main::wireCodes()
{
    BankItem.Click = [this] { BankItem_Click(); };
    VatItem.Click = [this] { VatItem_Click(); };
    CustItem.Click = [this] { CustItem_Click(); };
    CatItem.Click = [this] { CatItem_Click(); };
    CmdBankAcc.Click = [this] { CmdBankAcc_Click(); };
    CmdVATCode.Click = [this] { CmdVATCode_Click(); };
    CmdCustCode.Click = [this] { CmdCustCode_Click(); };
    CmdAnalCode.Click = [this] { CmdAnalCode_Click(); };
}

void Main::BankItem_Click()
{
    openOnPage(maintainCodes, maintainCodes.FrameAccount);
}

void Main::VatItem_Click()
{
    openOnPage(maintainCodes, maintainCodes.FrameVAT);
}

void Main::CustItem_Click()
{
    openOnPage(maintainCodes, maintainCodes.FrameCustomers);
}

void Main::CatItem_Click()
{
    openOnPage(maintainCodes, maintainCodes.FrameCategories);
}

void Main::CmdBankAcc_Click()
{
    BankItem_Click();
}

void Main::CmdVATCode_Click()
{
    VatItem_Click();
}

void Main::CmdCustCode_Click()
{
    CustItem_Click();
}

void Main::CmdAnalCode_Click()
{
    CatItem_Click();
}

} // namespace mainwindow
