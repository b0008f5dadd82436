#pragma once

#include <string>
#include <vector>

#include "MainTest.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/TransactionRecord.h"
#include "mainwindow/codes/CodeRecords.h"
#include "runtime/Text.h"

// The main window shown over an empty book with a few codes: banks B1 and B2, VAT codes S (17.5%)
// and Z (0%), the customer ACME and the categories SALE and XFR, and a filter that passes every
// type. The clock stands at 15 June 2025.
class EntryTest : public MainTest {
protected:
    void SetUp() override
    {
        cancelWizard();
        start();
        addCode(core::CodeKind::Bank, bankLine("B1", "Current"));
        addCode(core::CodeKind::Bank, bankLine("B2", "Savings"));
        addCode(core::CodeKind::Vat, vatLine("S", "Standard", 17.5));
        addCode(core::CodeKind::Vat, vatLine("Z", "Zero", 0));
        addCode(core::CodeKind::Customer, customerLine("ACME", "Acme Ltd"));
        addCode(core::CodeKind::Category, categoryLine("SALE", "Sales"));
        addCode(core::CodeKind::Category, categoryLine("XFR", "Transfers"));
        main.book.codes.TransferBankListChanged = true;
        main.book.ledger.Filters.CurrentFilter.Types = "PRIBYZ";
    }

    void addCode(core::CodeKind kind, const std::string& line)
    {
        core::CodeTables& codes = main.book.codes;
        ASSERT_TRUE(core::AddCodeLine(main.book.messages, codes.table(kind), codes.mirror(kind), line,
                                      mainwindow::MirrorText(kind, line), core::CodeWidth(kind)));
    }
    static std::string bankLine(const std::string& code, const std::string& name)
    {
        core::BankAccountRecord record;
        record.Code = code;
        record.Name = name;
        return core::FormatBankAccountLine(record);
    }
    static std::string vatLine(const std::string& code, const std::string& name, double rate)
    {
        core::VatCodeRecord record;
        record.Code = code;
        record.Name = name;
        record.Rate = rate;
        return core::FormatVatCodeLine(record);
    }
    static std::string customerLine(const std::string& code, const std::string& name)
    {
        core::CustomerRecord record;
        record.Code = code;
        record.Name = name;
        return core::FormatCustomerLine(record);
    }
    static std::string categoryLine(const std::string& code, const std::string& name)
    {
        core::CategoryRecord record;
        record.Code = code;
        record.Name = name;
        return core::FormatCategoryLine(record);
    }

    // Types into a box as a user does: enters it and leaves the text there (the box is left by the
    // next entry or by the store).
    void enter(platform::TextBox& box, const std::string& text)
    {
        box.setFocus();
        box.userSetText(text);
    }
    void enter(platform::ComboBox& box, const std::string& text)
    {
        box.setFocus();
        box.userSetText(text);
    }
    // A new transaction of the type's menu item with a bank, an amount and a memo.
    void newTransaction(platform::Menu& item, const std::string& bank, const std::string& amount,
                        const std::string& memo = "Stationery")
    {
        item.userClick();
        enter(main.ComboBank, bank);
        enter(main.TextAmount, amount);
        enter(main.TextComment, memo);
    }
    // The error box that is about to show is closed with OK.
    void expectErrorBox() { services.answerMessageBox(platform::Answer::OK); }
    // Update, clicked after leaving the field the cursor is in.
    void store()
    {
        main.CmdChange.setFocus();
        main.CmdChange.userClick();
    }

    int transactionCount() const { return main.book.ledger.Transactions.UpperBound(); }
    std::string line(int record) const { return std::string(main.book.ledger.Transactions.Line(record)); }
    core::TransactionFields fieldsOf(int record)
    {
        core::TransactionFields fields;
        core::ParseTransactionRecord(main.book, line(record), fields);
        return fields;
    }
    std::string lastMessage() const
    {
        const std::vector<std::string> texts = services.messageTexts();
        return texts.empty() ? "" : texts.back();
    }
};
