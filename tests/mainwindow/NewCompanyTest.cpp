#include <functional>
#include <string>
#include <vector>

#include "MainTest.h"
#include "platform/Events.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"
#include "support/FileBytes.h"

namespace {

using mainwindow::NewCompany;

// The main window on a saved company of three transactions, making a new company or editing the
// details through its menus.
class NewCompanyTest : public MainTest {
protected:
    NewCompanyTest()
    {
        company = writeCompany("Shop.QBD", 3);
        writeSettings(fullSettings(company));
        start();
        main.book.AutoSave = false;
    }

    void onNewCompany(std::function<void(NewCompany&)> script)
    {
        services.onModal<NewCompany>("NewCompany", std::move(script));
    }
    // Creates a company named `name` with the category option and filter boxes given; the Save As
    // that follows is cancelled.
    void create(const std::string& name, int categories, bool defaultFilters = true, bool vatFilters = true)
    {
        onNewCompany([=](NewCompany& window) {
            window.TextCoName.setText(name);
            window.Categories[categories].userClick();
            window.ChkDefaultFilters.setValue(defaultFilters ? 1 : 0);
            window.ChkVatFilters.setValue(vatFilters ? 1 : 0);
            window.CmdOK.userClick();
        });
        services.cancelFileDialog();
        main.NewCoItem.userClick();
    }
    std::vector<std::string> categoryLines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < main.book.codes.ListAnalCodes.ListCount(); ++i)
            lines.push_back(main.book.codes.ListAnalCodes.List(i));
        return lines;
    }
    // What the book holds, to compare before and after a command that must change nothing.
    std::string bookState() const
    {
        const core::Book& book = main.book;
        return runtime::rtrim(book.company.CompanyName.view()) + "|" + book.company.InceptionDate.str() + "|" +
               std::to_string(book.ledger.Transactions.UpperBound()) + "|" +
               std::to_string(book.codes.ListAnalCodes.ListCount()) + "|" +
               std::to_string(book.ledger.Filters.Count()) + "|" + std::to_string(book.ledger.FileChanged) + "|" +
               runtime::textOfPath(book.CurrentDataFilePath) + "|" + main.Caption();
    }

    std::filesystem::path company;
};

TEST_F(NewCompanyTest, CreateEmptiesTheBookAndSetsUpTheNewCompany)
{
    onNewCompany([](NewCompany& window) {
        EXPECT_EQ(window.Caption(), "Quillbook - New Company");
        EXPECT_EQ(window.CmdOK.Caption(), "&Create");
        EXPECT_TRUE(window.Categories[2].Value());
        EXPECT_EQ(window.ChkVatFilters.Value(), 1);
        EXPECT_EQ(window.ChkDefaultFilters.Value(), 1);
        EXPECT_EQ(window.TextCoDate.Text(), "15/Jun/2025");
        window.TextCoName.setText("New Co");
        window.TextCoAddress.setText("1 High St\r\nTruro");
        window.TextCoPhone.setText("01872 000");
        window.CmdOK.userClick();
    });
    services.cancelFileDialog();

    main.NewCoItem.userClick();

    const core::Book& book = main.book;
    EXPECT_EQ(runtime::rtrim(book.company.CompanyName.view()), "New Co");
    EXPECT_EQ(book.company.CompanyAddress, "1 High St\r\nTruro");
    EXPECT_EQ(book.company.InceptionDate.str(), "15/Jun/2025");
    EXPECT_EQ(main.Caption(), "Quillbook 2000-32 : New Co");
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 0);
    EXPECT_EQ(main.QRYGrid.TextMatrix(1, 6), "");
    EXPECT_TRUE(book.CurrentDataFilePath.empty());
    EXPECT_TRUE(book.ledger.FileChanged);
    // The new company is offered a file at once.
    ASSERT_EQ(services.fileDialogs().size(), 1u);
    EXPECT_EQ(services.fileDialogs()[0].title, "Quillbook : Save File As...");

    EXPECT_EQ(book.counters.TransactionNumberCounter, 0);
    EXPECT_EQ(book.counters.InvoiceNumberCounter, 20250000);
    core::SequenceCounters counters = book.counters;
    EXPECT_EQ(counters.TakeNextInvoiceNumber(), "000001");

    const core::FilterStore& filters = book.ledger.Filters;
    EXPECT_EQ(filters.CurrentFilter.Name.str(), "All Off             ");
    EXPECT_EQ(filters.CurrentFilter.Types.str(), "PBIRYZ");
    EXPECT_EQ(filters.PreviousFilter, filters.CurrentFilter);
    // Three of the month, four VAT quarters and "All Off".
    EXPECT_EQ(filters.Count(), 8);
    EXPECT_EQ(filters.At(8).Name.str(), "All Off             ");
    EXPECT_EQ(main.ComboMainFilters.Text(), "All Off             ");
    EXPECT_EQ(book.codes.LastUsed.Bank.str(), "      ");
    EXPECT_EQ(book.codes.LastUsed.Category.str(), "    ");
    EXPECT_EQ(services.messageBoxes().size(), 0u);
}

