#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeDataFileWindow.h"
#include "core/BookTest.h"
#include "core/TransactionEdits.h"
#include "datafile/DataFile.h"
#include "datafile/ExchangeFileReading.h"
#include "datafile/TextExport.h"
#include "datafile/TextImport.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "runtime/Text.h"

namespace {

using datafile::ExchangeKind;
using datafile::ExportOptions;
using datafile::TransactionSource;

const std::filesystem::path Fixture = std::filesystem::path(QB_TEST_DATA) / "company.QBD";

const std::vector<int> AllTransactionFields = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// The memo of 000010 as stored: its line break held as the bytes 252 and 253.
const std::string StoredMemo = runtime::padRight("Consulting\xFC\xFD" "April work", 74);

// Every field of 000010 and 000011 of tests/data/company.QBD, as exported.
const std::vector<std::string> Record10 = {"000010", "05/Apr/2024", "INV001", "BANK01", "ACME01", "STD", "SALE",
                                           StoredMemo, "00000117.50", " ", "Y", "00000117.50", "      17.50", "000",
                                           " ", "INV"};
const std::vector<std::string> Record11 = {"000011", "10/Apr/2024", "CHQ100", "BANK01", "      ", "SPL", "STAT",
                                           runtime::padRight("Office supplies", 74), "00000070.00", "Y", " ",
                                           "00000000.00", "       7.50", "002", " ", "PAY"};

std::string quotedLine(const std::vector<std::string>& values, char separator = ',')
{
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i)
        line += (i ? std::string(1, separator) : "") + "\"" + values[i] + "\"";
    return line + "\r\n";
}

class TextExchangeTest : public BookTest {
protected:
    TextExchangeTest() { book.ledger.AttachWindow(window); }

    void loadFixture() { ASSERT_TRUE(datafile::LoadDataFile(Fixture, book, window)); }

    // An export of the fixture, whose 000011 has two splits: the file does not carry them, and one note says so.
    std::string exportTransactions(const ExportOptions& options, TransactionSource source = TransactionSource::All)
    {
        services.answerMessageBox(platform::Answer::OK);
        const std::size_t notesBefore = boxTexts().size();
        EXPECT_TRUE(datafile::ExportTransactions(book, file, options, source));
        const std::vector<std::string> texts = boxTexts();
        EXPECT_EQ(std::vector<std::string>(texts.begin() + static_cast<std::ptrdiff_t>(notesBefore), texts.end()),
                  std::vector<std::string>{"Split lines are not carried by a delimited file : 1 transaction with "
                                           "splits was exported without them."});
        return readBytes(file);
    }

    std::vector<std::string> boxTexts() const { return services.messageTexts(); }

    FakeDataFileWindow window;
    TempFolder folder;
    std::filesystem::path file = folder / "OUT.EXP";
};

TEST_F(TextExchangeTest, ExportsChosenFieldsInLayoutOrderAsQuotedWindowsLines)
{
    loadFixture();

    EXPECT_EQ(exportTransactions({{3, 1}}, TransactionSource::Grid), "\"CHQ100\",\"000011\"\r\n\"INV001\",\"000010\"\r\n");
    // Table order; the deleted 000012 is left out, so it cannot come back live.
    EXPECT_EQ(exportTransactions({{3, 1}}), "\"INV001\",\"000010\"\r\n\"CHQ100\",\"000011\"\r\n");
    EXPECT_EQ(exportTransactions({AllTransactionFields, '\t'}), quotedLine(Record10, '\t') + quotedLine(Record11, '\t'));
}

TEST_F(TextExchangeTest, SignAndExpandCodesChangeTheValuesWritten)
{
    loadFixture();

    ExportOptions options{{9, 12, 4, 5, 7}};
    options.signTransactions = true;
    options.expandCodes = true;

    EXPECT_EQ(exportTransactions(options),
              "\"00000117.50\",\"00000117.50\",\"Barclays Current    \",\"Acme Widgets        \",\"Sales               \"\r\n"
              "\"-00000070.00\",\"-00000000.00\",\"Barclays Current    \",\"\",\"Stationery          \"\r\n");
}

