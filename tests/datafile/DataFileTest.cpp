#include <gtest/gtest.h>


#include <cstdint>
#include <chrono>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "FakeDataFileWindow.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "core/BookTest.h"
#include "datafile/DataFile.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace {

const std::filesystem::path Fixture = std::filesystem::path(QB_TEST_DATA) / "company.QBD";

std::vector<std::string> splitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::size_t indexOf(const std::vector<std::string>& lines, const std::string& line)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == line)
            return i;
    ADD_FAILURE() << "no line " << line;
    return 0;
}

class DataFileTest : public BookTest {
protected:
    DataFileTest()
    {
        // A conversion's log goes to the working folder: the test's own, not the folder it runs in.
        window.folder = folder.path();
        book.ledger.AttachWindow(window);
    }

    bool load(const std::filesystem::path& path) { return datafile::LoadDataFile(path, book, window); }
    bool save(const std::filesystem::path& path) { return datafile::SaveDataFile(path, book, window); }
    void expectError() { services.answerMessageBox(platform::Answer::OK); }

    // The book as its data file would hold it.
    std::string snapshot()
    {
        const auto path = folder / "snapshot.QBD";
        const bool changed = book.ledger.FileChanged;
        EXPECT_TRUE(save(path));
        book.ledger.FileChanged = changed;
        return readBytes(path);
    }

    TempFolder folder;
    FakeDataFileWindow window;
};

} // namespace

TEST_F(DataFileTest, FixtureLoadsEverySection)
{
    ASSERT_TRUE(load(Fixture));
    EXPECT_TRUE(services.messageBoxes().empty());

    EXPECT_EQ(book.company.CompanyName.str(), runtime::padRight("Acme Trading Ltd", 80)) << "the name keeps its 80 columns";
    EXPECT_EQ(book.company.CompanyAddress, "1 High Street\r\nLeeds\r\nLS1 1AA");
    EXPECT_EQ(book.company.CompanyPhone, "0113 496 0000\r\next 12");
    EXPECT_EQ(book.company.InceptionDate.str(), "01/Apr/2024");
    EXPECT_EQ(book.company.LoadCounter, 42) << "each load counts";
    EXPECT_EQ(window.caption, "Quillbook 2000-32 : Acme Trading Ltd");

    const auto& codes = book.codes;
    ASSERT_EQ(codes.ListBankAccounts.ListCount(), 2);
    EXPECT_EQ(codes.ListBankAccounts.List(0).substr(40, 16), "1 Bank St\r\nLeeds");
    EXPECT_EQ(codes.ComboBank.List(1), "CASH01 Petty Cash          ");
    EXPECT_EQ(codes.ComboVAT.List(0), "STD Standard rate       ");
    EXPECT_EQ(codes.ComboCustomer.List(1), "bolt02 Bolt & Co           ");
    EXPECT_EQ(codes.ComboAnal.List(1), codes.ListAnalCodes.List(1));
    EXPECT_EQ(codes.ListSTOs.ListCount(), 1);
    EXPECT_NE(codes.ListSTOs.List(0).find("Monthly rent\r\nUnit 4"), std::string::npos);
    EXPECT_TRUE(codes.BankListChanged && codes.TransferBankListChanged && codes.VatListChanged
                && codes.CustomerListChanged && codes.CategoryListChanged);

    const auto& ledger = book.ledger;
    ASSERT_EQ(ledger.Transactions.UpperBound(), 3);
    EXPECT_NE(ledger.Transactions.Line(1).find("Consulting\xFC\xFD" "April work"), std::string::npos)
        << "transaction memos keep their stored escapes";
    EXPECT_EQ(ledger.Transactions.Line(2).size(), 156u + 2 * 51);
    ASSERT_EQ(ledger.DateIndex.UpperBound(), 2);
    EXPECT_EQ(ledger.DateIndex.at(1).RecordNumber, 1);
    EXPECT_EQ(core::KeyText(ledger.DateIndex.at(1).Key), "20240405INV001000010");
    ASSERT_EQ(ledger.QueryIndex.UpperBound(), 2);
    EXPECT_EQ(ledger.Window().SortOrder(), core::QueryOrder::ByReference);
    EXPECT_EQ(ledger.Totals.Payments(), 70);
    EXPECT_EQ(ledger.Totals.Receipts(), 117.5);
    EXPECT_EQ(window.scrollMax, 2);

    EXPECT_EQ(ledger.Filters.CurrentFilter.Name.str(), "(CURRENT)           ");
    EXPECT_EQ(ledger.Filters.PreviousFilter, core::FilterSetup{}) << "never-filled fields stay characters of code 0";
    ASSERT_EQ(ledger.Filters.Count(), 1);
    EXPECT_EQ(ledger.Filters.At(1).Amount, 12.5);
    EXPECT_EQ(ledger.Filters.At(1).FromDate.str(), "20240401");
    ASSERT_EQ(ledger.Filters.Names.ListCount(), 2);
    EXPECT_EQ(ledger.Filters.Names.List(1), "Big April           ");
    EXPECT_TRUE(ledger.Filters.FiltersChanged);

    EXPECT_EQ(book.Templates[core::MultiLineInvoice].Name, "Multi-line\r\nInvoice");
    EXPECT_EQ(book.Templates[core::SimpleInvoice].Objects[1].Text, "~TG\r\n~AD");
    EXPECT_EQ(book.Templates[core::MailMergeLetter].Objects[1].Text, "Yours faithfully");
    EXPECT_EQ(book.counters.TransactionNumberCounter, 12);
    EXPECT_EQ(book.counters.InvoiceNumberCounter, 5);

    EXPECT_FALSE(ledger.FileChanged);
    EXPECT_EQ(book.CurrentDataFilePath, Fixture);
    EXPECT_TRUE(window.saveItemEnabled);
    EXPECT_EQ(window.loadedBookShown, 1);
}

