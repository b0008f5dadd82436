#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <gtest/gtest.h>

#include "OnScreenWindow.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "mainwindow/dialogs/Calendar.h"
#include "mainwindow/codes/CodeWindowHost.h"
#include "mainwindow/codes/MaintainCodes.h"
#include "reports/FakeReportHost.h"

namespace {

class NoAutoSave : public mainwindow::CodeWindowHost {
public:
    explicit NoAutoSave(core::Book& book) : desk(book, reportHost) {}

    bool AutoSave() const override { return false; }
    void SaveTheFile() override {}
    reports::ReportDesk& Reports() override { return desk; }

private:
    FakeReportHost reportHost;
    reports::ReportDesk desk;
};

class MaintainCodesOnScreen : public OnScreenWindow, public testing::Test {
protected:
    MaintainCodesOnScreen()
    {
        mainWindow.endDesign();
        core::BankAccountRecord bank;
        bank.Code = "BANK1";
        bank.Name = "Current";
        bank.StartBalance = 100;
        const std::string line = core::FormatBankAccountLine(bank);
        core::AddCodeLine(book.messages, book.codes.ListBankAccounts, book.codes.ComboBank, line, line.substr(0, 27), 6);
        codes.FrameAccount.setVisible(true);
        codes.Show();
        settle();
    }

    platform::Form mainWindow{services, "Main"};
    mainwindow::Calendar calendar{book, mainWindow};
    NoAutoSave host{book};
    mainwindow::MaintainCodes codes{book, host, calendar};
};

TEST_F(MaintainCodesOnScreen, TheBankPageShowsItsControlsAndTheTable)
{
    EXPECT_EQ(widget<QGroupBox>(codes.FrameAccount).title(), QStringLiteral("Bank Accounts"));
    EXPECT_TRUE(widget<QGroupBox>(codes.FrameAccount).isVisible());
    EXPECT_FALSE(widget<QGroupBox>(codes.FrameVAT).isVisible());
    const QAbstractItemModel& list = *widget<QListView>(codes.ListBankAccounts).model();
    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_TRUE(list.index(0, 0).data().toString().startsWith(QStringLiteral("BANK1  Current")));
    EXPECT_EQ(widget<QLineEdit>(codes.TextBankCode).maxLength(), 6);
    EXPECT_FALSE(widget<QLineEdit>(codes.TextBankCode).isEnabled()) << "disabled until New or a double-click";
    EXPECT_TRUE(widget<QPushButton>(codes.CmdSaveBank).isDefault());
}

TEST_F(MaintainCodesOnScreen, NewAndCloseReachTheirHandlers)
{
    widget<QPushButton>(codes.CmdNewBank).click();
    settle();
    EXPECT_TRUE(widget<QLineEdit>(codes.TextBankCode).isEnabled());
    EXPECT_EQ(widget<QLineEdit>(codes.TextStartBal).text(), QStringLiteral("0.00"));
    widget<QPushButton>(codes.CmdDone).click();
    settle();
    EXPECT_FALSE(codes.Visible());
    EXPECT_FALSE(codes.FrameAccount.Visible());
}

} // namespace
