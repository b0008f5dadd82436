#include "mainwindow/dialogs/Reconform.h"

#include "core/Balances.h"
#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeTableEdits.h"
#include "core/DateBox.h"
#include "core/DateText.h"
#include "core/FilterMatch.h"
#include "core/IndexOperations.h"
#include "core/ListHelpers.h"
#include "core/ListSearch.h"
#include "core/MoneyFormat.h"
#include "core/PickDate.h"
#include "core/RecordField.h"
#include "core/TextTests.h"
#include "core/TypedAmount.h"
#include "datafile/LineBreakEscape.h"
#include "mainwindow/dialogs/BookViewHost.h"
#include "mainwindow/dialogs/Calendar.h"
#include "reports/CancelForm.h"
#include "reports/PrintJobRequest.h"
#include "reports/ReconciliationPrintout.h"
#include "reports/ReportDesk.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

// The columns of a line of the list (1-based start, width). Each amount column holds the widest
// grouped amount a record holds ("99,999,999.99"), the effect a balance as wide with its sign; one
// blank stands between columns. A balance wider still widens the effect and moves only the blanks
// and the record number after it.
namespace Line {
constexpr int RefColumn = 13;
constexpr int MemoColumn = 20, MemoWidth = 20;
constexpr int MarkColumn = 41, MarkWidth = 6; // "Y" or blank, then blanks under "Recon?"
constexpr int AmountWidth = 13;
constexpr int EffectWidth = 14;
// The blanks and the record number after the effect.
constexpr int TailWidth = 12;
} // namespace Line

constexpr int BankCodeWidth = 6;
constexpr int OpeningDays = 31;

std::string storedDate(const std::string& shown)
{
    return core::FormatShownDateForStorage(shown, "yyyymmdd");
}

// The list's heading, in the list's fixed-pitch face: each word stands over its column, an amount's
// over its right-aligned figures.
std::string listHeading()
{
    using runtime::padLeft;
    using runtime::padRight;
    return padRight("Date", Line::RefColumn - 1) + padRight("Ref", Line::MemoColumn - Line::RefColumn) +
           padRight("Comment", Line::MarkColumn - Line::MemoColumn) + padRight("Recon?", Line::MarkWidth) + " " +
           padLeft("Payment", Line::AmountWidth) + " " + padLeft("Receipt", Line::AmountWidth) + " " +
           padLeft("Effect", Line::EffectWidth) + padLeft("Record", Line::TailWidth);
}

} // namespace

Reconform::Reconform(core::Book& book, Calendar& calendar, reports::ReportDesk& reportDesk, BookViewHost& host)
    : Form(book.services(), "Reconform"), book_(book), calendar_(calendar), reportDesk_(reportDesk), host_(host)
{
    setCaption("Reconciliation");
    Move(0, 0, 10800, 6600);

    FrameReconcile.Move(120, 60, 10455, 960);
    FrameReconcile.setCaption("Account");
    ComboReconBank.Move(120, 300, 3000, 285);
    ComboReconBank.setToolTipText("Choose the bank account to reconcile");
    LblFrom.Move(3300, 330, 500, 240);
    LblFrom.setCaption("From");
    TextReconFrom.Move(3840, 300, 1300, 285);
    LblTo.Move(5280, 330, 300, 240);
    LblTo.setCaption("To");
    TextReconTo.Move(5640, 300, 1300, 285);
    ChkUnReconOnly.Move(3300, 630, 3600, 255);
    ChkUnReconOnly.setCaption("Load UnReconciled Items Only");
    CmdReload.Move(9000, 300, 1215, 375);
    CmdReload.setCaption("&Reload");

    // Over the list's text, which starts a few pixels inside its border.
    LblHeading.Move(180, 1140, 10395, 240);
    LblHeading.setCaption(listHeading());
    LblHeading.setFontName("Courier New");
    LblHeading.setFontSize(8);
    ListReconcile.Move(120, 1380, 10455, 3960);
    ListReconcile.setFontName("Courier New");
    ListReconcile.setFontSize(8);

    LblStartBal.Move(120, 5490, 1900, 240);
    LblStartBal.setCaption("Recon Start Balance");
    TextStartBal.Move(2040, 5460, 1300, 285);
    TextStartBal.setText("0.00");
    LblCurrBalTitle.Move(3600, 5490, 1500, 240);
    LblCurrBalTitle.setCaption("Current Balance");
    LblCurrBal.Move(5160, 5460, 1300, 285);
    LblCurrBal.setBorderStyle(1);
    LblCurrBal.setCaption("0.00");
    CmdPrint.Move(7920, 5430, 1215, 375);
    CmdPrint.setCaption("&Print");
    CmdDone.Move(9360, 5430, 1215, 375);
    CmdDone.setCaption("&Close");
    CmdDone.setCancel(true);

    ComboReconBank.KeyPress = [](int& keyAscii) { keyAscii = core::UpperCaseKey(keyAscii); };
    for (platform::TextBox* box : {&TextReconFrom, &TextReconTo}) {
        box->LostFocus = [this, box] { DateBox_LostFocus(*box); };
        box->DblClick = [this, box] { DateBox_DblClick(*box); };
    }
    for (platform::TextBox* box : {&TextReconFrom, &TextReconTo, &TextStartBal})
        box->GotFocus = [this, box] { core::SelectAllText(services(), *box); };
    TextStartBal.LostFocus = [this] { TextStartBal_LostFocus(); };
    ListReconcile.DblClick = [this] { ListReconcile_DblClick(); };
    CmdReload.Click = [this] { LoadReconciliation(); };
    CmdPrint.Click = [this] { CmdPrint_Click(); };
    CmdDone.Click = [this] { CmdDone_Click(); };
    endDesign();
}

