#include "BookTest.h"

#include <functional>
#include <limits>
#include <string>

#include "core/Balances.h"
#include "core/TransactionRecord.h"

namespace {

// An older line alone in stored form, as the converter appends it; nothing where it appends nothing.
std::optional<std::string> oldRecordInStoredForm(std::string_view line)
{
    std::string text;
    if (!core::AppendOldRecordInStoredForm(text, line))
        return std::nullopt;
    return text;
}

using core::TransactionFields;

std::string padded(const std::string& text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

// One 51-character split entry.
std::string splitEntry(const char* number, const std::string& memo, const std::string& gross, const char* code)
{
    return number + padded(memo, 30) + std::string(11 - gross.size(), ' ') + gross + padded(code, 3) + "    ";
}

TransactionFields payment()
{
    TransactionFields fields;
    fields.Number = "000042";
    fields.Date = "05/Mar/2024";
    fields.Reference = "CHQ12";
    fields.Bank = "BANK1";
    fields.Customer = "SMITH";
    fields.VAT = "S";
    fields.Category = "FUEL";
    fields.Type = "PAY";
    fields.Memo = "Diesel";
    fields.Amount = -117.5;
    fields.Reconciled = true;
    fields.VATAmount = -17.5;
    fields.EEC = true;
    return fields;
}

// The record of payment(), written out column by column.
const std::string PaymentRecord = "000042" "20240305" "CHQ12 " "BANK1 " "SMITH " "S  " "FUEL" "PAY"
                                  + padded("Diesel", 74) + "00000117.50" "Y" " " " " "00000000.00"
                                  + "     -17.50" "000" "Y";

void expectSameFields(const TransactionFields& a, const TransactionFields& b)
{
    EXPECT_EQ(a.Number, b.Number);
    EXPECT_EQ(a.Date, b.Date);
    EXPECT_EQ(a.Reference, b.Reference);
    EXPECT_EQ(a.Bank, b.Bank);
    EXPECT_EQ(a.Customer, b.Customer);
    EXPECT_EQ(a.VAT, b.VAT);
    EXPECT_EQ(a.Category, b.Category);
    EXPECT_EQ(a.Type, b.Type);
    EXPECT_EQ(a.Memo, b.Memo);
    EXPECT_DOUBLE_EQ(a.Amount, b.Amount);
    EXPECT_EQ(a.Reconciled, b.Reconciled);
    EXPECT_EQ(a.Paid, b.Paid);
    EXPECT_EQ(a.Deleted, b.Deleted);
    EXPECT_DOUBLE_EQ(a.AmountPaid, b.AmountPaid);
    EXPECT_DOUBLE_EQ(a.VATAmount, b.VATAmount);
    EXPECT_EQ(a.SplitCount, b.SplitCount);
    EXPECT_EQ(a.EEC, b.EEC);
}

class TransactionRecord : public BookTest {};

TEST_F(TransactionRecord, AssemblesTheFixedColumnsAndMakesTheAmountPositive)
{
    ASSERT_EQ(PaymentRecord.size(), 156u);
    TransactionFields fields = payment();
    const auto record = core::AssembleTransactionRecord(book, fields);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(*record, PaymentRecord);
    EXPECT_EQ(fields.Amount, 117.5) << "the caller's amount is made positive";
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TransactionRecord, ParseAndAssembleRoundTrip)
{
    const std::string twoSplits = splitEntry("001", "Fuel", "100.00", "S") + splitEntry("002", "Oil", "17.50", "Z");
    TransactionFields invoice = payment();
    invoice.Type = "INV";
    invoice.Number = "999999";
    invoice.Date = "31/Dec/2079";
    invoice.Memo = std::string(74, 'M');
    invoice.Amount = 99999999.99;
    invoice.Paid = true;
    invoice.Deleted = true;
    invoice.Reconciled = false;
    invoice.AmountPaid = 12.34;
    invoice.VATAmount = 99999999.99;
    invoice.VAT = "SPL";
    invoice.SplitCount = 2;
    invoice.EEC = false;

    TransactionFields lowest = payment();
    lowest.Date = "01/Jan/1950";
    lowest.VATAmount = -9999999.99;
    lowest.Customer = "";

    struct Case {
        const char* name;
        TransactionFields fields;
        std::string tail;
    };
    const Case cases[] = {
        {"payment", payment(), ""},
        {"invoice with splits at the widest values", invoice, twoSplits},
        {"lowest VAT amount, blank customer", lowest, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TransactionFields fields = c.fields;
        book.SplitTail = c.tail;
        const auto record = core::AssembleTransactionRecord(book, fields);
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->size(), 156u + c.tail.size());

        book.SplitTail = "left over";
        TransactionFields parsed;
        core::ParseTransactionRecord(book, *record, parsed);
        EXPECT_EQ(book.SplitTail, c.tail);
        TransactionFields expected = fields;
        expected.Customer = padded(fields.Customer, 6);
        expected.Memo = padded(fields.Memo, 74);
        expected.Reference = padded(fields.Reference, 6);
        expected.Bank = padded(fields.Bank, 6);
        expected.VAT = padded(fields.VAT, 3);
        expectSameFields(parsed, expected);

        const auto again = core::AssembleTransactionRecord(book, parsed);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(*again, *record) << "assembling right after a parse reproduces the line";
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TransactionRecord, ParsingReadsColumnsLeniently)
{
    TransactionFields fields;
    // A split count of 0 drops whatever follows the fixed part.
    core::ParseTransactionRecord(book, PaymentRecord + "trailing", fields);
    EXPECT_EQ(book.SplitTail, "");
    EXPECT_EQ(fields.Date, "05/Mar/2024");
    EXPECT_DOUBLE_EQ(fields.VATAmount, -17.5);

    // A short line reads its missing columns as blanks and zero.
    core::ParseTransactionRecord(book, "000007" "20240101" "REF", fields);
    EXPECT_EQ(fields.Number, "000007");
    EXPECT_EQ(fields.Date, "01/Jan/2024");
    EXPECT_EQ(fields.Reference, "REF   ");
    EXPECT_EQ(fields.Memo, std::string(74, ' '));
    EXPECT_EQ(fields.Amount, 0);
    EXPECT_EQ(fields.SplitCount, 0);
    EXPECT_FALSE(fields.Reconciled);
    EXPECT_EQ(book.SplitTail, "");

    // A damaged split count beyond 16 bits still reads, and the line keeps its tail.
    std::string damaged = PaymentRecord + "tail";
    damaged.replace(152, 3, "9E9");
    core::ParseTransactionRecord(book, damaged, fields);
    EXPECT_EQ(fields.SplitCount, 32767);
    EXPECT_EQ(book.SplitTail, "tail");
}

TEST_F(TransactionRecord, ANewTransactionTakesWhateverTailIsSet)
{
    const std::string tail = splitEntry("001", "Left over", "1.00", "S");
    book.SplitTail = tail;
    TransactionFields fields = payment();
    EXPECT_EQ(core::AssembleTransactionRecord(book, fields), PaymentRecord + tail);
    book.SplitTail.clear();
    EXPECT_EQ(core::AssembleTransactionRecord(book, fields), PaymentRecord);
}

struct OverLongCase {
    const char* name;
    std::function<void(TransactionFields&)> change;
    std::size_t length;
};

const OverLongCase OverLongCases[] = {
    {"amount of 100,000,000", [](TransactionFields& f) { f.Amount = 100000000; }, 157},
    {"amount that rounds up to 100,000,000", [](TransactionFields& f) { f.Amount = -99999999.999; }, 157},
    {"negative amount paid", [](TransactionFields& f) { f.AmountPaid = -10; }, 157},
    {"VAT amount of 100,000,000", [](TransactionFields& f) { f.VATAmount = 100000000; }, 157},
    {"VAT amount of -10,000,000", [](TransactionFields& f) { f.VATAmount = -10000000; }, 157},
    {"split count of 1000", [](TransactionFields& f) { f.SplitCount = 1000; }, 157},
    {"negative split count", [](TransactionFields& f) { f.SplitCount = -1; }, 157},
    {"seven-digit number", [](TransactionFields& f) { f.Number = "1000000"; }, 157},
    {"date that does not read", [](TransactionFields& f) { f.Date = "31/Feb/2024"; }, 159},
    {"blank date", [](TransactionFields& f) { f.Date = ""; }, 159},
};

TEST_F(TransactionRecord, AnOverLongRecordIsReportedAndNotHandedBack)
{
    const std::string tail = splitEntry("001", "Kept", "5.00", "S");
    for (const auto& c : OverLongCases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedServices scripted;
        core::Book fresh(scripted);
        fresh.messages.MessagesEnabled = true;
        fresh.SplitTail = tail;
        scripted.answerMessageBox(platform::Answer::OK);
        TransactionFields fields = payment();
        c.change(fields);

        EXPECT_FALSE(core::AssembleTransactionRecord(fresh, fields).has_value());
        ASSERT_EQ(scripted.messageBoxes().size(), 1u);
        const std::string& text = scripted.messageBoxes()[0].box.text;
        const std::string prefix = "Assembled field is  " + std::to_string(c.length) + " bytes long:- [";
        ASSERT_EQ(text.substr(0, prefix.size()), prefix);
        const std::string fixedPart = text.substr(prefix.size(), text.size() - prefix.size() - 1);
        EXPECT_EQ(fixedPart.size(), c.length);
        EXPECT_EQ(text.back(), ']');
        EXPECT_EQ(scripted.messageBoxes()[0].box.icon, platform::Icon::Critical);

        // The converters' variant hands the line back marked, so it can be dropped and logged.
        scripted.answerMessageBox(platform::Answer::OK);
        fields = payment();
        c.change(fields);
        EXPECT_EQ(core::AssembleTransactionRecordMarked(fresh, fields), "\xBB" + fixedPart + tail);
        EXPECT_EQ(scripted.messageBoxes().size(), 2u);
    }
}

TEST_F(TransactionRecord, AnOverLongRecordIsRefusedEvenWhileMessagesAreOff)
{
    book.messages.MessagesEnabled = false;
    TransactionFields fields = payment();
    fields.Amount = 100000000;
    EXPECT_FALSE(core::AssembleTransactionRecord(book, fields).has_value());
    EXPECT_EQ(core::AssembleTransactionRecordMarked(book, fields).substr(0, 7), "\xBB" "000042");
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TransactionRecord, TheMarkedVariantLeavesAGoodRecordAlone)
{
    book.SplitTail = splitEntry("001", "Fuel", "117.50", "S");
    TransactionFields fields = payment();
    EXPECT_EQ(core::AssembleTransactionRecordMarked(book, fields), PaymentRecord + book.SplitTail);
}

// The older layout: a six-character date, every later column two places earlier.
std::string olderRecord(const std::string& splitCount, const std::string& tail)
{
    return "000042" "240305" "CHQ12 " "BANK1 " "SMITH " "SPL" "FUEL" "PAY" + padded("Diesel", 74) + "00000117.50"
           + "Y" " " " " "00000000.00" "     -17.50" + splitCount + "Y" + tail;
}

TEST_F(TransactionRecord, OlderRecordsReadAtTheirOwnColumns)
{
    const std::string twoSplits = splitEntry("001", "Fuel", "100.00", "S") + splitEntry("002", "Oil", "17.50", "S");
    const std::string line = olderRecord("002", twoSplits);
    ASSERT_EQ(line.size(), 154u + 102u);
    TransactionFields fields;
    core::ParseOldTransactionRecord(book, line, fields);
    TransactionFields expected = payment();
    expected.Amount = 117.5;
    expected.Reference = "CHQ12 ";
    expected.Bank = "BANK1 ";
    expected.Customer = "SMITH ";
    expected.VAT = "SPL";
    expected.Memo = padded("Diesel", 74);
    expected.SplitCount = 2;
    expectSameFields(fields, expected);
    // The tail stops four characters before the end of the line.
    EXPECT_EQ(book.SplitTail, twoSplits.substr(0, twoSplits.size() - 4));

    core::ParseOldTransactionRecord(book, "000001" "791231", fields);
    EXPECT_EQ(fields.Date, "31/Dec/2079");
    core::ParseOldTransactionRecord(book, "000001" "801231", fields);
    EXPECT_EQ(fields.Date, "31/Dec/1980");
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TransactionRecord, AnOlderRecordThatLostItsSplitsIsRepairedAfterABox)
{
    const std::string tooShort = olderRecord("002", "abc");
    ASSERT_EQ(tooShort.size(), 157u);
    book.messages.MessagesEnabled = false; // the repair box shows all the same
    book.SplitTail = "stale";
    services.setMousePointer(core::HourglassPointer);
    services.answerMessageBox(platform::Answer::OK);
    TransactionFields fields;
    core::ParseOldTransactionRecord(book, tooShort, fields);

    EXPECT_EQ(services.mousePointer(), core::DefaultPointer);
    EXPECT_EQ(book.SplitTail, "");
    EXPECT_EQ(fields.SplitCount, 2) << "the record keeps its split count";
    EXPECT_EQ(services.beeps(), (std::vector<platform::Beep>{platform::Beep::Plain, platform::Beep::Exclamation}));
    const platform::MessageBox& box = onlyBox();
    EXPECT_EQ(box.title, "Transaction Split Error");
    EXPECT_EQ(box.icon, platform::Icon::Exclamation);
    EXPECT_EQ(box.buttons, platform::Buttons::OK);
    EXPECT_EQ(box.text, "Transaction Split Error in the following Record - Please make a note of the Record:\n\n"
                        "Press OK to REPAIR the record.\n\n"
                        + tooShort);
}

TEST_F(TransactionRecord, OlderRecordsWithoutABoxForTheRepair)
{
    const std::pair<std::string, std::string> cases[] = {
        {olderRecord("002", "abcd"), ""},      // 158 characters: an empty tail, no box
        {olderRecord("000", "abc"), ""},       // no splits promised
        {olderRecord("001", std::string(51, 'x')), std::string(47, 'x')},
    };
    for (const auto& [line, tail] : cases) {
        SCOPED_TRACE(line.size());
        book.SplitTail = "stale";
        TransactionFields fields;
        core::ParseOldTransactionRecord(book, line, fields);
        EXPECT_EQ(book.SplitTail, tail);
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

} // namespace

// Columns an edited file spoiled with numbers past the range of a double are held at its limit:
// a parse never stops with an overflow.
TEST_F(TransactionRecord, NumbersPastTheRangeOfADoubleAreHeldAtItsLimit)
{
    constexpr double Largest = std::numeric_limits<double>::max();
    std::string damaged = PaymentRecord;
    damaged.replace(116, 11, "1E999      ");
    damaged.replace(130, 11, "-1E999     ");
    damaged.replace(141, 11, "9E999      ");
    TransactionFields fields;
    core::ParseTransactionRecord(book, damaged, fields);
    EXPECT_EQ(fields.Amount, Largest);
    EXPECT_EQ(fields.AmountPaid, -Largest);
    EXPECT_EQ(fields.VATAmount, Largest);
    EXPECT_EQ(core::GetSignedAmount(damaged), -Largest) << "a payment";
}

namespace {

// A line with the text at 1-based column `start` put in place of what stood there.
std::string withColumn(std::string line, int start, const std::string& text)
{
    return line.replace(static_cast<std::size_t>(start - 1), text.size(), text);
}

class StoredForm : public BookTest {
protected:
    StoredForm() { book.messages.MessagesEnabled = false; }

    // What a parse and an assembly make of the line, under `number` when one is given.
    std::optional<std::string> parsedAndAssembled(const std::string& line, const std::string& number = "")
    {
        TransactionFields fields;
        core::ParseTransactionRecord(book, line, fields);
        if (!number.empty())
            fields.Number = number;
        return core::AssembleTransactionRecord(book, fields);
    }
};

TEST_F(StoredForm, AShownDateIsStoredAsTheDateParserReadsIt)
{
    const struct {
        const char* shown;
        const char* stored; // "" when the record is refused
    } cases[] = {{"05/Mar/2024", "20240305"}, {"05/MAR/2024", "20240305"}, {"5 March 2024", "20240305"},
                 {"29/Feb/2024", "20240229"}, {"05/Mar/0999", "09990305"}, {"31/Feb/2024", ""},
                 {"05/Mrz/2024", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        TransactionFields fields = payment();
        fields.Date = c.shown;
        const std::optional<std::string> record = core::AssembleTransactionRecord(book, fields);
        EXPECT_EQ(record ? record->substr(6, 8) : "", c.stored);
    }
}

TEST_F(StoredForm, ALineInStoredFormIsCopiedAsParsingAndAssemblingWouldStoreIt)
{
    const std::string tail = splitEntry("001", "Fuel", "100.00", "S") + splitEntry("002", "Oil", "17.50", "S");
    const struct {
        std::string line;
        bool stored;
    } cases[] = {
        {PaymentRecord, true},
        {withColumn(PaymentRecord, 153, "002") + tail, true},
        {PaymentRecord + "left over", true}, // no splits: the parse drops what follows
        {withColumn(PaymentRecord, 142, "       0.00"), true},
        {withColumn(PaymentRecord, 142, "-1234567.89"), true},
        {withColumn(withColumn(PaymentRecord, 128, "   "), 156, " "), true},
        {withColumn(PaymentRecord, 7, "20240230"), false}, // no such day
        {withColumn(PaymentRecord, 7, "09991231"), false},
        {withColumn(PaymentRecord, 7, "2024 305"), false},
        {withColumn(PaymentRecord, 117, "0000117.500"), false},
        {withColumn(PaymentRecord, 117, "-0000117.50"), false},
        {withColumn(PaymentRecord, 131, "        .50"), false},
        {withColumn(PaymentRecord, 142, "      -0.00"), false},
        {withColumn(PaymentRecord, 142, "     017.50"), false},
        {withColumn(PaymentRecord, 142, "    17.5   "), false},
        {withColumn(PaymentRecord, 128, "y"), false},
        {withColumn(PaymentRecord, 156, "N"), false},
        {withColumn(PaymentRecord, 153, " 2 "), false},
        {PaymentRecord.substr(0, 150), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::optional<std::string> stored = core::RecordInStoredForm(c.line);
        EXPECT_EQ(stored.has_value(), c.stored);
        if (stored) {
            EXPECT_EQ(stored, parsedAndAssembled(c.line));
        }
    }
    EXPECT_EQ(core::RecordInStoredForm(PaymentRecord, "777"), parsedAndAssembled(PaymentRecord, "777"));
    EXPECT_EQ(core::RecordInStoredForm(PaymentRecord, "000777")->substr(0, 14), "00077720240305");
    EXPECT_EQ(core::RecordInStoredForm(PaymentRecord, "1000000"), std::nullopt) << "assembly refuses seven digits";
}

TEST_F(StoredForm, AnOlderLineInStoredFormTakesItsCenturyAsConvertingWouldGiveIt)
{
    const std::string tail = splitEntry("001", "Fuel", "100.00", "S") + splitEntry("002", "Oil", "17.50", "S");
    const auto converted = [this](const std::string& line) {
        TransactionFields fields;
        core::ParseOldTransactionRecord(book, line, fields);
        return core::AssembleTransactionRecordMarked(book, fields);
    };
    for (const std::string& line : {olderRecord("002", tail + "    "), olderRecord("000", ""), olderRecord("000", "xx"),
                                    withColumn(olderRecord("000", ""), 7, "791231"),
                                    withColumn(olderRecord("000", ""), 7, "800101")}) {
        SCOPED_TRACE(line);
        const std::optional<std::string> stored = oldRecordInStoredForm(line);
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(*stored, converted(line));
    }
    EXPECT_EQ(oldRecordInStoredForm(olderRecord("002", tail + "    "))->substr(6, 8), "20240305");
    EXPECT_EQ(oldRecordInStoredForm(withColumn(olderRecord("000", ""), 7, "800101"))->substr(6, 8), "19800101");
    // A split count whose tail is lost needs the repair box; a bad date is left to the assembly's report.
    EXPECT_EQ(oldRecordInStoredForm(olderRecord("002", "")), std::nullopt);
    EXPECT_EQ(oldRecordInStoredForm(withColumn(olderRecord("000", ""), 7, "99AB31")), std::nullopt);
    EXPECT_TRUE(services.messageBoxes().empty());
}

// The grid and the reports build rows from TAB-separated cells: no TAB reaches a stored record.
TEST_F(StoredForm, ATabInAnyTextOfARecordIsStoredAsABlank)
{
    TransactionFields fields = payment();
    fields.Reference = "CH\tQ";
    fields.Memo = "Diesel\tand oil\xFC\xFD";
    book.SplitTail = splitEntry("001", "Fuel\tcan", "1.00", "S");
    const std::optional<std::string> assembled = core::AssembleTransactionRecord(book, fields);
    ASSERT_TRUE(assembled.has_value());
    EXPECT_EQ(assembled->substr(14, 6), "CH Q  ");
    EXPECT_EQ(assembled->substr(42, 16), "Diesel and oil\xFC\xFD") << "line breaks keep their escape";
    EXPECT_EQ(assembled->substr(156), splitEntry("001", "Fuel can", "1.00", "S"));
    EXPECT_EQ(core::AssembleTransactionRecordMarked(book, fields), *assembled);

    const std::string tail = splitEntry("001", "Fuel\tcan", "100.00", "S");
    const std::string withTabs = withColumn(withColumn(PaymentRecord, 43, "Diesel\tand oil"), 153, "001") + tail;
    const std::optional<std::string> copied = core::RecordInStoredForm(withTabs);
    ASSERT_TRUE(copied.has_value());
    EXPECT_EQ(copied->find('\t'), std::string::npos) << *copied;
    EXPECT_EQ(copied, parsedAndAssembled(withTabs));

    const std::string older = withColumn(olderRecord("001", tail + "    "), 41, "Diesel\tand oil");
    const std::optional<std::string> converted = oldRecordInStoredForm(older);
    ASSERT_TRUE(converted.has_value());
    EXPECT_EQ(converted->find('\t'), std::string::npos) << *converted;
}

// Records gathered in one text: each stored line follows the text before it, and a line that needs
// parsing (a lost split tail is found only after the fixed part is checked) adds nothing.
TEST_F(StoredForm, OlderLinesAppendedToOneTextFollowEachOtherAndARefusedOneAddsNothing)
{
    const std::string tail = splitEntry("001", "Fuel", "100.00", "S");
    const std::string first = olderRecord("001", tail + "    ");
    const std::string second = withColumn(olderRecord("000", ""), 7, "800101");
    std::string text = "kept";
    ASSERT_TRUE(core::AppendOldRecordInStoredForm(text, first));
    for (const std::string& refused : {olderRecord("002", ""), withColumn(olderRecord("000", ""), 7, "99AB31")}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(core::AppendOldRecordInStoredForm(text, refused));
    }
    ASSERT_TRUE(core::AppendOldRecordInStoredForm(text, second));
    EXPECT_EQ(text, "kept" + *oldRecordInStoredForm(first) + *oldRecordInStoredForm(second));
}

} // namespace