// The clock of the test is the fixture's save date; only the load counter moves on.
TEST_F(DataFileTest, SavingTheLoadedFixtureGivesTheSameBytes)
{
    ASSERT_TRUE(load(Fixture));
    book.ledger.FileChanged = true;
    const auto saved = folder / "saved.QBD";
    ASSERT_TRUE(save(saved));

    auto expected = splitLines(readBytes(Fixture));
    ASSERT_EQ(expected[6], "000041");
    expected[6] = "000042";
    EXPECT_EQ(readBytes(saved), joinLines(expected));
    EXPECT_FALSE(book.ledger.FileChanged);
    EXPECT_EQ(book.CurrentDataFilePath, Fixture) << "saving a copy keeps the current file";
}

// A file from elsewhere may index a deleted transaction; it must not come back into the grid.
TEST_F(DataFileTest, AStoredIndexThatDisagreesWithTheTableIsRebuilt)
{
    auto lines = splitLines(readBytes(Fixture));
    const std::size_t dateIndex = indexOf(lines, "[Date Index]");
    ASSERT_EQ(lines[14], "000002");
    lines[14] = "000003";
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(dateIndex) + 1, "20240402DEP001000012  3");
    const auto path = folder / "stale.QBD";
    writeBytes(path, joinLines(lines));

    ASSERT_TRUE(load(path));
    const auto& index = book.ledger.DateIndex;
    ASSERT_EQ(index.UpperBound(), 2);
    EXPECT_EQ(index.at(1).RecordNumber, 1);
    EXPECT_EQ(index.at(2).RecordNumber, 2);
    EXPECT_EQ(book.ledger.QueryIndex.UpperBound(), 2);
}