void Reconform::Form_Load()
{
    core::Book& book = book_;
    // The window is unloaded at every Close, so its bank list is copied afresh at every opening.
    bool copy = true;
    core::CopyListItems(ComboReconBank.model(), book_.codes.ComboBank, copy);
    const core::FilterSetup& current = book.ledger.Filters.CurrentFilter;
    const std::string from = runtime::trim(core::StoredText(current.FromDate));
    if (!from.empty()) {
        const std::string to = runtime::trim(core::StoredText(current.ToDate));
        TextReconFrom.setText(core::FormatYmdAsDisplayDate(from));
        TextReconTo.setText(to.empty() ? TextReconFrom.Text() : core::FormatYmdAsDisplayDate(to));
    } else {
        const runtime::Date today = services().now().dateOnly();
        TextReconFrom.setText(runtime::format(runtime::Date(today.serial() - OpeningDays), "dd/Mmm/yyyy"));
        TextReconTo.setText(runtime::format(today, "dd/Mmm/yyyy"));
    }
    ComboReconBank.setText(runtime::rtrim(core::StoredText(current.BankCode)));
    if (!ComboReconBank.Text().empty())
        LoadReconciliation();
    core::SetMousePointer(services(), core::DefaultPointer);
}

void Reconform::RefuseLoad(const std::string& message, platform::Control& focus)
{
    book_.messages.ShowErrorBox(message);
    if (Visible())
        setFocus(focus);
}