TEST_F(TextExchangeTest, MemoKeepsItsLineBreakBytesAndADoubleQuoteIsWrittenAsASingleOne)
{
    loadFixture();
    std::string line(book.ledger.Transactions.Line(2));
    line.replace(42, 17, "Paper \"A4\", reams");
    book.ledger.Transactions.Replace(2, line);

    EXPECT_EQ(exportTransactions({{8}}), "\"" + StoredMemo + "\"\r\n\"" +
                                             runtime::padRight("Paper 'A4', reams", 74) + "\"\r\n");
}

TEST_F(TextExchangeTest, ExportsCustomersWithFlattenedAddressesAndCategories)
{
    loadFixture();

    ASSERT_TRUE(datafile::ExportCustomers(book, file, {{1, 2, 3, 4, 5}}));
    EXPECT_EQ(readBytes(file),
              quotedLine({"ACME01", "Acme Widgets        ", runtime::padRight("2 Mill Lane  York", 80), "01904 111222   ",
                          "01904 111333   "}) +
                  quotedLine({"bolt02", "Bolt & Co           ", runtime::space(80), runtime::space(15), runtime::space(15)}));

    ASSERT_TRUE(datafile::ExportCategories(book, file, {{2, 1}, '\t'}));
    EXPECT_EQ(readBytes(file), "\"Sales               \"\t\"SALE\"\r\n\"Stationery          \"\t\"STAT\"\r\n");
}

TEST_F(TextExchangeTest, NothingToExportIsShownAndTheOldFileKept)
{
    writeBytes(file, "old");
    const ExportOptions options{{1}};
    for (int i = 0; i < 4; ++i)
        services.answerMessageBox(platform::Answer::OK);

    EXPECT_FALSE(datafile::ExportTransactions(book, file, options, TransactionSource::Grid));
    EXPECT_FALSE(datafile::ExportTransactions(book, file, options, TransactionSource::All));
    EXPECT_FALSE(datafile::ExportCustomers(book, file, options));
    EXPECT_FALSE(datafile::ExportCategories(book, file, options));

    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"There are no transactions in the grid.",
                                                    "There are no transactions in this file.",
                                                    "Current file has no customers.", "Current file has no categories."}));
    EXPECT_EQ(readBytes(file), "old");
}