// A query index written as the date index again gives the same entries; one that holds fewer
// lines keeps its own.
TEST_F(DataFileTest, AQueryIndexThatRepeatsTheDateIndexLoadsAsWritten)
{
    auto lines = splitLines(readBytes(Fixture));
    lines[indexOf(lines, "BYREF")] = "BYDATE";
    const std::size_t dateIndex = indexOf(lines, "[Date Index]");
    const std::size_t queryIndex = indexOf(lines, "[Query Index]");
    for (std::size_t i = 1; i <= 2; ++i)
        lines[queryIndex + i] = lines[dateIndex + i];
    const auto repeated = folder / "repeated.QBD";
    writeBytes(repeated, joinLines(lines));
    ASSERT_EQ(lines[15], "000002");
    lines[15] = "000001";
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(queryIndex) + 2);
    const auto fewer = folder / "fewer.QBD";
    writeBytes(fewer, joinLines(lines));

    const auto& ledger = book.ledger;
    ASSERT_TRUE(load(repeated));
    ASSERT_EQ(ledger.QueryIndex.UpperBound(), 2);
    for (int position = 1; position <= 2; ++position) {
        EXPECT_EQ(ledger.QueryIndex.at(position).RecordNumber, ledger.DateIndex.at(position).RecordNumber);
        EXPECT_EQ(ledger.QueryIndex.at(position).Key, ledger.DateIndex.at(position).Key);
    }
    EXPECT_EQ(ledger.Totals.Payments(), 70);
    EXPECT_EQ(ledger.Totals.Receipts(), 117.5);

    ASSERT_TRUE(load(fewer));
    ASSERT_EQ(ledger.QueryIndex.UpperBound(), 1);
    EXPECT_EQ(ledger.QueryIndex.at(1).RecordNumber, 1);
    EXPECT_EQ(ledger.Totals.Payments(), 0);
    EXPECT_EQ(ledger.Totals.Receipts(), 117.5);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(DataFileTest, EmptyCompanyRoundTrips)
{
    book.company.CompanyName = "Empty Co";
    const auto first = folder / "first.QBD";
    ASSERT_TRUE(save(first));
    const auto lines = splitLines(readBytes(first));
    EXPECT_EQ(lines[1], runtime::padRight("Empty Co", 80)) << "the name is stored at its full width";
    EXPECT_EQ(lines[indexOf(lines, "[Bank Accounts]") + 1], "[VAT Codes]");

    platform::ScriptedServices otherServices;
    otherServices.setNow(services.now());
    core::Book other(otherServices);
    FakeDataFileWindow otherWindow;
    other.ledger.AttachWindow(otherWindow);
    ASSERT_TRUE(datafile::LoadDataFile(first, other, otherWindow));
    other.company.LoadCounter = 0;
    const auto second = folder / "second.QBD";
    ASSERT_TRUE(datafile::SaveDataFile(second, other, otherWindow));
    EXPECT_EQ(readBytes(second), readBytes(first));
}

