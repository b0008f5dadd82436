#include "datafile/BookSnapshot.h"

#include "core/Book.h"
#include "core/IndexOperations.h"
#include "core/TransactionEdits.h"

namespace datafile {

namespace {

template <class CodeTablesType> auto listsOf(CodeTablesType& codes)
{
    return std::array{&codes.ListBankAccounts, &codes.ListVATCodes, &codes.ListCustCodes, &codes.ListAnalCodes,
                      &codes.ComboBank,        &codes.ComboVAT,     &codes.ComboCustomer, &codes.ComboAnal,
                      &codes.ListSTOs};
}

template <class CodeTablesType> auto flagsOf(CodeTablesType& codes)
{
    return std::array{&codes.BankListChanged, &codes.VatListChanged, &codes.CustomerListChanged,
                      &codes.CategoryListChanged, &codes.TransferBankListChanged};
}

} // namespace

BookSnapshot::BookSnapshot(const core::Book& book)
    : counters_(book.counters), fileChanged_(book.ledger.FileChanged)
{
    const core::TransactionTable& table = book.ledger.Transactions;
    transactions_.reserve(static_cast<std::size_t>(table.UpperBound()));
    for (int record = 1; record <= table.UpperBound(); ++record)
        transactions_.emplace_back(table.Line(record));
    const auto lists = listsOf(book.codes);
    for (std::size_t list = 0; list < lists.size(); ++list)
        for (int item = 0; item < lists[list]->ListCount(); ++item)
            lists_[list].push_back(lists[list]->List(item));
    const auto flags = flagsOf(book.codes);
    for (std::size_t flag = 0; flag < flags.size(); ++flag)
        listChanged_[flag] = *flags[flag];
}

void BookSnapshot::Restore(core::Book& book) const
{
    core::ClearTransactions(book);
    core::TransactionTable& table = book.ledger.Transactions;
    table.Reserve(static_cast<int>(transactions_.size()));
    for (const std::string& line : transactions_)
        table.Append(line);
    book.counters = counters_;
    const auto lists = listsOf(book.codes);
    for (std::size_t list = 0; list < lists.size(); ++list) {
        lists[list]->Clear();
        for (const std::string& item : lists_[list])
            lists[list]->AddItem(item);
    }
    const auto flags = flagsOf(book.codes);
    for (std::size_t flag = 0; flag < flags.size(); ++flag)
        *flags[flag] = listChanged_[flag];
    core::RebuildDateIndex(book);
    core::ResetIndexArray(book, book.ledger.QueryIndex);
    core::ApplyFilterInSortOrder(book);
    book.ledger.FileChanged = fileChanged_;
}

} // namespace datafile
