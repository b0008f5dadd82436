#include "MainTest.h"

#include "datafile/DataFile.h"
#include "runtime/PathText.h"

namespace {

// The main window over tests/data/company.QBD: three transactions, one of them deleted.
class BookHealthTest : public MainTest {
protected:
    void SetUp() override
    {
        cancelWizard();
        start();
        ASSERT_TRUE(datafile::LoadDataFile(company, main.book, main));
    }

    const std::filesystem::path company = std::filesystem::path(QB_TEST_DATA) / "company.QBD";
};

TEST_F(BookHealthTest, StatisticsNameTheFileAndCountWhatTheBookHolds)
{
    services.answerMessageBox(platform::Answer::OK);
    main.IntegrityItem.userClick();
    const std::string expected = "File : '" + runtime::textOfPath(company) + "'\r" +
                                 "Created : 01/Apr/2024\rAccessed : 42 times\r\r"
                                 "  3 Transactions\r  2 Active\r  1 Deleted\r\r"
                                 "  2 Bank Accounts\r  2 VAT Codes\r  2 Customer Codes\r  2 Category Codes\r\r"
                                 "  1 Standing Orders\r  1 Named Filters";
    EXPECT_EQ(newMessages(0), std::vector<std::string>{expected});
}

TEST_F(BookHealthTest, EqualKeysAskToRebuildInsteadOfShowingStatistics)
{
    core::TransactionIndex& dates = main.book.ledger.DateIndex;
    dates.setKey(2, dates.at(1).Key);
    services.answerMessageBox(platform::Answer::No);
    main.IntegrityItem.userClick();
    EXPECT_EQ(newMessages(0),
              std::vector<std::string>{"Duplicate record key at position  2. Do you wish to rebuild the indexes?"});
}

TEST_F(BookHealthTest, PackingRemovesTheDeletedAndKeepsTheAppliedFilter)
{
    // An edit the user cancelled stays in the dialog; packing must not apply it.
    main.filter.OptRefOn.setValue(true);
    main.filter.TextRefNum.setText("NONE");
    services.answerMessageBox(platform::Answer::Yes);
    services.answerMessageBox(platform::Answer::OK);
    main.OptionPackItem.userClick();
    main.OptionPackItem.userClick();
    EXPECT_EQ(newMessages(0), (std::vector<std::string>{"Approximate proportion of deleted records in current file = "
                                                        "33.33%. Do you wish to Pack the database?",
                                                        "No records to pack..."}));
    const core::Ledger& ledger = main.book.ledger;
    EXPECT_EQ(ledger.Transactions.UpperBound(), 2);
    EXPECT_EQ(ledger.DateIndex.UpperBound(), 2);
    EXPECT_EQ(ledger.QueryIndex.UpperBound(), 2);
    EXPECT_TRUE(ledger.FileChanged);
}

TEST_F(BookHealthTest, GridDefaultsHelpAboutAndTheCalculator)
{
    main.GridColumnWidths[6] = 5000;
    main.SetQueryGridColumnWidths();
    main.OptionGridItem.userClick();
    EXPECT_EQ(main.QRYGrid.ColWidth(6), 1845);

    main.HelpContentItem.userClick();
    main.ItemHelpSearch.userClick();
    main.HelpOnHelpItem.userClick();
    std::vector<std::pair<int, long>> calls;
    for (const platform::ShownHelp& help : services.helpShown())
        calls.emplace_back(help.command, help.topic);
    EXPECT_EQ(calls, (std::vector<std::pair<int, long>>{{1, 1}, {0x105, 0}, {4, 0}}));

    std::string title;
    services.onModal<mainwindow::About>("About", [&](mainwindow::About& about) {
        title = about.LblTitle.Caption();
        about.CmdOK.userClick();
    });
    main.AboutItem.userClick();
    EXPECT_EQ(title, "Quillbook 2000-32");

    main.ItemCalc.userClick();
    services.setRunningWindow("SciCalc");
    main.ItemCalc.userClick();
    services.setRunningWindow("SciCalc", false);
    services.setStartProgramResult(false);
    services.answerMessageBox(platform::Answer::OK);
    main.ItemCalc.userClick();
    EXPECT_EQ(services.startedPrograms().size(), 2u) << "not again while one runs";
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "CALC.EXE");
    EXPECT_EQ(newMessages(0), std::vector<std::string>{"Unable to run Windows Calculator : File not found"});
}

TEST_F(BookHealthTest, ReportItemsReachTheirReportsAndCapitalItemsSaySo)
{
    for (platform::Menu* item : {&main.ItemAssets, &main.ItemLiabilities, &main.ItemMaintStock}) {
        services.answerMessageBox(platform::Answer::OK);
        item->userClick();
    }
    EXPECT_EQ(newMessages(0), (std::vector<std::string>{"Asset Window not enabled yet", "Liability Window not enabled yet",
                                                        "Maintain Stock Items option not enabled yet"}));

    for (platform::Menu* item : {&main.FiltCurrentRepItem, &main.itemHollis}) {
        const std::size_t started = services.startedPrograms().size();
        item->userClick();
        EXPECT_EQ(services.startedPrograms().size(), started + 1) << item->Name() << " hands its report to the viewer";
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "QB.TXT"));
}

} // namespace