TEST_F(NewCompanyTest, EachCategoryOptionGivesItsLines)
{
    create("No Categories", 0);
    EXPECT_EQ(categoryLines(), std::vector<std::string>{"XFR  Transfers          "});
    EXPECT_EQ(main.ComboAnal.List(0), "XFR  Transfers");

    main.book.ledger.FileChanged = false; // as after a save
    create("Standard", 1);
    std::vector<std::string> lines = categoryLines();
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "CAR  Car Expenses        ");
    EXPECT_EQ(lines[1], "CARD Credit Card Charges ");
    EXPECT_EQ(lines[9], "INTP Interest Paid Out   ");
    EXPECT_EQ(lines[19], "WATR Water Rates         ");
    EXPECT_EQ(lines[20], "XFR  Transfers          ");

    main.book.ledger.FileChanged = false; // as after a save
    create("Business", 2);
    lines = categoryLines();
    ASSERT_EQ(lines.size(), 38u);
    EXPECT_EQ(lines[0], "ANPR Adverts - Newspaper ");
    EXPECT_EQ(lines[5], "CHP  Car - Hire Purchase ");
    EXPECT_EQ(lines[14], "INTP Interest PAID OUT   ");
    EXPECT_EQ(lines[16], "MAGS Magazines/Newspapers");
    EXPECT_EQ(lines[36], "WAGE Wages - Payroll     ");
    EXPECT_EQ(lines[37], "XFR  Transfers          ");
    for (const std::string& line : lines)
        EXPECT_EQ(line.size(), line.starts_with("XFR") ? 24u : 25u) << line;
    EXPECT_EQ(main.ComboAnal.ListCount(), 38);
}

TEST_F(NewCompanyTest, WithBothFilterBoxesClearedOnlyAllOffIsStored)
{
    create("Plain", 0, false, false);

    ASSERT_EQ(main.book.ledger.Filters.Count(), 1);
    EXPECT_EQ(main.book.ledger.Filters.At(1).Name.str(), "All Off             ");
    EXPECT_EQ(main.book.ledger.Filters.Names.ListCount(), 2); // with "(PREVIOUS)"
}

TEST_F(NewCompanyTest, ABlankNameIsRefusedAndTheWindowStaysOpen)
{
    const std::string before = bookState();
    services.answerMessageBox(platform::Answer::OK);
    bool stillShown = false;
    onNewCompany([&](NewCompany& window) {
        window.TextCoName.setText("   ");
        window.CmdOK.userClick();
        stillShown = window.Visible();
        window.CmdDone.userClick();
    });

    main.NewCoItem.userClick();

    EXPECT_TRUE(stillShown);
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Company Name required"});
    EXPECT_EQ(bookState(), before);
}

TEST_F(NewCompanyTest, CancelLeavesTheBookAsItWasInBothModes)
{
    const std::string before = bookState();
    onNewCompany([](NewCompany& window) {
        window.TextCoName.setText("Other");
        window.CmdDone.userClick();
    });
    main.NewCoItem.userClick();
    onNewCompany([](NewCompany& window) {
        window.TextCoName.setText("Other");
        window.CmdDone.userClick();
    });
    main.CoEditItem.userClick();

    EXPECT_EQ(bookState(), before);
    EXPECT_TRUE(services.fileDialogs().empty());
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST_F(NewCompanyTest, ChangeStoresTheDetailsOnlyAndMarksTheBookChanged)
{
    main.book.company.CompanyAddress = "1 High St  ";
    main.book.company.InceptionDate = "01/Jan/2020";
    const int categories = main.book.codes.ListAnalCodes.ListCount();
    onNewCompany([](NewCompany& window) {
        EXPECT_EQ(window.Caption(), "Edit Company Details");
        EXPECT_EQ(window.CmdOK.Caption(), "&Change");
        EXPECT_FALSE(window.frmeCategories.Visible());
        EXPECT_FALSE(window.ChkDefaultFilters.Visible());
        EXPECT_FALSE(window.ChkVatFilters.Visible());
        EXPECT_EQ(window.TextCoName.Text(), "Test Company");
        EXPECT_EQ(window.TextCoAddress.Text(), "1 High St");
        EXPECT_EQ(window.TextCoDate.Text(), "01/Jan/2020");
        window.TextCoName.setText("Renamed Ltd");
        window.CmdOK.userClick();
    });

    main.CoEditItem.userClick();

    EXPECT_EQ(runtime::rtrim(main.book.company.CompanyName.view()), "Renamed Ltd");
    EXPECT_EQ(main.Caption(), "Quillbook 2000-32 : Renamed Ltd");
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 3);
    EXPECT_EQ(main.book.codes.ListAnalCodes.ListCount(), categories);
    EXPECT_TRUE(main.book.ledger.FileChanged);
    EXPECT_EQ(main.book.CurrentDataFilePath, company);
}

