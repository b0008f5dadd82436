#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeDataFileWindow.h"
#include "core/BookTest.h"
#include "core/CodeTableEdits.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "datafile/Archive.h"
#include "datafile/DataFile.h"
#include "runtime/Text.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace {

const std::filesystem::path Fixture = std::filesystem::path(QB_TEST_DATA) / "company.QBD";

class ArchiveTest : public BookTest {
protected:
    ArchiveTest()
    {
        book.ledger.AttachWindow(window);
        EXPECT_TRUE(datafile::LoadDataFile(Fixture, book, window));
        add("08/Apr/2024", "RCP", "BANK01", 40, true);
        add("12/Apr/2024", "BIL", "BANK01", 30, true);
        add("02/May/2024", "PAY", "CASH01", 5, false);
    }

    void add(const std::string& date, const std::string& type, const std::string& bank, double amount, bool reconciled)
    {
        core::TransactionFields f;
        f.Date = date;
        f.Reference = "REF   ";
        f.Bank = bank;
        f.Customer = "      ";
        f.VAT = "ZER";
        f.Category = "SALE";
        f.Type = type;
        f.Memo = runtime::padRight("Added", 74);
        f.Amount = amount;
        f.Reconciled = reconciled;
        book.SplitTail.clear();
        core::AddTransaction(book, f);
    }

    std::vector<std::string> liveNumbers() const
    {
        std::vector<std::string> numbers;
        for (const core::IndexEntry& entry : book.ledger.DateIndex.entries())
            numbers.push_back(runtime::left(book.ledger.Transactions.Line(entry.RecordNumber), 6));
        return numbers;
    }

    std::vector<std::string> tableLines() const
    {
        std::vector<std::string> lines;
        for (int record = 1; record <= book.ledger.Transactions.UpperBound(); ++record)
            lines.emplace_back(book.ledger.Transactions.Line(record));
        return lines;
    }

    std::string lastMessage() const
    {
        const std::vector<std::string> texts = services.messageTexts();
        return texts.empty() ? "(no message)" : texts.back();
    }

    FakeDataFileWindow window;
    TempFolder folder;
    std::filesystem::path archive = folder / "APRIL.ARC";
};

TEST_F(ArchiveTest, ARangeGoesToTheFileWithItsReconciledAmountsAndComesBack)
{
    const std::vector<std::string> before = tableLines();

    ASSERT_TRUE(datafile::ArchiveTransactions(archive, "01/Apr/2024", "30/Apr/2024", book));

    std::string expected = "[ARCHIVE FILE - Quillbook 2000-32]\r\n"
                           "<ARC> 01/Apr/2024 - 30/Apr/2024 Acme Trading Ltd (15/Jun/2025 00:00:00)\r\n";
    for (int record : {1, 4, 2, 5})
        expected += before[static_cast<std::size_t>(record - 1)] + "\r\n";
    EXPECT_EQ(readBytes(archive), expected);
    EXPECT_DOUBLE_EQ(core::GetBankAccount(book, "BANK01"), 940.00);
    EXPECT_DOUBLE_EQ(core::GetBankAccount(book, "CASH01"), 50.00);
    EXPECT_EQ(liveNumbers(), std::vector<std::string>{"000015"});
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 1);

    // Packing kept the applied filter, so the restored transactions are listed again.
    const core::FilterSetup filter = book.ledger.Filters.CurrentFilter;
    ASSERT_TRUE(datafile::RestoreArchiveFile(archive, book));
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{});

    EXPECT_EQ(liveNumbers(), (std::vector<std::string>{"000010", "000013", "000011", "000014", "000015"}));
    for (int record : {1, 4, 2, 5})
        EXPECT_NE(std::find(tableLines().begin(), tableLines().end(), before[static_cast<std::size_t>(record - 1)]),
                  tableLines().end());
    EXPECT_DOUBLE_EQ(core::GetBankAccount(book, "BANK01"), 1000.00);
    EXPECT_EQ(book.ledger.Filters.CurrentFilter, filter);
    EXPECT_EQ(book.ledger.Filters.PreviousFilter, filter);
}

