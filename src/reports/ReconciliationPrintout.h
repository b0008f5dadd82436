#pragma once

#include <string>
#include <vector>

namespace reports {

// What the reconciliation window shows, handed to its printed report: the reports may not reach
// into the main program's windows, so the window's Print button fills this on the report desk.
struct ReconciliationPrintout {
    std::string BankText; // the bank combo's text
    std::string FromDate; // "dd/Mmm/yyyy" as the boxes hold it
    std::string ToDate;
    std::string StartBalance; // as typed in the start-balance box
    std::string CurrentBalanceCaption; // the current-balance label's caption
    std::vector<std::string> Lines; // the list's lines, in order
};

// The columns of a line of the reconciliation window's list (1-based start, width), which the
// window builds and its printed report reads. Each amount column holds the widest grouped amount
// a record holds ("99,999,999.99"), the effect a balance as wide with its sign; one blank stands
// between columns. A balance wider still widens the effect and moves only the blanks and the record
// number after it: the record number is always the line's last six characters.
namespace ReconLine {
inline constexpr int DateColumn = 1, DateWidth = 11;
inline constexpr int RefColumn = 13, RefWidth = 6;
inline constexpr int MemoColumn = 20, MemoWidth = 20;
inline constexpr int MarkColumn = 41, MarkWidth = 6; // "Y" or blank, then blanks under "Recon?"
inline constexpr int AmountWidth = 13;
inline constexpr int PaymentColumn = 48;
inline constexpr int ReceiptColumn = 62;
inline constexpr int EffectColumn = 76, EffectWidth = 14;
inline constexpr int RecordNumberWidth = 6;
// The blanks and the record number after the effect.
inline constexpr int TailWidth = 12;
} // namespace ReconLine

} // namespace reports
