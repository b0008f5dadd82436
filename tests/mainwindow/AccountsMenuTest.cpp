#include <string>

#include "MainTest.h"
#include "reports/Finaccs.h"
#include "reports/ReportForm.h"
#include "support/FileBytes.h"

namespace {

class AccountsMenuTest : public MainTest {
protected:
    AccountsMenuTest()
    {
        writeSettings(fullSettings(writeCompany("Shop.QBD", 3)));
        start();
    }

    std::string report() const { return readBytes(folder / "QB.TXT"); }
};

TEST_F(AccountsMenuTest, SystemAuditListsTheTableInTheChosenViewer)
{
    main.ItemRepSysAudit.userClick();
    EXPECT_NE(report().find("System Audit Report"), std::string::npos);
    EXPECT_NE(report().find("\r\n3 Records\r\n"), std::string::npos);
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_NE(services.startedPrograms()[0].commandLine.find("DATAPEEK.EXE QBLAUNCH"), std::string::npos);
}

TEST_F(AccountsMenuTest, VatItemOpensTheChooserWhoseReportButtonWritesTheReturn)
{
    services.onModal<reports::ReportForm>("ReportForm", [](reports::ReportForm& chooser) {
        EXPECT_EQ(chooser.Caption(), "VAT Report");
        EXPECT_TRUE(chooser.FrameVatReport.Visible());
        chooser.TextVatFrom.userSetText("01/Jan/2025");
        chooser.TextVatTo.userSetText("31/Jan/2025");
        chooser.CmdReport.userClick();
        chooser.CmdCancel.userClick();
    });
    main.RepVATItem.userClick();
    EXPECT_NE(report().find("From 01/Jan/2025  To 31/Jan/2025\r\n"), std::string::npos);
    EXPECT_NE(report().find("(5) Net VAT"), std::string::npos);
    EXPECT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST_F(AccountsMenuTest, FinalAccountsItemShowsTheDialogThatRemembersItsChoices)
{
    services.onModal<reports::Finaccs>("Finaccs", [](reports::Finaccs& dialog) {
        dialog.TxtProfitFwd.userSetText("10.00");
        dialog.CmdOK.userClick();
        dialog.CmdCancel.userClick();
    });
    main.ItemFinaccs.userClick();
    EXPECT_NE(readBytes(folder / "QBFINACC.INI").find("\r\n10.00\r\n"), std::string::npos);
    EXPECT_NE(report().find("Final Accounts for the Period"), std::string::npos);
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "notepad.exe QB.TXT");

    services.onModal<reports::Finaccs>("Finaccs", [](reports::Finaccs& dialog) {
        EXPECT_EQ(dialog.TxtProfitFwd.Text(), "10.00");
    });
    main.ItemFinaccs.userClick();
    EXPECT_TRUE(services.allScriptsUsed());
}

} // namespace
