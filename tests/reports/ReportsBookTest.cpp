#include <string>

#include "ReportTest.h"
#include "core/CodeList.h"
#include "core/RecordField.h"

namespace {

class ReportsBookTest : public ReportTest {};

std::string ReferenceOf(const core::Book& book, const core::IndexEntry& entry)
{
    const std::string_view line = book.ledger.Transactions.Line(entry.RecordNumber);
    return std::string(core::RecordField(line, core::RecordColumns::Reference));
}

TEST_F(ReportsBookTest, LoadsWithItsTablesAndTransactions)
{
    loadReportsBook();
    EXPECT_EQ(book.company.CompanyName.str().substr(0, 24), "Harbour Lane Joinery Ltd");
    EXPECT_EQ(book.company.CompanyAddress, "12 Harbour Lane\r\nWhitby YO21 1AB");
    EXPECT_EQ(book.codes.ListBankAccounts.ListCount(), 2);
    EXPECT_EQ(book.codes.ListVATCodes.ListCount(), 3);
    EXPECT_EQ(core::GetCodeListValue(book.codes.ListVATCodes, "S"), 20.0);
    EXPECT_EQ(core::GetCodeListValue(book.codes.ListVATCodes, "R"), 5.0);
    EXPECT_EQ(book.codes.ListCustCodes.ListCount(), 3);
    EXPECT_EQ(book.codes.ListAnalCodes.ListCount(), 5);
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 35);
    EXPECT_EQ(book.ledger.DateIndex.UpperBound(), 34) << "the deleted receipt is in no index";
    EXPECT_EQ(book.ledger.QueryIndex.UpperBound(), 34);
    EXPECT_EQ(ReferenceOf(book, book.ledger.QueryIndex.at(1)), "BIL201") << "the list is in reference order";
    EXPECT_EQ(ReferenceOf(book, book.ledger.QueryIndex.at(34)), "TFR001");
    EXPECT_EQ(ReferenceOf(book, book.ledger.DateIndex.at(1)), "DEP401");
    EXPECT_EQ(ReferenceOf(book, book.ledger.DateIndex.at(34)), "INV109");
}

} // namespace
