#include "MainTest.h"
#include "mainwindow/dialogs/Import.h"
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

TEST_F(ImportWindowTest, AnUnknownVersionLineIsRefusedAndTheWindowStaysOpen)
{
    // Compared exactly after trailing blanks are cut.
    for (const std::string version : {"cj4", " CJ4", "CJ5/3"}) {
        SCOPED_TRACE(version);
        const std::filesystem::path file = folder / "odd.CJ3";
        writeBytes(file, version + "\r\nTitle\r\nStandard Entries\r\n\r\n");
        services.answerFileDialog(runtime::textOfPath(file), 3);
        services.answerMessageBox(platform::Answer::OK);
        bool stayedOpen = false;
        services.onModal<mainwindow::Import>("Import", [&](mainwindow::Import& window) {
            window.ChkTrans.setValue(1);
            window.CmdImport.userClick();
            stayedOpen = window.isLoaded();
        });
        const std::size_t before = services.messageBoxes().size();
        const int transactions = main.book.ledger.Transactions.UpperBound();

        main.ImportItem.userClick();

        EXPECT_EQ(newMessages(before), std::vector<std::string>{"Unknown Coinjar Version - " + version});
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), transactions);
        EXPECT_FALSE(main.book.ledger.FileChanged);
    }
}

TEST_F(ImportWindowTest, AnExistingArchiveIsOverwrittenOnlyWhenTheUserSaysYes)
{
    const std::filesystem::path archive = folder / "OLD.ARC";
    writeBytes(archive, "older archive");
    const std::string question = "Are you sure you wish to overwrite File '" + runtime::textOfPath(archive) + "' ?";
    services.answerFileDialog(runtime::textOfPath(archive), 4);
    services.answerMessageBox(platform::Answer::No);
    services.answerMessageBox(platform::Answer::Yes);
    bool openAfterNo = false;
    std::string archiveAfterNo;
    int transactionsAfterNo = 0;
    services.onModal<mainwindow::Import>("Import", [&](mainwindow::Import& window) {
        window.TextArchiveFrom.setText("01/Jan/2025");
        window.TextArchiveTo.setText("02/Jan/2025");
        window.CmdImport.userClick();
        openAfterNo = window.isLoaded();
        archiveAfterNo = readBytes(archive);
        transactionsAfterNo = main.book.ledger.Transactions.UpperBound();
        window.CmdImport.userClick();
    });

    main.ArchiveItem.userClick();

    const std::vector<std::string> texts = services.messageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], question);
    EXPECT_EQ(texts[1], question);
    EXPECT_EQ(services.messageBoxes()[0].box.buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(archiveAfterNo, "older archive");
    EXPECT_EQ(transactionsAfterNo, 5);
    EXPECT_EQ(readBytes(archive).substr(0, 36), "[ARCHIVE FILE - Quillbook 2000-32]\r\n");
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 3);
    EXPECT_FALSE(main.importForm.isLoaded());
}

} // namespace
