#pragma once

namespace reports {

class ReportDesk;

// The job tags of the printed code lists, which the code window's Print button runs.
inline constexpr const char* BankCodesTag = "WB_BCDUMP";
inline constexpr const char* VatCodesTag = "WB_VCDUMP";
inline constexpr const char* CustomerCodesTag = "WB_CCDUMP";
inline constexpr const char* CategoryCodesTag = "WB_ACDUMP";

// The print jobs of the book's code tables, entry by entry in the table's order, each ending with
// a count line and the end line; or, after Cancel, with the cancel line.

// "WB_BCDUMP": each bank account with its address in lines of 20 characters, its opening balance
// and its current balance (the opening balance plus its reconciled transactions), then the total
// of the current balances.
void PrintBankCodeList(ReportDesk& desk);
// "WB_VCDUMP": each VAT code with its name and its rate as stored.
void PrintVatCodeList(ReportDesk& desk);
// "WB_CCDUMP": each customer with its address in lines of 20 characters, telephone and fax.
void PrintCustomerCodeList(ReportDesk& desk);
// "WB_ACDUMP": each category with its name.
void PrintCategoryCodeList(ReportDesk& desk);

} // namespace reports
