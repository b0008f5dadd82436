#include "core/SequenceCounters.h"

#include "runtime/Format.h"

namespace core {

namespace {

constexpr double HighestInvoiceNumber = 999999;

std::string numberText(double number)
{
    return runtime::format(number, "000000");
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