TEST_F(TextExchangeTest, AllFieldsExportImportsBackWithNewNumbersAndNoSplits)
{
    loadFixture();
    services.answerMessageBox(platform::Answer::OK);
    ASSERT_TRUE(datafile::ExportTransactions(book, file, {AllTransactionFields}, TransactionSource::All));
    ASSERT_TRUE(datafile::ExportCustomers(book, folder / "CUST.EXP", {{1, 2, 3, 4, 5}}));
    ASSERT_TRUE(datafile::ExportCategories(book, folder / "CATS.EXP", {{1, 2}}));
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Split lines are not carried by a delimited file : 1 transaction "
                                                   "with splits was exported without them."});

    platform::ScriptedServices otherServices;
    otherServices.answerMessageBox(platform::Answer::OK);
    core::Book empty{otherServices};
    FakeDataFileWindow otherWindow;
    empty.ledger.AttachWindow(otherWindow);
    ASSERT_TRUE(datafile::ImportTransactions(empty, datafile::ReadDelimitedRecords(file, 16)));
    ASSERT_TRUE(datafile::ImportCustomers(empty, datafile::ReadDelimitedRecords(folder / "CUST.EXP", 5)));
    ASSERT_TRUE(datafile::ImportCategories(empty, datafile::ReadDelimitedRecords(folder / "CATS.EXP", 2)));
    EXPECT_EQ(otherServices.messageTexts(), std::vector<std::string>{"Split lines are not carried by a delimited file : "
                                                                     "1 transaction with splits was imported without them."});

    ASSERT_EQ(empty.ledger.Transactions.UpperBound(), 2);
    for (int r = 1; r <= 2; ++r) {
        const std::string_view imported = empty.ledger.Transactions.Line(r);
        EXPECT_EQ(imported.substr(0, 6), r == 1 ? "000001" : "000002");
        // Every field but the number comes back; a split count comes back 0, with no split lines.
        std::string fields(book.ledger.Transactions.Line(r).substr(6, 150));
        fields.replace(146, 3, "000");
        EXPECT_EQ(imported.substr(6), fields);
    }
    EXPECT_EQ(empty.codes.ListCustCodes.List(0),
              runtime::padRight("ACME01 Acme Widgets         " + runtime::padRight("2 Mill Lane  York", 80) +
                                    " 01904 111222    01904 111333   ", 140));
    EXPECT_EQ(empty.codes.ListCustCodes.List(1), book.codes.ListCustCodes.List(1));
    EXPECT_EQ(empty.codes.ComboCustomer.List(0), "ACME01 Acme Widgets");
    EXPECT_EQ(empty.codes.ListAnalCodes.List(1), book.codes.ListAnalCodes.List(1));
    EXPECT_EQ(empty.codes.ComboAnal.List(1), "STAT Stationery");
    EXPECT_TRUE(empty.ledger.FileChanged);
    EXPECT_EQ(empty.ledger.DateIndex.UpperBound(), 2);
}

TEST_F(TextExchangeTest, CodeImportsMarkTheBookChangedAndSkipDuplicates)
{
    loadFixture();
    book.ledger.FileChanged = false;
    services.answerMessageBox(platform::Answer::OK);

    EXPECT_TRUE(datafile::ImportCategories(book, {{"SALE", "Other sales"}, {"RENT", "Rent"}}));

    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Code 'SALE' already exists"});
    ASSERT_EQ(book.codes.ListAnalCodes.ListCount(), 3);
    EXPECT_EQ(book.codes.ListAnalCodes.List(0), runtime::padRight("RENT Rent", 25));
    EXPECT_TRUE(book.ledger.FileChanged);
}

TEST_F(TextExchangeTest, RecordItemsMapOntoTheTransaction)
{
    const core::TransactionFields fields = datafile::FieldsToTransaction(
        {"999999", "01/Feb/2025", "REFERENCE", "BANK01", "", "STD", "SALE", "memo", "-12.5", "y", "Y", "-3x",
         " -1.25", "2", "N", "PAY"});

    EXPECT_EQ(fields.Number, "      ");
    EXPECT_EQ(fields.Date, "01/Feb/2025");
    EXPECT_EQ(fields.Reference, "REFERE");
    EXPECT_EQ(fields.Customer, "      ");
    EXPECT_EQ(fields.Memo, runtime::padRight("memo", 74));
    EXPECT_EQ(fields.Amount, 12.5);
    EXPECT_FALSE(fields.Reconciled); // only an upper-case Y sets a flag
    EXPECT_TRUE(fields.Paid);
    EXPECT_EQ(fields.AmountPaid, 3);
    EXPECT_EQ(fields.VATAmount, -1.25);
    EXPECT_EQ(fields.SplitCount, 0); // the file carries no split lines
    EXPECT_FALSE(fields.EEC);
    EXPECT_EQ(fields.Type, "PAY");
    EXPECT_FALSE(fields.Deleted);
}

