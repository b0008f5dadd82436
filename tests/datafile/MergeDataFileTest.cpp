#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "FakeDataFileWindow.h"
#include "core/BookTest.h"
#include "core/TransactionTable.h"
#include "datafile/DataFile.h"
#include "datafile/MergeDataFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

namespace {

const std::filesystem::path Data = std::filesystem::path(QB_TEST_DATA);
const std::filesystem::path Merged = Data / "older" / "merge.QBD";

class MergeDataFileTest : public BookTest {
protected:
    MergeDataFileTest()
    {
        book.ledger.AttachWindow(window);
        window.folder = folder.path();
    }

    void loadCompany()
    {
        ASSERT_TRUE(datafile::LoadDataFile(Data / "company.QBD", book, window));
        book.ledger.Filters.FiltersChanged = false;
    }
    bool merge(const std::filesystem::path& path) { return datafile::MergeDataFile(path, book, window); }
    void answerBoxes(int count)
    {
        for (int i = 0; i < count; ++i)
            services.answerMessageBox(platform::Answer::OK);
    }
    // The book as its data file would hold it.
    std::string snapshot()
    {
        const auto path = folder / "snapshot.QBD";
        const bool changed = book.ledger.FileChanged;
        EXPECT_TRUE(datafile::SaveDataFile(path, book, window));
        book.ledger.FileChanged = changed;
        return readBytes(path);
    }

