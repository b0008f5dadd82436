#include "MainTest.h"
#include "mainwindow/Import.h"
#include "runtime/PathText.h"
#include "support/FileBytes.h"

namespace {

const std::filesystem::path Coinjar = std::filesystem::path(QB_TEST_DATA) / "coinjar";

class ImportWindowTest : public MainTest {
protected:
    void SetUp() override
    {
        company = writeCompany("Shop.QBD", 5);
        writeSettings(fullSettings(company));
        start();
    }

    std::filesystem::path company;
};

TEST_F(ImportWindowTest, ImportItemImportsTheTickedPartsOfTheChosenFile)
{
    services.answerFileDialog(runtime::textOfPath(Coinjar / "home.CJ3"), 3);
    services.answerInputBox("28/02/1991");
    services.answerMessageBox(platform::Answer::OK);
    std::string title;
    services.onModal<mainwindow::Import>("Import", [&](mainwindow::Import& window) {
        title = window.Caption() + "|" + window.LbLCJFile.Caption() + "|" + window.CmdImport.Caption();
        EXPECT_FALSE(window.FrameDatesBetween.Visible());
        window.ChkAccounts.setValue(1);
        window.ChkTrans.setValue(1);
        window.CmdImport.userClick();
    });
    const int before = main.book.ledger.Transactions.UpperBound();

    main.ImportItem.userClick();

    EXPECT_EQ(title, "Import CJ File|Home accounts 1991|&Import");
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), before + 4);
    EXPECT_EQ(main.book.codes.ListBankAccounts.ListCount(), 1);
    EXPECT_EQ(main.book.codes.ListAnalCodes.ListCount(), 0);
    EXPECT_TRUE(main.book.ledger.FileChanged);
    EXPECT_FALSE(main.importForm.isLoaded());
}

TEST_F(ImportWindowTest, ArchiveItemRefusesAnEndBeforeTheStartThenArchivesTheRange)
{
    const std::filesystem::path archive = folder / "OLD.ARC";
    services.answerFileDialog(runtime::textOfPath(archive), 4);
    services.answerMessageBox(platform::Answer::OK);
    services.onModal<mainwindow::Import>("Import", [&](mainwindow::Import& window) {
        EXPECT_EQ(window.Caption(), "Archive");
        EXPECT_FALSE(window.FrameImport.Visible());
        EXPECT_EQ(window.TextArchiveFrom.Text(), "");
        EXPECT_EQ(window.TextArchiveTo.Text(), "");
        window.TextArchiveFrom.setText("03/Jan/2025");
        window.TextArchiveTo.setText("02/Jan/2025");
        window.CmdImport.userClick();
        EXPECT_TRUE(window.isLoaded());
        window.TextArchiveFrom.setText("01/Jan/2025");
        window.CmdImport.userClick();
    });

    // Dates the filter never set, as in a set-up made afresh.
    main.book.ledger.Filters.CurrentFilter.FromDate = core::FilterSetup{}.FromDate;
    main.book.ledger.Filters.CurrentFilter.ToDate = core::FilterSetup{}.ToDate;

    main.ArchiveItem.userClick();

    EXPECT_EQ(services.messageTexts().at(0), "To Date is before From Date...");
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 3);
    EXPECT_EQ(readBytes(archive).substr(0, 36), "[ARCHIVE FILE - Quillbook 2000-32]\r\n");
}

} // namespace