TEST_F(TextExchangeTest, ADateWrittenOutIsStoredInItsOwnYear)
{
    const struct {
        const char* item;
        const char* stored;
    } cases[] = {
        {"15 March 2025", "20250315"}, {"1 December 2024", "20241201"}, {"15 / 03 / 2025", "20250315"},
        {"01/Feb/2025", "20250201"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        platform::ScriptedServices otherServices;
        core::Book other{otherServices};
        FakeDataFileWindow otherWindow;
        other.ledger.AttachWindow(otherWindow);
        const datafile::ImportRecord record = {"", c.item, "R", "BANK01", "", "STD", "SALE", "m", "1.00", "", "",
                                               "0", "0", "0", "", "PAY"};
        ASSERT_TRUE(datafile::ImportTransactions(other, {record}));
        ASSERT_EQ(other.ledger.Transactions.UpperBound(), 1);
        EXPECT_EQ(other.ledger.Transactions.Line(1).substr(6, 8), c.stored);
    }
}

TEST_F(TextExchangeTest, RecordsThatDoNotFitTheTableAreRefusedBeforeAnyIsAdded)
{
    const std::string line = "000001" + std::string(150, ' ');
    for (int i = 0; i < core::TransactionTable::MaxTransactions - 1; ++i)
        book.ledger.Transactions.Append(line);
    services.answerMessageBox(platform::Answer::OK);
    const datafile::ImportRecord record = {"", "01/Feb/2025", "R", "BANK01", "", "STD", "SALE", "m", "1", "", "",
                                           "0", "0", "0", "", "PAY"};

    EXPECT_FALSE(datafile::ImportTransactions(book, {record, record}));

    ASSERT_EQ(boxTexts().size(), 1u);
    EXPECT_TRUE(boxTexts().front().starts_with("You have  32766 transactions in this file."));
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), core::TransactionTable::MaxTransactions - 1);
    EXPECT_FALSE(book.ledger.FileChanged);
}

TEST_F(TextExchangeTest, ARecordThatDoesNotAssembleIsSkippedAndItsNumberGivenBack)
{
    services.answerMessageBox(platform::Answer::OK);
    const datafile::ImportRecord bad = {"", "not a date", "R", "BANK01", "", "STD", "SALE", "m", "1", "", "",
                                        "0", "0", "0", "", "PAY"};
    datafile::ImportRecord good = bad;
    good[1] = "01/Feb/2025";

    EXPECT_TRUE(datafile::ImportTransactions(book, {bad, good}));

    ASSERT_EQ(book.ledger.Transactions.UpperBound(), 1);
    EXPECT_EQ(book.ledger.Transactions.Line(1).substr(0, 14), "00000120250201");
    EXPECT_EQ(boxTexts().size(), 1u);
}

TEST_F(TextExchangeTest, ACountTooLargeForItsFieldRefusesTheWholeFileBeforeAnythingIsShown)
{
    const datafile::ImportRecord good = {"", "01/Feb/2025", "R", "BANK01", "", "STD", "SALE", "m", "1", "", "",
                                         "0", "0", "0", "", "PAY"};
    datafile::ImportRecord tooMany = good;
    tooMany[13] = "99999";
    datafile::ImportRecord undated = good;
    undated[1] = "not a date";

    try {
        datafile::ImportTransactions(book, {undated, good, tooMany});
        ADD_FAILURE() << "no error raised";
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.number(), runtime::Overflow);
    }

    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 0);
    EXPECT_EQ(book.counters.TransactionNumberCounter, 0);
    EXPECT_FALSE(book.ledger.FileChanged);
    EXPECT_TRUE(boxTexts().empty()) << "the record that does not assemble is not shown first";
}

