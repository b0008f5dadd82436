#pragma once

#include "core/CodeKind.h"
#include "core/FixedText.h"
#include "platform/ListModel.h"

namespace core {

// The code of each kind that a new transaction in the edit box starts with, blank-padded to the
// kind's width: set when the code window closes on a code and when the edit box stores a
// transaction, blanked for a new company.
struct LastUsedCodes {
    FixedText<6> Bank{""};
    FixedText<3> VAT{""};
    FixedText<6> Customer{""};
    FixedText<4> Category{""};
};

// The book's four code tables and its standing orders, each a sorted list of fixed-column lines in
// code order, with the main window's mirrors of the tables (a shorter text per code). The windows
// show these same lists; the data file writes them in their order.
class CodeTables {
public:
    CodeTables();
    CodeTables(const CodeTables&) = delete;
    CodeTables& operator=(const CodeTables&) = delete;

    platform::ListModel ListBankAccounts; // BankAccountLine
    platform::ListModel ListVATCodes;     // VatCodeLine
    platform::ListModel ListCustCodes;    // CustomerLine
    platform::ListModel ListAnalCodes;    // CategoryLine
    platform::ListModel ComboBank;        // code and name of each bank account
    platform::ListModel ComboVAT;         // code and name of each VAT code
    platform::ListModel ComboCustomer;    // code and name of each customer
    platform::ListModel ComboAnal;        // each category line
    platform::ListModel ListSTOs;         // StandingOrderLine

    // Set when a table was reloaded or changed: windows that keep their own copy of a table
    // refill it on their next use and clear the flag.
    bool BankListChanged = false;
    bool VatListChanged = false;
    bool CustomerListChanged = false;
    bool CategoryListChanged = false;
    bool TransferBankListChanged = false;

    LastUsedCodes LastUsed;

    // The table and mirror of a kind; a kind outside 1-4 is error 9.
    platform::ListModel& table(CodeKind kind);
    const platform::ListModel& table(CodeKind kind) const;
    platform::ListModel& mirror(CodeKind kind);
};

} // namespace core