// The window given to a data-file operation is the one the book's own operations reach; another
// window would leave the book shown in one and saved with the other's sort order.
TEST_F(DataFileTest, AWindowNotAttachedToTheBookIsRefused)
{
    FakeDataFileWindow stranger;
    const std::string before = snapshot();
    EXPECT_THROW(datafile::SaveDataFile(folder / "stranger.QBD", book, stranger), std::logic_error);
    EXPECT_FALSE(std::filesystem::exists(folder / "stranger.QBD"));
    EXPECT_THROW(datafile::LoadDataFile(Fixture, book, stranger), std::logic_error);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DataFileTest, FailedLoadLeavesTheBookAsItWas)
{
    ASSERT_TRUE(load(Fixture));
    book.ledger.FileChanged = true;
    const std::string before = snapshot();
    const auto fixtureLines = splitLines(readBytes(Fixture));

    struct Case {
        const char* name;
        std::function<std::vector<std::string>(std::vector<std::string>)> damage; // null: no file
        std::string message;
    };
    const Case cases[] = {
        {"missing file", nullptr, "Error while attempting to determine Version of QB data file : File not found"},
        {"not a data file",
         [](auto lines) { lines[0] = "[Stock List]"; return lines; },
         "Not a Quillbook Data File : Expected [Company Name] section, found '[Stock List]'  - Aborting Load"},
        {"first line in lower case",
         [](auto lines) { lines[0] = "[company name v2000]"; return lines; },
         "Error : Unable to determine Version of Data File. Load Unsuccessful"},
        {"older version cut short",
         [](auto lines) {
             lines[0] = "[Company Name V3]";
             lines.resize(indexOf(lines, "[Transactions]") + 2);
             return lines;
         },
         "Error while loading Ver 3 file : Input past end of file"},
        {"truncated in the transactions",
         [](auto lines) { lines.resize(indexOf(lines, "[Transactions]") + 2); return lines; },
         "Error while loading Ver 2000 file : Input past end of file"},
        {"index line beyond the table",
         [](auto lines) {
             auto& line = lines[indexOf(lines, "[Date Index]") + 1];
             line = runtime::left(line, 20) + "  9";
             return lines;
         },
         "Error while loading Ver 2000 file : The [Date Index] line '20240405INV001000010  9' names a record "
         "outside the table of 3 transactions"},
        {"count larger than its section",
         [](auto lines) { lines[indexOf(lines, "[Statistics]") + 1] = "000003"; return lines; },
         "Expected [VAT Codes] section, found '" + runtime::left(fixtureLines[indexOf(fixtureLines, "[VAT Codes]") + 1], 36)
             + "'  - Aborting Load"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder / "damaged.QBD";
        std::filesystem::remove(path);
        if (c.damage)
            writeBytes(path, joinLines(c.damage(fixtureLines)));
        const auto boxesBefore = services.messageBoxes().size();
        expectError();
        EXPECT_FALSE(load(path));
        ASSERT_EQ(services.messageBoxes().size(), boxesBefore + 1);
        EXPECT_EQ(services.messageBoxes().back().box.text, c.message);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(book.CurrentDataFilePath, Fixture);
        EXPECT_TRUE(book.ledger.FileChanged);
    }
}

// An index line's record number is read by the leading-number rule, and it must then be a whole
// number of a record of the table.
TEST_F(DataFileTest, IndexRecordNumbersAreReadByTheLeadingNumberRule)
{
    const auto fixtureLines = splitLines(readBytes(Fixture));
    const struct {
        std::string number;
        bool loads;
    } cases[] = {
        {"  1", true},    {" 01", true},    {" 1.0", true},  {" 1E0", true},  {" 1abc", true},
        {" 1.5", false},  {"  0", false},   {" -1", false},  {"  4", false},  {"", false},
        {" x", false},    {" 1e9", false},  {" 99999999999", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.number + "'");
        auto lines = fixtureLines;
        auto& line = lines[indexOf(lines, "[Date Index]") + 1];
        line = runtime::left(line, 20) + c.number;
        const auto path = folder / "numbers.QBD";
        writeBytes(path, joinLines(lines));
        const auto boxesBefore = services.messageBoxes().size();
        if (!c.loads)
            expectError();
        EXPECT_EQ(load(path), c.loads);
        EXPECT_EQ(services.messageBoxes().size(), boxesBefore + (c.loads ? 0 : 1));
    }
}

// The file-size limit stands in for a full disk: the write of the new file fails part-way.
TEST_F(DataFileTest, FailedSaveLeavesTheOldFileAndTheBookChanged)
{
    ASSERT_TRUE(load(Fixture));
    book.ledger.FileChanged = true;
    const auto target = folder / "company.QBD";
    const std::string oldBytes = "[Company Name V2000]\r\nthe old file\r\n";
    writeBytes(target, oldBytes);

    expectError();
    bool saved = false;
    {
        const FileSizeLimit limit(4096);
        saved = save(target);
    }

    EXPECT_FALSE(saved);
    ASSERT_EQ(services.messageBoxes().size(), 1u);
    EXPECT_EQ(services.messageBoxes()[0].box.text.rfind("Save error : ", 0), 0u) << services.messageBoxes()[0].box.text;
    EXPECT_EQ(readBytes(target), oldBytes);
    EXPECT_TRUE(book.ledger.FileChanged);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()), 1)
        << "no temporary file is left behind";
}