    TempFolder folder;
    FakeDataFileWindow window;
};

const std::vector<std::string> AlreadyThere = {"Code 'BANK01' already exists", "Code 'std' already exists",
                                               "Code 'BOLT02' already exists", "Code 'SALE' already exists"};

TEST_F(MergeDataFileTest, AddsWhatTheBookLacksAndNumbersOnFromTheLargerCounters)
{
    loadCompany();
    answerBoxes(4);
    ASSERT_TRUE(merge(Merged));
    EXPECT_EQ(services.messageTexts(), AlreadyThere);

    const auto& codes = book.codes;
    EXPECT_EQ(codes.ListBankAccounts.ListCount(), 3);
    EXPECT_EQ(codes.ComboBank.ListCount(), 3);
    EXPECT_EQ(codes.ListVATCodes.ListCount(), 2);
    EXPECT_EQ(codes.ListCustCodes.ListCount(), 3);
    EXPECT_EQ(codes.ListAnalCodes.ListCount(), 3);
    ASSERT_EQ(codes.ListSTOs.ListCount(), 2);
    EXPECT_EQ(codes.ListSTOs.List(0), codes.ListSTOs.List(1));

    const auto& ledger = book.ledger;
    ASSERT_EQ(ledger.Transactions.UpperBound(), 5);
    EXPECT_EQ(ledger.Transactions.Line(4).substr(0, 6), "000031");
    EXPECT_EQ(ledger.Transactions.Line(5).substr(0, 6), "000032");
    EXPECT_EQ(ledger.Transactions.Line(4).substr(14, 6), "INV001") << "a merged invoice keeps its reference";
    EXPECT_EQ(book.counters.TransactionNumberCounter, 32);
    EXPECT_EQ(book.counters.InvoiceNumberCounter, 9);
    EXPECT_EQ(ledger.DateIndex.UpperBound(), 4);

    ASSERT_EQ(ledger.Filters.Count(), 2) << "\"BIG APRIL\" is \"Big April\" in other letters";
    EXPECT_EQ(ledger.Filters.Names.List(2), "May                 ");
    EXPECT_TRUE(ledger.FileChanged);
    EXPECT_TRUE(ledger.Filters.FiltersChanged);
    EXPECT_EQ(book.company.CompanyName.str().substr(0, 16), "Acme Trading Ltd");

    // Again: everything but the codes and "May".
    answerBoxes(7);
    ASSERT_TRUE(merge(Merged));
    EXPECT_EQ(services.messageTexts().size(), 4u + 7u);
    EXPECT_EQ(codes.ListBankAccounts.ListCount(), 3);
    EXPECT_EQ(codes.ListSTOs.ListCount(), 3);
    EXPECT_EQ(ledger.Transactions.UpperBound(), 7);
    EXPECT_EQ(ledger.Transactions.Line(6).substr(0, 6), "000033");
    EXPECT_EQ(ledger.Filters.Count(), 2);
}

TEST_F(MergeDataFileTest, TheBooksLargerCountersKeepNumbersFromRepeating)
{
    loadCompany();
    const auto path = folder / "low.QBD";
    std::string bytes = readBytes(Merged);
    bytes.replace(bytes.find("000030\r\n000009\r\n"), 16, "000009\r\n000003\r\n");
    writeBytes(path, bytes);
    answerBoxes(4);
    ASSERT_TRUE(merge(path));
    EXPECT_EQ(book.ledger.Transactions.Line(4).substr(0, 6), "000013");
    EXPECT_EQ(book.ledger.Transactions.Line(5).substr(0, 6), "000014");
    EXPECT_EQ(book.counters.InvoiceNumberCounter, 5);
}

// The merged file without standing orders, transactions and index lines.
std::string codesAndFiltersOnly(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    const auto at = [&lines](const std::string& head) {
        return static_cast<std::ptrdiff_t>(std::find(lines.begin(), lines.end(), head) - lines.begin());
    };
    for (int count = 5; count <= 8; ++count)
        lines[at("[Statistics]") + count] = "000000";
    for (const auto& [head, count] : {std::pair{"[Standing Orders]", 1}, {"[Transactions]", 2}, {"[Date Index]", 2},
                                      {"[Query Index]", 2}})
        lines.erase(lines.begin() + at(head) + 1, lines.begin() + at(head) + 1 + count);
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

TEST_F(MergeDataFileTest, AMergeThatAddsOnlyCodesOrSetUpsMarksTheBookChanged)
{
    const std::string bytes = codesAndFiltersOnly(readBytes(Merged));
    const auto path = folder / "codes.QBD";
    writeBytes(path, bytes);
    loadCompany();
    answerBoxes(4);
    ASSERT_TRUE(merge(path));
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 3);
    EXPECT_EQ(book.codes.ListSTOs.ListCount(), 1);
    EXPECT_TRUE(book.ledger.FileChanged);
    EXPECT_TRUE(book.ledger.Filters.FiltersChanged);

    // Nothing new at all: the book stays unchanged.
    book.ledger.FileChanged = false;
    book.ledger.Filters.FiltersChanged = false;
    answerBoxes(7);
    ASSERT_TRUE(merge(path));
    EXPECT_FALSE(book.ledger.FileChanged);
    EXPECT_FALSE(book.ledger.Filters.FiltersChanged);
}

TEST_F(MergeDataFileTest, RefusedFilesLeaveTheBookUnchanged)
{
    loadCompany();
    const std::string before = snapshot();
    struct Case {
        std::string bytes;
        std::string message;
    };
    const std::string current = readBytes(Merged);
    std::string wrongFilter = current;
    wrongFilter.replace(wrongFilter.find("[Filter Settings]"), 17, "[Fxlter Settings]");
    const std::vector<Case> cases = {
        {readBytes(Data / "older" / "v2.QBD"), "Can only merge Version 2000 Data Files - Aborting Load"},
        {readBytes(Data / "older" / "v3.QBD"), "Can only merge Version 2000 Data Files - Aborting Load"},
        {"Hello\r\n", "Not a Quillbook Data File : Expected [Company Name V2000] section, found 'Hello'  - Aborting Load"},
        {wrongFilter, "Expected [Filter Settings] section, found '[Fxlter Settings]'  - Aborting Load"},
        {current.substr(0, current.find("[Transactions]") + 20), "Merge error : Input past end of file"},
    };
    for (const Case& c : cases) {
        const auto path = folder / "refused.QBD";
        writeBytes(path, c.bytes);
        answerBoxes(1);
        EXPECT_FALSE(merge(path));
        EXPECT_EQ(services.messageTexts().back(), c.message);
    }
    EXPECT_EQ(services.messageTexts().size(), cases.size());
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(book.ledger.FileChanged);
}

TEST_F(MergeDataFileTest, AFileTheTableCannotHoldIsRefusedOnce)
{
    loadCompany();
    for (int i = book.ledger.Transactions.UpperBound(); i < core::TransactionTable::MaxTransactions - 1; ++i)
        ASSERT_TRUE(book.ledger.Transactions.Append(std::string(book.ledger.Transactions.Line(1))));
    const std::string before = snapshot();
    answerBoxes(1);
    EXPECT_FALSE(merge(Merged));
    ASSERT_EQ(services.messageTexts().size(), 1u);
    EXPECT_EQ(services.messageTexts()[0].substr(0, 34), "You have  32766 transactions in th");
    EXPECT_EQ(snapshot(), before);
}

} // namespace
