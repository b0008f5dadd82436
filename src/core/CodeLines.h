#pragma once

#include <string>
#include <string_view>

#include "core/FixedText.h"

// The fixed-column lines of the four code tables and their records. The very same line text is
// what the table lists hold and what the data file stores. Amounts are "#######0.00"
// right-aligned in 11 columns; a line is blank-padded to its length after its fields are joined.
namespace core {

inline constexpr int BankAccountLineLength = 157;
inline constexpr int CustomerLineLength = 140;
inline constexpr int VatCodeLineLength = 36;
inline constexpr int CategoryLineLength = 25;

// Text fields start blank, as a cleared code record is.
struct BankAccountRecord {
    FixedText<6> Code{""};
    double Balance = 0; // the balance the code-maintenance window shows
    FixedText<20> Name{""};
    FixedText<80> Address{""}; // may hold CR LF
    FixedText<15> Tel{""};
    FixedText<11> DateOpened{""}; // "dd/Mmm/yyyy"
    double StartBalance = 0;      // the opening balance reports start from
};

struct CustomerRecord {
    FixedText<6> Code{""};
    FixedText<20> Name{""};
    FixedText<80> Address{""}; // may hold CR LF
    FixedText<15> Tel{""};
    FixedText<15> Fax{""};
};

struct VatCodeRecord {
    FixedText<3> Code{""};
    double Rate = 0; // a percentage: 17.5 is written 17.50
    FixedText<20> Name{""};
};

struct CategoryRecord {
    FixedText<4> Code{""};
    FixedText<20> Name{""};
};

// An amount that does not keep to its 11 columns (FitsAmountColumn) raises Overflow: cut, it would
// lose digits, and pushed along, it would move the fields after it. Callers check the amounts
// they take from the user first, with a message of their own.
// Code, blank, name, blank, balance, blank, address, telephone, date opened, start balance.
std::string FormatBankAccountLine(const BankAccountRecord& record);
// Code, blank, name, blank, address, blank, telephone, blank, fax.
std::string FormatCustomerLine(const CustomerRecord& record);
// Code, blank, rate, blank, name.
std::string FormatVatCodeLine(const VatCodeRecord& record);
// Code, blank, name.
std::string FormatCategoryLine(const CategoryRecord& record);

// Parsing never fails: missing columns read as blanks, amounts by their leading number (blank 0).
BankAccountRecord ParseBankAccountLine(std::string_view line);
CustomerRecord ParseCustomerLine(std::string_view line);
VatCodeRecord ParseVatCodeLine(std::string_view line);
CategoryRecord ParseCategoryLine(std::string_view line);

} // namespace core