TEST_F(ArchiveTest, AWriteFailureLeavesTheBookAndAnOlderArchiveAlone)
{
    writeBytes(archive, "older archive");
    const std::vector<std::string> before = tableLines();
    services.answerMessageBox(platform::Answer::OK);
    {
        const FileSizeLimit limit(200);
        EXPECT_FALSE(datafile::ArchiveTransactions(archive, "01/Apr/2024", "30/Apr/2024", book));
    }
    EXPECT_EQ(runtime::left(services.messageTexts().at(0), 16), "Archive error : ");
    EXPECT_EQ(readBytes(archive), "older archive");
    EXPECT_EQ(tableLines(), before);
    EXPECT_EQ(liveNumbers(), (std::vector<std::string>{"000010", "000013", "000011", "000014", "000015"}));
    EXPECT_DOUBLE_EQ(core::GetBankAccount(book, "BANK01"), 1000.00);
}

TEST_F(ArchiveTest, RestoreRefusesOtherFilesAndAFullTableWithoutChangingTheBook)
{
    ASSERT_TRUE(datafile::ArchiveTransactions(archive, "01/Apr/2024", "30/Apr/2024", book));
    const std::vector<std::string> before = tableLines();
    const std::filesystem::path other = folder / "OTHER.ARC";
    writeBytes(other, "[Transactions]\r\n");
    for (int box = 0; box < 3; ++box)
        services.answerMessageBox(platform::Answer::OK);

    EXPECT_FALSE(datafile::RestoreArchiveFile(other, book));
    EXPECT_FALSE(datafile::RestoreArchiveFile(folder / "MISSING.ARC", book));
    const std::string filler = runtime::padRight("00000120240101", core::RecordFixedLength);
    while (book.ledger.Transactions.UpperBound() < core::TransactionTable::MaxTransactions - 1)
        book.ledger.Transactions.Append(filler);
    const std::vector<std::string> full = tableLines();
    EXPECT_FALSE(datafile::RestoreArchiveFile(archive, book));

    const std::vector<std::string> texts = services.messageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Expected [ARCHIVE FILE] section, found '[Transactions]'  - Aborting Load");
    EXPECT_EQ(texts[1], "Restore error : File not found");
    EXPECT_EQ(runtime::left(texts[2], 44), "Abandoning Restore - unable to add record '0");
    EXPECT_EQ(tableLines(), full);
    EXPECT_DOUBLE_EQ(core::GetBankAccount(book, "BANK01"), 940.00);
}

TEST_F(ArchiveTest, ARefusedRestoreLeavesTheFilterInForceAndCopiesItIntoThePreviousFilter)
{
    core::FilterStore& filters = book.ledger.Filters;
    const core::FilterSetup inForce = filters.CurrentFilter;
    filters.PreviousFilter.Name = "An older set-up";
    ASSERT_NE(filters.PreviousFilter, inForce);
    const std::filesystem::path other = folder / "OTHER.ARC";
    writeBytes(other, "[Transactions]\r\n");
    services.answerMessageBox(platform::Answer::OK);

    EXPECT_FALSE(datafile::RestoreArchiveFile(other, book));

    EXPECT_EQ(filters.CurrentFilter, inForce);
    EXPECT_EQ(filters.PreviousFilter, inForce);
}

TEST_F(ArchiveTest, RestoringKeepsTheSplitTailOfTheEditBox)
{
    // A record in a form assembly does not write (its VAT amount left-aligned) is parsed, which
    // reads its split tail.
    const std::string tail = "001" + runtime::padRight("Part one", 30) + "      40.00ZER    ";
    const std::string record = "00009920240409REF   BANK01      ZERSALERCP" + runtime::padRight("Split", 74)
                               + "00000040.00 Y 00000000.00" + "0.00       " + "001 " + tail;
    writeBytes(archive, "[ARCHIVE FILE - Quillbook 2000-32]\r\n<ARC>\r\n" + record + "\r\n");
    book.SplitTail = "the edit box's splits";

    ASSERT_TRUE(datafile::RestoreArchiveFile(archive, book));

    EXPECT_EQ(book.SplitTail, "the edit box's splits");
    EXPECT_EQ(book.ledger.Transactions.Line(book.ledger.Transactions.UpperBound()).substr(0, 6), "000099");
    EXPECT_EQ(book.ledger.Transactions.Line(book.ledger.Transactions.UpperBound()).substr(156), tail);
}

