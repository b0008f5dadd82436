#include "core/Statistics.h"

#include "core/Book.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/PathText.h"

namespace core {

namespace {

constexpr char CR = '\r';

std::string countLine(int count, const char* what)
{
    return runtime::signedText(count) + " " + what + CR;
}

} // namespace

std::string DescribeBookStatistics(const Book& book, int namedFilters)
{
    const int stored = book.ledger.Transactions.UpperBound();
    const int live = book.ledger.DateIndex.UpperBound();
    const CodeTables& codes = book.codes;
    std::string text = "File : '" + runtime::textOfPath(book.CurrentDataFilePath) + "'" + CR;
    text += "Created : " + book.company.InceptionDate.str() + CR;
    text += "Accessed :" + runtime::signedText(book.company.LoadCounter) + " times" + CR + CR;
    text += " " + countLine(stored, "Transactions");
    text += " " + countLine(live, "Active");
    text += " " + countLine(stored - live, "Deleted") + CR;
    text += " " + countLine(codes.ListBankAccounts.ListCount(), "Bank Accounts");
    text += " " + countLine(codes.ListVATCodes.ListCount(), "VAT Codes");
    text += " " + countLine(codes.ListCustCodes.ListCount(), "Customer Codes");
    text += " " + countLine(codes.ListAnalCodes.ListCount(), "Category Codes") + CR;
    text += " " + countLine(codes.ListSTOs.ListCount(), "Standing Orders");
    text += " " + runtime::signedText(namedFilters) + " Named Filters";
    return text;
}

int FindKeyOutOfOrder(const TransactionIndex& index)
{
    IndexKey previous{};
    int position = 0;
    for (const IndexEntry& entry : index.entries()) {
        ++position;
        if (!KeyLess(previous, entry.Key))
            return position;
        previous = entry.Key;
    }
    return 0;
}

std::string DeletedShare(const Book& book)
{
    const int stored = book.ledger.Transactions.UpperBound();
    const int live = book.ledger.DateIndex.UpperBound();
    if (live == 0)
        return "100";
    return runtime::format(static_cast<double>(stored - live) / stored * 100, "0.00");
}

} // namespace core