// However a file is cut short or a line is spoiled, a load either succeeds or shows one message
// and leaves the book as it was: it never reads outside what it was given.
TEST_F(DataFileTest, DamagedFilesAreRefusedWithOneMessageAndNeverHalfLoaded)
{
    ASSERT_TRUE(load(Fixture));
    const auto fixtureLines = splitLines(readBytes(Fixture));
    auto fingerprint = [this] {
        const auto& ledger = book.ledger;
        return book.company.CompanyName.str() + "|" + std::to_string(ledger.Transactions.UpperBound()) + "|"
            + std::to_string(ledger.DateIndex.UpperBound()) + "|" + std::to_string(book.codes.ListBankAccounts.ListCount())
            + "|" + std::to_string(ledger.Filters.Count()) + "|" + book.Templates[core::SimpleInvoice].Name + "|"
            + book.CurrentDataFilePath.string();
    };
    const std::string before = fingerprint();
    const auto path = folder / "damaged.QBD";

    auto tryLoad = [&](const std::vector<std::string>& lines) {
        writeBytes(path, joinLines(lines));
        const auto boxesBefore = services.messageBoxes().size();
        services.answerMessageBox(platform::Answer::OK);
        if (load(path)) {
            ASSERT_TRUE(load(Fixture)) << "back to the fixture for the next case";
        } else {
            EXPECT_EQ(services.messageBoxes().size(), boxesBefore + 1);
            EXPECT_EQ(fingerprint(), before);
        }
        services = platform::ScriptedServices{};
        services.setNow(*runtime::Date::fromYmd(2025, 6, 15));
    };
    for (std::size_t kept = 1; kept < fixtureLines.size(); ++kept) {
        SCOPED_TRACE("cut after line " + std::to_string(kept));
        tryLoad(std::vector<std::string>(fixtureLines.begin(), fixtureLines.begin() + static_cast<std::ptrdiff_t>(kept)));
    }
    for (std::size_t spoiled = 1; spoiled < fixtureLines.size(); ++spoiled) {
        SCOPED_TRACE("line " + std::to_string(spoiled + 1) + " spoiled");
        auto lines = fixtureLines;
        lines[spoiled] = "\xFF-9E99 ]";
        tryLoad(lines);
    }
}

// An amount written in exponent notation by hand: too large for a double, or so large that sums in
// pence over the book would overflow. The file is refused before anything of it reaches the book.
TEST_F(DataFileTest, AnAmountBeyondWhatTheBookHoldsIsRefusedBeforeTheBookChanges)
{
    ASSERT_TRUE(load(Fixture));
    book.ledger.FileChanged = true;
    const std::string before = snapshot();
    const auto fixtureLines = splitLines(readBytes(Fixture));
    const std::size_t firstTransaction = indexOf(fixtureLines, "[Transactions]") + 1;
    constexpr std::size_t AmountOffset = 116;

    for (const std::string amount : {"1E999      ", "1E20       ", "-1E11      "}) {
        SCOPED_TRACE(amount);
        auto lines = fixtureLines;
        lines[firstTransaction].replace(AmountOffset, amount.size(), amount);
        const auto path = folder / "huge.QBD";
        writeBytes(path, joinLines(lines));
        const auto boxesBefore = services.messageBoxes().size();
        expectError();
        EXPECT_FALSE(load(path));
        ASSERT_EQ(services.messageBoxes().size(), boxesBefore + 1);
        EXPECT_EQ(services.messageBoxes().back().box.text, "Error while loading Ver 2000 file : Transaction 1 holds an amount of '"
                                                               + amount + "', more than a book can hold");
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(book.CurrentDataFilePath, Fixture);
        EXPECT_TRUE(book.ledger.FileChanged);
    }

    // The largest amount eleven plain digits write still loads, and the totals hold it exactly.
    auto lines = fixtureLines;
    lines[firstTransaction].replace(AmountOffset, 11, "99999999999");
    const auto path = folder / "largest.QBD";
    writeBytes(path, joinLines(lines));
    ASSERT_TRUE(load(path));
    EXPECT_EQ(book.ledger.Totals.Receipts(), 99999999999.0) << "the invoice is the only receipt";
}

