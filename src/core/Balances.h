#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace core {

class Book;

// The signed value of a stored transaction: its amount (never negative in the record), negative
// for "PAY" and "BIL", positive for every other type.
double GetSignedAmount(std::string_view record);
// The same in whole pence, as the query totals add it (QueryTotals::SignedPence of
// GetSignedAmount), without turning a written amount into pounds and back.
std::int64_t GetSignedPence(std::string_view record);

// A bank account's totals over the live transactions dated strictly before `dateYmd`
// ("yyyymmdd"), walking the DateIndex in date order. Answers the reconciled total (every type
// counts once reconciled); the signed amounts of "PAY" and "RCP" are added to `cashTotal`, which
// the caller set.
double SumBankAccountToDate(Book& book, std::string_view bankCode, std::string_view dateYmd, double& cashTotal);
// The same over every live transaction of the book.
double SumBankAccount(Book& book, std::string_view bankCode, double& cashTotal);
// What a customer owes less what is owed to it: the unpaid invoices are added to `invoiceTotal`
// (which the caller set), and the answer is the unpaid bills (negative) plus `invoiceTotal`.
double SumCustomerOutstanding(Book& book, std::string_view customerCode, double& invoiceTotal);

// What SumBankAccount and SumCustomerOutstanding (with an invoice total from 0) give every code at
// once, from one walk over the table: for a page that lists every account. Each code the live
// transactions hold, as stored (blank-padded to its width), has its entry; a code no live
// transaction holds has none and sums to 0. The sums are made in the same order, so they are equal.
struct BankTotals {
    double Reconciled = 0;
    double Cash = 0;
};
struct CustomerTotals {
    double Bills = 0;    // unpaid bills, negative
    double Invoices = 0; // unpaid invoices
    double Outstanding() const { return Bills + Invoices; }
};
struct AccountTotals {
    std::map<std::string, BankTotals, std::less<>> Banks;
    std::map<std::string, CustomerTotals, std::less<>> Customers;
};
AccountTotals SumEveryAccount(Book& book);

} // namespace core
