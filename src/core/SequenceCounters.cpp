#include "core/SequenceCounters.h"

#include <cmath>

#include "runtime/Format.h"

namespace core {

namespace {

constexpr double HighestInvoiceNumber = 999999;

// "000000": a whole number of up to six digits is written straight, as every number taken in a run
// of imported transactions is; any other takes the general format.
std::string numberText(double number)
{
    constexpr int Width = 6;
    if (!(number >= 0 && number <= HighestInvoiceNumber) || number != std::floor(number))
        return runtime::format(number, "000000");
    std::string text(Width, '0');
    for (auto rest = static_cast<long>(number), i = long{Width - 1}; rest > 0; rest /= 10, --i)
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + rest % 10);
    return text;
}

} // namespace

std::string SequenceCounters::TakeNextTransactionNumber()
{
    TransactionNumberCounter += 1;
    return numberText(TransactionNumberCounter);
}

std::string SequenceCounters::PeekNextTransactionNumberText() const
{
    return numberText(TransactionNumberCounter + 1);
}

double SequenceCounters::AdvanceInvoiceNumber()
{
    InvoiceNumberCounter = PeekNextInvoiceNumber();
    return InvoiceNumberCounter;
}

std::string SequenceCounters::TakeNextInvoiceNumber()
{
    return numberText(AdvanceInvoiceNumber());
}

double SequenceCounters::PeekNextInvoiceNumber() const
{
    const double next = InvoiceNumberCounter + 1;
    return next > HighestInvoiceNumber ? 1 : next;
}

std::string SequenceCounters::PeekNextInvoiceNumberText() const
{
    return numberText(PeekNextInvoiceNumber());
}

} // namespace core