// Values the filter dialog or a template can hold, which a save used to write in a form the load
// refused or read differently. Each is saved, loaded, saved and loaded again.
TEST_F(DataFileTest, WhateverIsSavedLoadsBackAsItWasHeld)
{
    static constexpr double LargestDouble = std::numeric_limits<double>::max();
    static constexpr float LargestFloat = std::numeric_limits<float>::max();
    static constexpr std::int32_t LargestCounter = std::numeric_limits<std::int32_t>::max();
    struct Case {
        const char* name;
        std::function<void(core::Book&)> hold;
        std::function<void(const core::Book&)> check; // null: the book's held value comes back
    };
    auto& filters = book.ledger.Filters;
    const Case cases[] = {
        {"a date text the filter dialog keeps when it does not read",
         [](core::Book& b) {
             b.ledger.Filters.CurrentFilter.FromDate = "  240101XYZ";
             b.ledger.Filters.CurrentFilter.ToDate = "240101";
         },
         nullptr},
        {"the largest filter amounts",
         [](core::Book& b) {
             b.ledger.Filters.CurrentFilter.Amount = LargestDouble;
             b.ledger.Filters.PreviousFilter.Amount = -LargestDouble;
         },
         nullptr},
        {"the largest template positions",
         [](core::Book& b) {
             b.Templates[core::SimpleInvoice].Objects[1].Left = LargestFloat;
             b.Templates[core::SimpleInvoice].Objects[1].Top = -LargestFloat;
         },
         [](const core::Book& b) {
             EXPECT_EQ(b.Templates[core::SimpleInvoice].Objects[1].Left, LargestFloat);
             EXPECT_EQ(b.Templates[core::SimpleInvoice].Objects[1].Top, -LargestFloat);
         }},
        {"a load counter one short of its largest",
         [](core::Book& b) { b.company.LoadCounter = LargestCounter - 1; },
         [](const core::Book& b) { EXPECT_EQ(b.company.LoadCounter, LargestCounter) << "it stops at its largest"; }},
    };
    const auto path = folder / "held.QBD";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(load(Fixture));
        c.hold(book);
        const core::FilterSetup current = filters.CurrentFilter;
        const core::FilterSetup previous = filters.PreviousFilter;
        ASSERT_TRUE(save(path));
        for (int round = 1; round <= 2; ++round) {
            bool loaded = false;
            EXPECT_NO_THROW(loaded = load(path)) << "a refusal shows a message box the test does not expect";
            EXPECT_TRUE(loaded);
            if (!loaded)
                break;
            EXPECT_EQ(filters.CurrentFilter, current);
            EXPECT_EQ(filters.PreviousFilter, previous);
            if (c.check)
                c.check(book);
            ASSERT_TRUE(save(path));
        }
    }
}

// Line ends of every kind, mixed as an edited file may have them, give the same book.
TEST_F(DataFileTest, LinesEndedByCrLfLfOrCrAloneLoadAlike)
{
    ASSERT_TRUE(load(Fixture));
    const std::string expected = snapshot();
    const auto lines = splitLines(readBytes(Fixture));
    std::string mixed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        mixed += lines[i] + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    const auto path = folder / "mixed.QBD";
    writeBytes(path, mixed);
    ASSERT_TRUE(load(path));
    EXPECT_EQ(snapshot(), expected);
}

namespace {

// Another program, as it would change the file this book has open.
using OtherProgram = std::function<void(const std::filesystem::path&)>;

std::string changedByAnotherProgramText(const std::filesystem::path& path)
{
    return "The file '" + runtime::textOfPath(path)
           + "' has been changed by another program since it was loaded or saved here. Do you wish to overwrite it?";
}

} // namespace