TEST_F(TextExchangeTest, AValueThatIsNoNumberRefusesTheFileNamingItsLineAndLeavesTheCountersAlone)
{
    loadFixture();
    const double numberBefore = book.counters.TransactionNumberCounter;
    const double invoiceBefore = book.counters.InvoiceNumberCounter;
    const datafile::ImportRecords records =
        datafile::ReadDelimitedRecords(std::filesystem::path(QB_TEST_DATA) / "exchange" / "amount-1E999.EXP", 16);

    try {
        datafile::ImportTransactions(book, records);
        ADD_FAILURE() << "the file was imported";
    } catch (const datafile::ExchangeFileError& error) {
        EXPECT_EQ(error.description(), "line 2 holds '1E999' in field 9, which is not a number");
    }

    EXPECT_EQ(book.counters.TransactionNumberCounter, numberBefore);
    EXPECT_EQ(book.counters.InvoiceNumberCounter, invoiceBefore);
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 3);
    EXPECT_FALSE(book.ledger.FileChanged);
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(TextExchangeTest, NumericItemsAreSignDigitsAndOnePointOnly)
{
    const struct {
        const char* text;
        double read; // by the field mapping, which takes the number at the start
        bool imported;
    } cases[] = {
        {"00000117.50", 117.5, true}, {"  -12.5  ", 12.5, true}, {"+3", 3, true},   {"12.", 12, true},
        {".5", 0.5, true},            {"", 0, true},             {"   ", 0, true},   {"1E5", 1, false},
        {"1E999", 1, false},          {"1.2.3", 1.2, false},     {"12abc", 12, false}, {"1,234.50", 1, false},
        {"-", 0, false},              {".", 0, false},           {"abc", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        datafile::ImportRecord record = {"", "01/Feb/2025", "R", "BANK01", "", "STD", "SALE", "m", c.text, "", "",
                                         "0", "0", "0", "", "PAY"};
        const std::vector<std::string_view> items(record.begin(), record.end());
        EXPECT_EQ(datafile::FieldsToTransaction(datafile::ImportItems(items)).Amount, c.read);

        platform::ScriptedServices otherServices;
        core::Book other{otherServices};
        FakeDataFileWindow otherWindow;
        other.ledger.AttachWindow(otherWindow);
        try {
            EXPECT_TRUE(datafile::ImportTransactions(other, {record}));
            EXPECT_TRUE(c.imported);
            ASSERT_EQ(other.ledger.Transactions.UpperBound(), 1);
            core::TransactionFields stored;
            core::ParseTransactionRecord(other, other.ledger.Transactions.Line(1), stored);
            EXPECT_EQ(stored.Amount, c.read);
        } catch (const datafile::ExchangeFileError& error) {
            EXPECT_FALSE(c.imported);
            EXPECT_EQ(error.description(), "line 1 holds '" + std::string(c.text) + "' in field 9, which is not a number");
            EXPECT_EQ(other.ledger.Transactions.UpperBound(), 0);
            EXPECT_EQ(other.counters.TransactionNumberCounter, 0);
        }
    }
}

TEST_F(TextExchangeTest, EveryNumericItemIsChecked)
{
    for (std::size_t item : datafile::NumericTransactionItems) {
        SCOPED_TRACE(item);
        datafile::ImportRecord record = {"", "01/Feb/2025", "R", "BANK01", "", "STD", "SALE", "m", "1", "", "",
                                         "0", "0", "0", "", "PAY"};
        record[item - 1] = "2E1";
        try {
            datafile::ImportTransactions(book, {record, record});
            ADD_FAILURE() << "the record was imported";
        } catch (const datafile::ExchangeFileError& error) {
            EXPECT_EQ(error.description(), "line 1 holds '2E1' in field " + std::to_string(item) + ", which is not a number");
        }
    }
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 0);
}

TEST_F(TextExchangeTest, ImportedSplitCountsAgreeWithTheirNoSplitLinesAndAreNotedOnce)
{
    datafile::ImportRecord split = {"", "01/Feb/2025", "R", "BANK01", "", "SPL", "SALE", "m", "10", "", "",
                                    "0", "1.75", "2", "", "PAY"};
    datafile::ImportRecord halfCount = split;
    halfCount[13] = "0.5"; // rounds to the even neighbour: no splits
    datafile::ImportRecord oneSplit = split;
    oneSplit[13] = "1";
    services.answerMessageBox(platform::Answer::OK);

    ASSERT_TRUE(datafile::ImportTransactions(book, {split, halfCount, oneSplit}));

    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Split lines are not carried by a delimited file : 2 transactions "
                                                   "with splits were imported without them."});
    ASSERT_EQ(book.ledger.Transactions.UpperBound(), 3);
    for (int r = 1; r <= 3; ++r) {
        const std::string_view line = book.ledger.Transactions.Line(r);
        EXPECT_EQ(line.size(), static_cast<std::size_t>(core::RecordFixedLength));
        EXPECT_EQ(line.substr(152, 3), "000");
        EXPECT_EQ(line.substr(32, 3), "SPL");
    }
}