int Reconform::LoadReconciliation()
{
    core::Book& book = book_;
    const core::BusyPointer busy(services());
    try {
        const std::string code = runtime::padRight(runtime::ucase(runtime::left(ComboReconBank.Text(), BankCodeWidth)),
                                                   BankCodeWidth);
        const std::string from = storedDate(TextReconFrom.Text());
        const std::string to = storedDate(TextReconTo.Text());
        if (core::IsBlank(code)) {
            RefuseLoad("Select a bank account to reconcile", ComboReconBank);
            return 0;
        }
        if (core::FindListItem(ComboReconBank.model(), code, BankCodeWidth) == -1) {
            RefuseLoad("'" + runtime::rtrim(code) + "' is not a valid Bank Code", ComboReconBank);
            return 0;
        }
        if (core::IsBlank(TextReconFrom.Text())) {
            RefuseLoad("From Date required", TextReconFrom);
            return 0;
        }
        if (core::IsBlank(TextReconTo.Text())) {
            RefuseLoad("To Date required", TextReconTo);
            return 0;
        }
        if (from > to) {
            RefuseLoad("From Date bigger than To Date", TextReconTo);
            return 0;
        }

        ReconFilter = core::FilterSetup{};
        ReconFilter.DateOn = core::FlagTrue;
        ReconFilter.FromDate = from;
        ReconFilter.ToDate = to;
        ReconFilter.BankOn = core::FlagTrue;
        ReconFilter.BankOp = core::GetOperatorCode("=");
        ReconFilter.BankCode = code;
        ReconFilter.TypeOn = core::FlagTrue;
        ReconFilter.Types = "PR";
        ReconFilter.RecOn = core::ToFlag(ChkUnReconOnly.Value() == 1);
        ReconFilter.RecState = core::FlagFalse;

        ListReconcile.Clear();
        rows_.clear();
        const core::Ledger& ledger = book.ledger;
        const core::FilterMatcher matcher(ReconFilter);
        int count = 0;
        const int first = ledger.DateIndex.FindIndexLowerBound(from);
        for (int position = std::max(first, 1); first > 0 && position <= ledger.DateIndex.UpperBound(); ++position) {
            const int record = ledger.DateIndex.at(position).RecordNumber;
            const int match = matcher.Match(ledger.Transactions.Line(record), core::IndexKind::Date);
            if (match == core::FilterPastToDate)
                break;
            if (match == core::FilterPasses) {
                rows_.push_back(ReadReconRow(record));
                ListReconcile.AddItem(BuildReconLine(rows_.back()));
                ++count;
            }
        }

        double cash = 0;
        const double reconciled = core::SumBankAccount(book, code, cash);
        ShowCurrentBalance(runtime::format(core::GetBankAccount(book, code) + reconciled, "0.00"));
        TextStartBal.setText(LblCurrBal.Caption());
        ReconStartBalance = core::ReadTypedAmount(TextStartBal.Text()).value_or(0);
        return count;
    } catch (const runtime::Error& error) {
        book.messages.ShowErrorBox(error.description());
        return 0;
    }
}

reports::ReconciliationRow Reconform::ReadReconRow(int recordNumber) const
{
    const std::string_view record = book_.ledger.Transactions.Line(recordNumber);
    reports::ReconciliationRow row;
    row.Date = core::FormatYmdAsDisplayDate(core::RecordField(record, core::RecordColumns::Date));
    row.Reference = core::PaddedRecordField(record, core::RecordColumns::Reference);
    row.Memo = core::RecordField(record, core::RecordColumns::Memo);
    datafile::FlattenLineBreaks(row.Memo);
    row.Memo = runtime::rtrim(row.Memo);
    row.Reconciled = core::RecordFlag(record, core::RecordColumns::Reconciled);
    row.Payment = core::RecordField(record, core::RecordColumns::Type) == "PAY";
    row.Amount = core::RecordAmount(record);
    row.RecordNumber = recordNumber;
    return row;
}

std::string Reconform::BuildReconLine(const reports::ReconciliationRow& row)
{
    const std::string amount = runtime::padLeft(core::FormatAmountGrouped(row.Amount), Line::AmountWidth);
    const std::string blankAmount = runtime::space(Line::AmountWidth);
    const std::string effect = row.Effect ? core::FormatAmountGrouped(*row.Effect) : "";
    return row.Date + " " + row.Reference + " " + runtime::padRight(row.Memo, Line::MemoWidth) + " " +
           runtime::padRight(row.Reconciled ? "Y" : " ", Line::MarkWidth) + " " +
           (row.Payment ? amount : blankAmount) + " " + (row.Payment ? blankAmount : amount) + " " +
           runtime::padLeft(effect, Line::EffectWidth) +
           runtime::padLeft(runtime::format(row.RecordNumber, "000000"), Line::TailWidth);
}