TEST_F(DataFileTest, ASaveOverAFileAnotherProgramChangedAsksFirstAndNoKeepsTheirFile)
{
    namespace fs = std::filesystem;
    const OtherProgram cases[] = {
        // A second copy of this program that opened the same book and saved it first.
        [this](const fs::path& path) {
            core::Book other{services};
            FakeDataFileWindow otherWindow;
            otherWindow.folder = folder.path();
            other.ledger.AttachWindow(otherWindow);
            ASSERT_TRUE(datafile::LoadDataFile(path, other, otherWindow));
            other.company.CompanyName = "Their Company";
            ASSERT_TRUE(datafile::SaveDataFile(path, other, otherWindow));
        },
        // Rewritten in place to the same size: only the time of the write tells.
        [](const fs::path& path) {
            std::string bytes = readBytes(path);
            bytes.replace(bytes.find("\r\n") + 2, 5, "Their");
            writeBytes(path, bytes);
            fs::last_write_time(path, fs::last_write_time(path) + std::chrono::hours(1));
        },
        // Grown in place within the same second.
        [](const fs::path& path) {
            const auto written = fs::last_write_time(path);
            writeBytes(path, readBytes(path) + "Their line\r\n");
            fs::last_write_time(path, written);
        },
        // Another file renamed over its name.
        [](const fs::path& path) {
            const fs::path theirs = path.parent_path() / "theirs.tmp";
            writeBytes(theirs, readBytes(path));
            fs::rename(theirs, path);
        },
    };
    int number = 0;
    for (const OtherProgram& otherProgram : cases) {
        SCOPED_TRACE(++number);
        const auto path = folder / "Shop.QBD";
        writeBytes(path, readBytes(Fixture));
        ASSERT_TRUE(load(path));
        book.company.CompanyName = "My Company";
        book.ledger.FileChanged = true;
        otherProgram(path);
        const std::string theirs = readBytes(path);
        const std::size_t boxesBefore = services.messageBoxes().size();

        services.answerMessageBox(platform::Answer::No);
        EXPECT_FALSE(save(path));
        ASSERT_EQ(services.messageBoxes().size(), boxesBefore + 1) << "the question, and no error after No";
        const platform::MessageBox& question = services.messageBoxes().back().box;
        EXPECT_EQ(question.text, changedByAnotherProgramText(path));
        EXPECT_EQ(question.title, "Quillbook 2000-32");
        EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
        EXPECT_EQ(question.defaultButton, 2) << "No";
        EXPECT_EQ(readBytes(path), theirs);
        EXPECT_TRUE(book.ledger.FileChanged);

        services.answerMessageBox(platform::Answer::Yes);
        EXPECT_TRUE(save(path));
        EXPECT_NE(readBytes(path).find("My Company"), std::string::npos);
        EXPECT_FALSE(book.ledger.FileChanged);

        // The file is this book's again: the next save asks nothing.
        book.ledger.FileChanged = true;
        EXPECT_TRUE(save(path));
        EXPECT_EQ(services.messageBoxes().size(), boxesBefore + 2);
    }
}

TEST_F(DataFileTest, ASaveOfAFileNoOtherProgramChangedAsksNothing)
{
    namespace fs = std::filesystem;
    const auto path = folder / "Shop.QBD";
    writeBytes(path, readBytes(Fixture));
    ASSERT_TRUE(load(path));
    EXPECT_TRUE(save(path));
    EXPECT_TRUE(save(path));
    // A copy elsewhere, or a file that is gone and holds nothing to lose.
    writeBytes(folder / "Backup.QBD", "someone's backup\r\n");
    EXPECT_TRUE(save(folder / "Backup.QBD"));
    fs::remove(path);
    EXPECT_TRUE(save(path));
    EXPECT_TRUE(fs::exists(path));
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(DataFileTest, ABookOpenedThroughALinkIsSavedInTheFileTheLinkLeadsTo)
{
    namespace fs = std::filesystem;
    fs::create_directory(folder / "books");
    const auto book2025 = folder / "books" / "Shop 2025.QBD";
    writeBytes(book2025, readBytes(Fixture));
    // A chain: a relative link to an absolute one.
    fs::create_symlink(book2025, folder / "books" / "current.QBD");
    fs::create_symlink("books/current.QBD", folder / "Shop.QBD");
    ASSERT_TRUE(load(folder / "Shop.QBD"));
    book.company.CompanyName = "Changed Company";
    book.ledger.FileChanged = true;

    ASSERT_TRUE(save(folder / "Shop.QBD"));

    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "Shop.QBD")));
    EXPECT_EQ(fs::read_symlink(folder / "Shop.QBD"), "books/current.QBD");
    EXPECT_EQ(fs::read_symlink(folder / "books" / "current.QBD"), book2025);
    EXPECT_NE(readBytes(book2025).find("Changed Company"), std::string::npos);
    // Saved again without a question: the file the link leads to is the one this book wrote.
    book.ledger.FileChanged = true;
    EXPECT_TRUE(save(folder / "Shop.QBD"));
    EXPECT_TRUE(services.messageBoxes().empty());
}
