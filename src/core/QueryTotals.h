#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace core {

// The running totals of the transactions in the query index, shown under the grid: the payments
// (negative signed amounts) and the receipts (the rest), each as a sum of absolute amounts. They
// are kept in whole pence, as the grid's captions hold them, so adding and taking away the same
// amounts always comes back to the same total.
class QueryTotals {
public:
    double Payments() const { return static_cast<double>(paymentPence_) / 100; }
    double Receipts() const { return static_cast<double>(receiptPence_) / 100; }

    // Adds the absolute amount to the payments when `signedAmount` is negative, else to the receipts.
    void Add(double signedAmount);
    // Takes the absolute amount away likewise.
    void Take(double signedAmount);
    // An amount as Add adds it: the absolute amount in whole pence, negative for a payment.
    static std::int64_t SignedPence(double signedAmount);
    // Adds an amount given as SignedPence gives it.
    void AddPence(std::int64_t signedPence) { (signedPence < 0 ? paymentPence_ : receiptPence_) += std::abs(signedPence); }
    void Reset() { paymentPence_ = receiptPence_ = 0; }

private:
    std::int64_t& totalFor(double signedAmount);

    std::int64_t paymentPence_ = 0;
    std::int64_t receiptPence_ = 0;
};

// A total as the grid's caption shows it: the grouped money format followed by one blank.
std::string FormatQueryTotal(double total);

} // namespace core