TEST_F(ArchiveTest, ALineThatIsNotAWholeRecordRefusesTheRestoreBeforeAnythingIsAdded)
{
    ASSERT_TRUE(datafile::ArchiveTransactions(archive, "01/Apr/2024", "30/Apr/2024", book));
    const std::string whole = readBytes(archive);
    // Two head lines, then the records on lines 3 to 6.
    const std::size_t second = whole.find("\r\n", whole.find("\r\n", whole.find("\r\n") + 2) + 2) + 2;
    const std::string secondRecord = whole.substr(second, whole.find("\r\n", second) - second);
    const std::size_t last = whole.rfind("\r\n", whole.size() - 3) + 2;
    const std::string lastRecord = whole.substr(last, whole.size() - 2 - last);
    const std::string head = whole.substr(0, second);
    const struct {
        const char* name;
        std::string bytes;
        int line;
        std::string shown;
    } cases[] = {
        {"cut inside a record", whole.substr(0, second + 40), 4, secondRecord.substr(0, 40)},
        {"cut before the last line end", whole.substr(0, whole.size() - 2), 6, lastRecord},
        {"cut between CR and LF", whole.substr(0, whole.size() - 1), 6, lastRecord},
        {"a split count with no split", head + secondRecord.substr(0, 152) + "001 \r\n", 4,
         secondRecord.substr(0, 152) + "001 "},
        {"a split too many", head + secondRecord + runtime::space(51) + "\r\n", 4, secondRecord + runtime::space(51)},
    };
    const std::vector<std::string> before = tableLines();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(archive, c.bytes);
        services.answerMessageBox(platform::Answer::OK);

        EXPECT_FALSE(datafile::RestoreArchiveFile(archive, book));

        EXPECT_EQ(lastMessage(),
                  "Abandoning Restore - line " + std::to_string(c.line) + " is not a whole record '" + c.shown + "'");
        EXPECT_EQ(tableLines(), before);
        EXPECT_DOUBLE_EQ(core::GetBankAccount(book, "BANK01"), 940.00);
    }
    EXPECT_EQ(services.messageTexts().size(), std::size(cases));
}

TEST_F(ArchiveTest, EmptyLinesOfAnArchiveArePassedOver)
{
    ASSERT_TRUE(datafile::ArchiveTransactions(archive, "01/Apr/2024", "30/Apr/2024", book));
    std::string bytes = readBytes(archive);
    const std::size_t second = bytes.find("\r\n", bytes.find("\r\n") + 2) + 2;
    bytes.insert(bytes.find("\r\n", second) + 2, "\r\n");
    writeBytes(archive, bytes + "\r\n");

    ASSERT_TRUE(datafile::RestoreArchiveFile(archive, book));

    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{});
    EXPECT_EQ(liveNumbers(), (std::vector<std::string>{"000010", "000013", "000011", "000014", "000015"}));
    EXPECT_DOUBLE_EQ(core::GetBankAccount(book, "BANK01"), 1000.00);
}

TEST_F(ArchiveTest, AStartBalancePushedPastItsColumnRefusesTheArchiveAndTheRestore)
{
    // April moves BANK01's start balance by -60.00.
    writeBytes(archive, "older archive");
    core::ApplyToBankBalance(book, "BANK01", -9999950.00 - 1000.00);
    const std::string bankLine = book.codes.ListBankAccounts.List(0);
    const std::vector<std::string> before = tableLines();
    services.answerMessageBox(platform::Answer::OK);

    EXPECT_FALSE(datafile::ArchiveTransactions(archive, "01/Apr/2024", "30/Apr/2024", book));

    EXPECT_EQ(lastMessage(), "Start Balance must be between -9,999,999.99 and 99,999,999.99 : the archive "
                                              "would make that of 'BANK01' -10000010.00");
    EXPECT_EQ(readBytes(archive), "older archive");
    EXPECT_EQ(tableLines(), before);
    EXPECT_EQ(book.codes.ListBankAccounts.List(0), bankLine);

    // Archived at 1,000.00 and raised close to the top before the restore takes the 60.00 back.
    core::ApplyToBankBalance(book, "BANK01", 9999950.00 + 1000.00);
    ASSERT_TRUE(datafile::ArchiveTransactions(archive, "01/Apr/2024", "30/Apr/2024", book));
    core::ApplyToBankBalance(book, "BANK01", 99999950.00 - 940.00);
    const std::vector<std::string> archived = tableLines();
    services.answerMessageBox(platform::Answer::OK);

    EXPECT_FALSE(datafile::RestoreArchiveFile(archive, book));

    EXPECT_EQ(lastMessage(), "Start Balance must be between -9,999,999.99 and 99,999,999.99 : the restore "
                                              "would make that of 'BANK01' 100000010.00");
    EXPECT_EQ(tableLines(), archived);
    EXPECT_DOUBLE_EQ(core::GetBankAccount(book, "BANK01"), 99999950.00);
}

} // namespace
