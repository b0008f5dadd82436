#pragma once

#include <string>
#include <string_view>

#include "core/CodeKind.h"

namespace platform {
class ListModel;
}

namespace core {

class Book;
class Messages;

// Adds a code line to its table and the mirror text (trailing blanks removed) to the mirror. A
// code already in the table (letter case ignored) is refused with "Code '...' already exists".
bool AddCodeLine(Messages& messages, platform::ListModel& table, platform::ListModel& mirror, const std::string& line,
                 const std::string& mirrorText, int codeWidth);

// Removes a code's line and its mirror item. Both are found first: when either is missing nothing
// is removed and the answer is false.
bool RemoveCodeLine(platform::ListModel& table, platform::ListModel& mirror, std::string_view code, int codeWidth);

// Puts a changed line in place of the line of `oldCode`; the new line may carry a new code, which
// must not be in the table yet (a change of letter case only is refused too, as the old line
// matches it). A new code is offered to the transactions (PropagateCodeChange). Nothing changes
// unless both the old line and its mirror item are there. The new line and mirror text take their
// sorted places.
bool ReplaceCodeLine(Book& book, platform::ListModel& table, platform::ListModel& mirror,
                     const std::string& newLine, const std::string& mirrorText, std::string_view oldCode, int codeWidth,
                     CodeKind kind);

// Asks before a code is deleted, warning when any transaction (deleted ones included) uses it.
// True only for Yes; false without a question for a blank code.
bool ConfirmDeleteCode(Book& book, std::string_view code, CodeKind kind);

// Asks whether the transactions should follow a code's new key, and on Yes re-keys every record
// that holds the old code in the kind's column; for VAT codes the splits' codes too.
void PropagateCodeChange(Book& book, CodeKind kind, std::string_view oldCode,
                         std::string_view newLine, int codeWidth);

// The split tail with every split VAT code equal to the old code's first 3 characters replaced by
// the new line's first 3.
std::string ReplaceCodeInSplits(std::string tail, std::string_view oldCode, std::string_view newLine);

// Empties every list that holds the book's tables, their mirrors and copies, and the standing
// orders: before a company is loaded or created.
void ClearAllCodeLists(Book& book);

// Adds an amount to a bank account's start balance; a missing account is left alone.
void ApplyToBankBalance(Book& book, std::string_view bankCode, double amount);

// Look-ups by code, letter case ignored. Missing codes give "" or 0.
// The name of a code: bank and customer columns 8-27, category 6-25, VAT 5-24 (the rate, a blank
// and the first 8 characters of the name).
std::string GetCodeName(const Book& book, std::string_view code, CodeKind kind);
std::string GetCustomerAddress(const Book& book, std::string_view code);
// The start balance of a bank account.
double GetBankAccount(const Book& book, std::string_view code);

} // namespace core
