#include <gtest/gtest.h>

#include "core/SequenceCounters.h"
#include "runtime/Format.h"

namespace {

struct InvoiceCase {
    double stored;
    double peek;
    const char* taken;
    double storedAfter;
};

TEST(SequenceCounters, InvoiceNumbersStartAgainAtOneAbove999999)
{
    const InvoiceCase cases[] = {
        {0, 1, "000001", 1},
        {41, 42, "000042", 42},
        {999998, 999999, "999999", 999999},
        {999999, 1, "000001", 1},
        {1234567, 1, "000001", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        core::SequenceCounters counters;
        counters.InvoiceNumberCounter = c.stored;
        EXPECT_EQ(counters.PeekNextInvoiceNumber(), c.peek);
        EXPECT_EQ(counters.PeekNextInvoiceNumberText(), c.taken);
        EXPECT_EQ(counters.InvoiceNumberCounter, c.stored) << "peeking stores nothing";
        EXPECT_EQ(counters.TakeNextInvoiceNumber(), c.taken);
        EXPECT_EQ(counters.InvoiceNumberCounter, c.storedAfter);
    }
}

TEST(SequenceCounters, TakingInvoiceNumbersInARowWraps)
{
    core::SequenceCounters counters;
    counters.InvoiceNumberCounter = 999998;
    EXPECT_EQ(counters.TakeNextInvoiceNumber(), "999999");
    EXPECT_EQ(counters.TakeNextInvoiceNumber(), "000001");
    EXPECT_EQ(counters.AdvanceInvoiceNumber(), 2);
    EXPECT_EQ(counters.TransactionNumberCounter, 0) << "the transaction counter is separate";
}

TEST(SequenceCounters, TransactionNumbersNeverWrap)
{
    core::SequenceCounters counters;
    EXPECT_EQ(counters.PeekNextTransactionNumberText(), "000001");
    EXPECT_EQ(counters.PeekNextTransactionNumberText(), "000001");
    EXPECT_EQ(counters.TakeNextTransactionNumber(), "000001");
    counters.TransactionNumberCounter = 999998;
    EXPECT_EQ(counters.TakeNextTransactionNumber(), "999999");
    EXPECT_EQ(counters.PeekNextTransactionNumberText(), "1000000");
    EXPECT_EQ(counters.TakeNextTransactionNumber(), "1000000");
    EXPECT_EQ(counters.TransactionNumberCounter, 1000000);
    EXPECT_EQ(counters.InvoiceNumberCounter, 0);
}

// Whole numbers of up to six digits are written straight; an edited file's counter of any other
// value still gives what the general format writes.
TEST(SequenceCounters, NumbersAreWrittenAsTheGeneralFormatWritesThem)
{
    for (const double counter : {0.0, 8.0, 99.0, 12344.0, 999998.0, 999999.0, 41.5, 41.25, -3.0, -0.5, 1e7}) {
        SCOPED_TRACE(counter);
        core::SequenceCounters counters;
        counters.TransactionNumberCounter = counter;
        EXPECT_EQ(counters.TakeNextTransactionNumber(), runtime::format(counter + 1, "000000"));
    }
}

} // namespace