TEST_F(NewCompanyTest, EnterFromTheDateBoxStoresTheDateAsLeavingWouldShowIt)
{
    const struct {
        const char* typed;
        const char* stored;
        std::size_t messages;
    } cases[] = {{"1/3/25", "01/Mar/2025", 0}, {"rubbish", "15/Jun/2025", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        onNewCompany([&](NewCompany& window) {
            window.TextCoDate.setFocus();
            window.TextCoDate.userSetText(c.typed);
            window.userKeyDown(platform::KeyReturn);
        });
        const std::size_t before = services.messageBoxes().size();
        if (c.messages)
            services.answerMessageBox(platform::Answer::OK);
        main.CoEditItem.userClick();
        EXPECT_EQ(main.book.company.InceptionDate.str(), c.stored);
        EXPECT_EQ(services.messageBoxes().size() - before, c.messages);
    }
}

TEST_F(NewCompanyTest, ChangedDetailsAreSavedAtOnceWithAutoSave)
{
    main.book.AutoSave = true;
    onNewCompany([](NewCompany& window) {
        window.TextCoName.setText("Saved Ltd");
        window.CmdOK.userClick();
    });

    main.CoEditItem.userClick();

    EXPECT_FALSE(main.book.ledger.FileChanged);
    EXPECT_NE(readBytes(company).find("Saved Ltd"), std::string::npos);
}

TEST_F(NewCompanyTest, AChangedBookIsOfferedASaveFirst)
{
    main.book.ledger.FileChanged = true;
    const std::string before = bookState();

    // Cancel stops.
    services.answerMessageBox(platform::Answer::Cancel);
    main.NewCoItem.userClick();
    EXPECT_EQ(services.messageTexts().back(),
              "Current file '" + runtime::textOfPath(company) + "' has changed. Save before creating new company?");
    EXPECT_EQ(bookState(), before);

    // No: the new company replaces the book without saving it.
    services.answerMessageBox(platform::Answer::No);
    create("Fresh", 0);
    EXPECT_EQ(runtime::rtrim(main.book.company.CompanyName.view()), "Fresh");
}

TEST_F(NewCompanyTest, AFailedSaveAsBeforeANewCompanyKeepsTheChangedBook)
{
    main.book.CurrentDataFilePath.clear();
    main.book.ledger.FileChanged = true;
    const std::string before = bookState();
    services.answerMessageBox(platform::Answer::Yes);
    services.cancelFileDialog();

    main.NewCoItem.userClick();

    EXPECT_EQ(bookState(), before);
    EXPECT_TRUE(services.modalForms().empty());
}

TEST_F(NewCompanyTest, TheInceptionDateIsTidiedWhenLeft)
{
    struct Case {
        const char* typed;
        const char* shown;
        std::size_t messages;
    };
    const Case cases[] = {{"3/2/2024", "03/Feb/2024", 0}, {"", "", 0}, {"rubbish", "15/Jun/2025", 1}};
    for (const Case& c : cases) {
        std::string shown;
        onNewCompany([&](NewCompany& window) {
            window.TextCoDate.setFocus();
            window.TextCoDate.userSetText(c.typed);
            window.TextCoName.setFocus();
            shown = window.TextCoDate.Text();
            window.CmdDone.userClick();
        });
        const std::size_t before = services.messageBoxes().size();
        if (c.messages)
            services.answerMessageBox(platform::Answer::OK);
        main.NewCoItem.userClick();
        EXPECT_EQ(shown, c.shown) << c.typed;
        EXPECT_EQ(services.messageBoxes().size() - before, c.messages) << c.typed;
    }
    EXPECT_TRUE(services.messageTexts().back().starts_with("'rubbish' is not a valid date - resetting to today's date."));
}

} // namespace