TEST_F(TextExchangeTest, ACodeTheDataFileCannotKeepRefusesTheWholeImport)
{
    const std::string pair = "\xFC\xFD";
    const datafile::ImportRecord transaction = {"", "01/Feb/2025", "R", "BANK01", "ACME01", "STD", "SALE", "m" + pair,
                                                "10", "", "", "0", "0", "0", "", "PAY"};
    const datafile::ImportRecord customer = {"ACME02", "Acme", "Mill Lane" + pair + "York", "", ""};
    const datafile::ImportRecord category = {"RENT", "Rent"};
    const struct {
        const char* name;
        datafile::ExchangeKind kind;
        std::size_t field;
        std::string code;
        bool refused;
    } cases[] = {
        {"bank code", datafile::ExchangeKind::Transactions, 4, "B" + pair + "K", true},
        {"customer code", datafile::ExchangeKind::Transactions, 5, "ACME" + pair, true},
        {"VAT code", datafile::ExchangeKind::Transactions, 6, "S" + pair, true},
        {"category code", datafile::ExchangeKind::Transactions, 7, pair + "LE", true},
        {"customer", datafile::ExchangeKind::Customers, 1, "AC" + pair + "E", true},
        {"category", datafile::ExchangeKind::Categories, 1, "R" + pair, true},
        {"a pair cut off with the code's end", datafile::ExchangeKind::Transactions, 4, "BANK0" + pair, false},
        {"a lone 252", datafile::ExchangeKind::Customers, 1, "M\xFCLLER", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedServices otherServices;
        core::Book other{otherServices};
        FakeDataFileWindow otherWindow;
        other.ledger.AttachWindow(otherWindow);
        datafile::ImportRecord record = c.kind == datafile::ExchangeKind::Transactions ? transaction
                                        : c.kind == datafile::ExchangeKind::Customers  ? customer
                                                                                       : category;
        record[c.field - 1] = c.code;
        const auto import = [&] {
            const datafile::ImportRecords records{record, record};
            switch (c.kind) {
            case datafile::ExchangeKind::Transactions: return datafile::ImportTransactions(other, records);
            case datafile::ExchangeKind::Customers: return datafile::ImportCustomers(other, records);
            case datafile::ExchangeKind::Categories: return datafile::ImportCategories(other, records);
            }
            return false;
        };
        if (!c.refused && c.kind != datafile::ExchangeKind::Transactions)
            otherServices.answerMessageBox(platform::Answer::OK); // the second is a duplicate
        try {
            EXPECT_TRUE(import());
            EXPECT_FALSE(c.refused);
        } catch (const datafile::ExchangeFileError& error) {
            EXPECT_TRUE(c.refused);
            EXPECT_EQ(error.description(), "line 1 holds '" + c.code + "' in field " + std::to_string(c.field)
                                               + ", a code holding the characters 252 253, which a data file reads "
                                                 "as a line break");
        }
        const int added = other.ledger.Transactions.UpperBound() + other.codes.ListCustCodes.ListCount()
                          + other.codes.ListAnalCodes.ListCount();
        EXPECT_EQ(added, c.refused ? 0 : c.kind == datafile::ExchangeKind::Transactions ? 2 : 1);
        EXPECT_EQ(other.counters.TransactionNumberCounter, other.ledger.Transactions.UpperBound());
        EXPECT_FALSE(c.refused && other.ledger.FileChanged);
    }
}

struct LineCase {
    const char* line;
    std::vector<std::string> values;
    bool wellFormed;
};

TEST(ParseQuotedImportLine, ReadsQuotedAndPlainItems)
{
    const LineCase cases[] = {
        {R"("a","b")", {"a", "b"}, true},
        {R"("","x")", {"", "x"}, true},
        {R"("memo, with ""quotes""",2)", {R"(memo, with "quotes")", "2"}, true},
        {R"(  "a", b ,c)", {"a", "b ", "c"}, true},
        {R"("a",)", {"a", ""}, true},
        {"", {}, true},
        {"\"a\"\t\"b\"", {}, false},
        {R"("a","b" ,"c")", {"a"}, false},
        {R"("a","unclosed)", {"a"}, false},
    };
    for (const LineCase& c : cases) {
        const datafile::DelimitedLine parsed = datafile::ParseQuotedImportLine(c.line);
        EXPECT_EQ(parsed.values, c.values) << c.line;
        EXPECT_EQ(parsed.wellFormed, c.wellFormed) << c.line;
    }
}

class ExchangeFileTest : public testing::Test {
protected:
    std::vector<std::string> linesOf(const std::string& bytes)
    {
        writeBytes(file, bytes);
        return datafile::ReadExchangeLines(file);
    }

    // The description of the error reading `bytes` raises; "" when none.
    std::string faultOf(const std::string& bytes, int fieldCount)
    {
        writeBytes(file, bytes);
        try {
            datafile::ReadDelimitedRecords(file, fieldCount);
        } catch (const datafile::ExchangeFileError& error) {
            return error.description();
        }
        return "";
    }

    TempFolder folder;
    std::filesystem::path file = folder / "IN.EXP";
};

TEST_F(ExchangeFileTest, AnyLineEndSeparatesLinesAndUtf8IsDecoded)
{
    const std::vector<std::string> expected = {"\"a\"", "\"b\""};
    EXPECT_EQ(linesOf("\"a\"\r\n\"b\"\r\n"), expected);
    EXPECT_EQ(linesOf("\"a\"\n\"b\""), expected);
    EXPECT_EQ(linesOf("\"a\"\r\"b\"\r"), expected);
    EXPECT_EQ(linesOf(""), std::vector<std::string>{});

    EXPECT_EQ(linesOf("\"\xC2\xA3" "5\",\"caf\xC3\xA9\""), std::vector<std::string>{"\"\xA3" "5\",\"caf\xE9\""});
    EXPECT_EQ(linesOf("\xEF\xBB\xBF\"x\""), std::vector<std::string>{"\"x\""});
    EXPECT_EQ(linesOf("\xEF\xBB\xBF\"\xE2\x82\xAC\""), std::vector<std::string>{"\"\x80\""});
    // Not valid UTF-8: the bytes are Windows-1252 already.
    EXPECT_EQ(linesOf("\"\xA3\xE9\""), std::vector<std::string>{"\"\xA3\xE9\""});
}

TEST_F(ExchangeFileTest, AFileThatCannotBeImportedSaysWhichLine)
{
    EXPECT_EQ(faultOf("\"a\",\"b\"\r\n\"\xC5\x82\",\"b\"\r\n", 2),
              "line 2 holds a character that Windows-1252 cannot hold (U+0142)");
    EXPECT_EQ(faultOf("\"a\",\"b\"\r\n\"a\",\"b\"\r\n\"a\",\"b\",\"c\"\r\n", 2),
              "line 3 does not hold the 2 fields of the layout");
    EXPECT_EQ(faultOf("\"a\",\"b\"\r\n\"a\"\r\n", 2), "line 2 does not hold the 2 fields of the layout");
    EXPECT_EQ(faultOf("\"a\",\"b\"x\r\n", 2), "line 1 does not hold the 2 fields of the layout");
    EXPECT_EQ(faultOf("\"a\",\"b\"\n\"c\",\"d\"", 2), "");
}

} // namespace
