#include <functional>

#include "EntryTest.h"

namespace {

using mainwindow::Main;

class EntryValidationTest : public EntryTest {
protected:
    // A new payment on B1 of 10.00, left on the reference box so that no code box is left on the way
    // to Update.
    void openPayment(platform::Menu& item)
    {
        item.userClick();
        main.ComboBank.setText("B1");
        main.TextAmount.setText("10.00");
        main.TextRef.setFocus();
    }
};

struct RefusalCase {
    const char* name;
    platform::Menu Main::*item;
    std::function<void(Main&)> change;
    const char* message;
    const char* focus; // the box that gets the focus
};

TEST_F(EntryValidationTest, EachRuleRefusesWithItsMessageAndMovesTheFocus)
{
    const RefusalCase cases[] = {
        {"no bank", &Main::PayItem, [](Main& m) { m.ComboBank.setText(""); }, "Bank Code required",
         "ComboBank"},
        {"unknown bank", &Main::PayItem, [](Main& m) { m.ComboBank.setText("b9"); }, "'B9' is not a valid Bank Code",
         "ComboBank"},
        {"bank only a prefix", &Main::PayItem, [](Main& m) { m.ComboBank.setText("B"); },
         "'B' is not a valid Bank Code", "ComboBank"},
        {"transfer to the same bank in another case", &Main::XfrItem, [](Main& m) { m.ComboToBank.setText("b1"); },
         "When creating a Transfer, From Bank account may not be the same as To Bank Account", "ComboToBank"},
        {"transfer to an unknown bank", &Main::XfrItem, [](Main& m) { m.ComboToBank.setText("B7"); },
         "'B7' is not a valid Bank Code", "ComboToBank"},
        {"impossible date", &Main::PayItem, [](Main& m) { m.TextDate.setText("31/02/2025"); },
         "A valid Date is required", "TextDate"},
        {"unknown customer", &Main::InvItem, [](Main& m) { m.ComboCustomer.setText("nobody"); },
         "'NOBODY' is not a valid Customer Code", "ComboCustomer"},
        {"unknown VAT code", &Main::PayItem, [](Main& m) { m.ComboVAT.setText("Q"); }, "'Q' is not a valid VAT Code",
         "ComboVAT"},
        {"unknown category", &Main::BillItem, [](Main& m) { m.ComboAnal.setText("ZZZZ"); },
         "'ZZZZ' is not a valid Analysis Code", "ComboAnal"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t shown = services.messageBoxes().size();
        openPayment(main.*c.item);
        c.change(main);
        expectErrorBox();

        store();

        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(services.messageBoxes().size(), shown + 1);
        ASSERT_NE(main.ActiveControl(), nullptr);
        EXPECT_EQ(main.ActiveControl()->Name(), c.focus);
        EXPECT_EQ(transactionCount(), 0);
    }
}

TEST_F(EntryValidationTest, CodesAreStoredInCapitalsAndABlankCustomerVatAndCategoryPass)
{
    openPayment(main.PayItem);
    main.ComboBank.setText("b1");
    main.ComboAnal.setText("sale");
    main.TextDate.setText("01/01/1900");

    store();

    ASSERT_EQ(transactionCount(), 1);
    const core::TransactionFields stored = fieldsOf(1);
    EXPECT_EQ(stored.Bank, "B1    ");
    EXPECT_EQ(stored.Category, "SALE");
    EXPECT_EQ(stored.Customer, "      ");
    EXPECT_EQ(stored.VAT, "   ");
    EXPECT_TRUE(services.messageTexts().empty());
}

// The amount column stores 11 characters without the sign: a wider amount is refused plainly before
// anything is assembled, and the widest amount that fits is stored whole. A negative amount is
// refused whatever its width: the type gives the sign.
TEST_F(EntryValidationTest, AnAmountWiderThanItsColumnIsRefusedAtValidation)
{
    const std::string tooWide = "Amount must be between -99,999,999.99 and 99,999,999.99";
    const struct {
        const char* typed;
        const char* stored; // the record's amount column; empty when refused
        std::string message;
    } cases[] = {
        {"99,999,999.99", "99999999.99", ""},
        {"-99,999,999.99", "", "Amount '-99,999,999.99' may not be negative: the transaction type gives its sign"},
        {"1,250.00", "00001250.00", ""},
        {"99999999999", "", tooWide},
        {"100,000,000.00", "", tooWide},
        {"-100000000", "", "Amount '-100000000' may not be negative: the transaction type gives its sign"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const int before = transactionCount();
        openPayment(main.PayItem);
        main.TextAmount.setText(c.typed);
        const std::string stored = c.stored;
        if (stored.empty())
            expectErrorBox();
        store();
        if (stored.empty()) {
            EXPECT_EQ(lastMessage(), c.message);
            ASSERT_NE(main.ActiveControl(), nullptr);
            EXPECT_EQ(main.ActiveControl()->Name(), "TextAmount");
            EXPECT_EQ(transactionCount(), before);
        } else {
            ASSERT_EQ(transactionCount(), before + 1);
            EXPECT_EQ(main.book.ledger.Transactions.Line(before + 1).substr(116, 11), stored);
        }
    }
    for (const std::string& text : services.messageTexts())
        EXPECT_EQ(text.find("Assembled field"), std::string::npos) << text;
}

// Text that is not an amount, or a negative amount, is refused as typed: nothing is stored, the box
// keeps the text and gets the focus. A comma separates thousands only before exactly three digits.
TEST_F(EntryValidationTest, AnAmountThatIsNotOneIsRefusedAsTyped)
{
    const std::string negative = "' may not be negative: the transaction type gives its sign";
    const struct {
        platform::Menu Main::*item;
        const char* vat;
        const char* typed;
        std::string message;
    } cases[] = {
        {&Main::PayItem, "", "abc", "'abc' is not a valid Amount"},
        {&Main::RcpItem, "", "12a", "'12a' is not a valid Amount"},
        {&Main::PayItem, "", "1.2.3", "'1.2.3' is not a valid Amount"},
        {&Main::PayItem, "", "12,34", "'12,34' is not a valid Amount"},
        {&Main::PayItem, "", "1,2,3", "'1,2,3' is not a valid Amount"},
        {&Main::InvItem, "", "12,5.00", "'12,5.00' is not a valid Amount"},
        {&Main::BillItem, "", "1,234,5", "'1,234,5' is not a valid Amount"},
        {&Main::PayItem, "S", "abcN", "'abcN' is not a valid Amount"},
        {&Main::PayItem, "S", "12aN", "'12aN' is not a valid Amount"},
        {&Main::PayItem, "S", "12,34N", "'12,34N' is not a valid Amount"},
        {&Main::RcpItem, "", "-50", "Amount '-50" + negative},
        {&Main::PayItem, "", "-50", "Amount '-50" + negative},
        {&Main::XfrItem, "", "-50", "Amount '-50" + negative},
        {&Main::PayItem, "S", "-50N", "Amount '-50N" + negative},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        openPayment(main.*c.item);
        if (c.item == &Main::XfrItem)
            main.ComboToBank.setText("B2");
        main.ComboVAT.setText(c.vat);
        main.TextAmount.setText(c.typed);
        expectErrorBox();

        store();

        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(main.TextAmount.Text(), c.typed);
        ASSERT_NE(main.ActiveControl(), nullptr);
        EXPECT_EQ(main.ActiveControl()->Name(), "TextAmount");
        EXPECT_EQ(transactionCount(), 0);
    }
}

TEST_F(EntryValidationTest, AnAmountWithThousandsCommasOrNoneIsStoredAsTyped)
{
    const struct {
        const char* vat;
        const char* typed;
        const char* stored; // the record's amount column
    } cases[] = {
        {"", "1,234.50", "00001234.50"}, {"", "12,345,678.00", "12345678.00"}, {"", "1,234", "00001234.00"},
        {"S", "1,000.00N", "00001175.00"}, {"", "", "00000000.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const int before = transactionCount();
        openPayment(main.PayItem);
        main.ComboVAT.setText(c.vat);
        main.TextAmount.setText(c.typed);

        store();

        ASSERT_EQ(transactionCount(), before + 1);
        EXPECT_EQ(line(before + 1).substr(116, 11), c.stored);
    }
    EXPECT_TRUE(services.messageTexts().empty());
}

TEST_F(EntryValidationTest, SplitsWithAnotherVatCodeAskForTheSplitCode)
{
    const std::string question =
        "This transaction has Splits. Do you wish to assign the system VAT split code 'SPL' to this transaction?";
    struct Case {
        platform::Answer answer;
        const char* typed;
        int stored;
        const char* vat;
    } cases[] = {
        {platform::Answer::Yes, "S", 1, "SPL"},
        {platform::Answer::No, "S", 1, "S  "},
        {platform::Answer::Cancel, "S", 0, ""},
        {platform::Answer::No, "Q", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + std::string(" ") + std::to_string(static_cast<int>(c.answer)));
        const int count = transactionCount();
        const std::size_t shown = services.messageBoxes().size();
        openPayment(main.PayItem);
        main.TxtNumSplits.setText("2");
        main.ComboVAT.setText(c.typed);
        services.answerMessageBox(c.answer);
        if (std::string(c.typed) == "Q")
            expectErrorBox();

        store();

        ASSERT_GT(services.messageBoxes().size(), shown);
        EXPECT_EQ(services.messageBoxes()[shown].box.text, question);
        EXPECT_EQ(transactionCount(), count + c.stored);
        if (c.stored == 1)
            EXPECT_EQ(fieldsOf(transactionCount()).VAT, c.vat);
        else
            EXPECT_EQ(main.ActiveControl(), &main.ComboVAT);
    }
    EXPECT_EQ(lastMessage(), "'Q' is not a valid VAT Code");
}

TEST_F(EntryValidationTest, TheSplitCodeWithoutSplitsIsConfirmed)
{
    const std::string question = "'SPL' is the system code for Split Transactions. This transaction has no splits. "
                                 "Are you sure you want to use this code?";
    openPayment(main.PayItem);
    main.ComboVAT.setText("spl");
    services.answerMessageBox(platform::Answer::No);
    store();
    EXPECT_EQ(lastMessage(), question);
    EXPECT_EQ(transactionCount(), 0);
    EXPECT_EQ(main.ActiveControl(), &main.ComboVAT);

    services.answerMessageBox(platform::Answer::Yes);
    store();
    ASSERT_EQ(transactionCount(), 1);
    EXPECT_EQ(fieldsOf(1).VAT, "SPL");
}

} // namespace