void Reconform::ListReconcile_DblClick()
{
    const int index = ListReconcile.ListIndex();
    if (index < 0)
        return;
    core::Book& book = book_;
    reports::ReconciliationRow& row = rows_.at(static_cast<std::size_t>(index));
    if (!book.ledger.Transactions.Contains(row.RecordNumber))
        return;
    std::string record(book.ledger.Transactions.Line(row.RecordNumber));
    const bool reconciled = core::RecordFlag(record, core::RecordColumns::Reconciled);
    if (reconciled && book.messages.AskYesNo("Do you wish to De-Reconcile this transaction?") != platform::Answer::Yes)
        return;
    record[static_cast<std::size_t>(core::RecordColumns::Reconciled.start - 1)] = reconciled ? ' ' : 'Y';
    const double delta = (reconciled ? -1 : 1) * core::GetSignedAmount(record);
    book.ledger.Transactions.Replace(row.RecordNumber, record);

    AddToCurrentBalance(delta);
    row.Reconciled = !reconciled;
    row.Effect = currentBalance_;
    ListReconcile.setList(index, BuildReconLine(row));
    ListReconcile.setListIndex(index);
    book.ledger.FileChanged = true;
}

void Reconform::ShowCurrentBalance(const std::string& shown)
{
    LblCurrBal.setCaption(shown);
    currentBalance_ = runtime::val(shown);
}

void Reconform::AddToCurrentBalance(double delta)
{
    ShowCurrentBalance(runtime::signedText(currentBalance_ + delta));
}

void Reconform::TextStartBal_LostFocus()
{
    const std::optional<double> typed = core::ReadTypedAmount(TextStartBal.Text());
    if (!typed) {
        // Refused as typed: the balances stay as they were. The focus goes on where it was going: on
        // screen a control clicked while the message shows keeps the focus, so taking it back here
        // would leave the box again and refuse again without end.
        book_.messages.ShowErrorBox(core::NotAnAmountMessage(TextStartBal.Text(), "Start Balance"));
        return;
    }
    const double balance = *typed;
    TextStartBal.setText(runtime::format(balance, "0.00"));
    if (balance == ReconStartBalance)
        return;
    const double delta = balance - ReconStartBalance;
    ReconStartBalance = balance;
    AddToCurrentBalance(delta);
}

void Reconform::DateBox_LostFocus(platform::TextBox& box)
{
    core::LeaveDateBox(book_.messages, box);
}

void Reconform::DateBox_DblClick(platform::TextBox& box)
{
    const std::string picked = core::PickDate(book_, calendar_, box.Text());
    if (!picked.empty())
        box.setText(picked);
}

void Reconform::CmdPrint_Click()
{
    if (ListReconcile.ListCount() == 0) {
        book_.messages.ShowErrorBox("The specified reconciliation contains no transactions");
        return;
    }
    reports::ReconciliationPrintout& printout = reportDesk_.Reconciliation;
    printout.BankText = ComboReconBank.Text();
    printout.FromDate = TextReconFrom.Text();
    printout.ToDate = TextReconTo.Text();
    // The box's amount as it stands, 0 for text it refused.
    printout.StartBalance = core::ReadTypedAmount(TextStartBal.Text()).value_or(0);
    printout.EndBalance = currentBalance_;
    printout.Rows = rows_;
    reports::RequestPrintJob(reportDesk_, "Reconciliation Report", "WB_RECONDUMP");
}

bool Reconform::PrintJobShowing()
{
    return reportDesk_.PrintJobWindow().Visible();
}

void Reconform::ShowMarksInMainWindow()
{
    core::Book& book = book_;
    // Under a filter on the reconciled state the marks move transactions in or out of the list.
    if (core::IsOn(book.ledger.Filters.CurrentFilter.RecOn)) {
        core::ApplyFilterInSortOrder(book);
        host_.ShowArchiveChanges();
    } else {
        host_.RefreshQueryGrid();
    }
    if (book.AutoSave && book.ledger.FileChanged)
        host_.SaveTheFile();
}

void Reconform::CmdDone_Click()
{
    if (PrintJobShowing())
        return;
    ShowMarksInMainWindow();
    Unload();
}

void Reconform::Form_QueryUnload(int& cancel, int unloadMode)
{
    if (unloadMode != platform::UnloadByUser)
        return;
    if (PrintJobShowing()) {
        cancel = 1;
        return;
    }
    ShowMarksInMainWindow();
}

} // namespace mainwindow
