#pragma once

#include <string>

namespace core {

// The two counters stored with the book: the last transaction number and the last invoice number
// given out. Transaction numbers only grow; invoice numbers start again at 1 above 999999.
// Numbers are written "000000" (a number of seven digits keeps all of them).
class SequenceCounters {
public:
    double TransactionNumberCounter = 0;
    double InvoiceNumberCounter = 0;

    std::string TakeNextTransactionNumber();
    std::string PeekNextTransactionNumberText() const;

    double AdvanceInvoiceNumber();
    std::string TakeNextInvoiceNumber();
    double PeekNextInvoiceNumber() const;
    std::string PeekNextInvoiceNumberText() const;
};

} // namespace core
