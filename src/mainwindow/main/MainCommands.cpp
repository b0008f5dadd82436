#include "core/IndexOperations.h"
#include "core/TransactionEdits.h"
#include "mainwindow/main/Main.h"
#include "runtime/Date.h"
#include "runtime/Error.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr const char* TransferMemo = "Trnsfr To A/C";

std::string BankCodeOf(std::string_view text)
{
    return runtime::padRight(runtime::ucase(runtime::left(text, 6)), 6);
}

} // namespace

void Main::CmdChange_Click()
{
    try {
        StoreEditBox();
    } catch (const runtime::Error&) {
        // A failing store ends quietly: what could be stored has been, and the grid shows it.
    }
}

bool Main::StoreEditBox()
{
    CmdChange.setDefault(false);
    core::TransactionFields fields;
    EditBoxToRecord(fields);
    if (!ValidateTransaction(fields)) {
        // The refusal put the focus in the field to mend; where it was there already no GotFocus
        // runs, yet Enter there must store again as it did before.
        CmdChange.setDefault(EnterStoresFrom(ActiveControl()));
        return false;
    }
    core::Ledger& ledger = book.ledger;
    std::optional<int> position;
    if (runtime::trim(ComboType.Text()) == "XFR") {
        position = StoreTransfer(fields);
    } else if (!ledger.CurrentTransactionLine.empty()) {
        const std::string before = ledger.CurrentTransactionLine;
        const int place = core::ReplaceTransaction(book, ledger.CurrentTransactionIndex, fields);
        if (place > 0 || ledger.CurrentTransactionLine != before)
            position = place;
    } else {
        position = StoreNewTransaction(fields);
    }
    if (!position)
        return false;
    core::LastUsedCodes& last = book.codes.LastUsed;
    last.Bank = runtime::ucase(ComboBank.Text());
    last.VAT = runtime::ucase(ComboVAT.Text());
    last.Category = runtime::ucase(ComboAnal.Text());
    last.Customer = runtime::ucase(ComboCustomer.Text());
    BringGridTo(*position);
    SaveIfAutoSave();
    return true;
}

std::optional<int> Main::StoreNewTransaction(core::TransactionFields& fields)
{
    core::Ledger& ledger = book.ledger;
    const int before = ledger.Transactions.UpperBound();
    const bool shown = core::AddTransaction(book, fields);
    // A refused transaction leaves the box on what it was, so the next store cannot overwrite another.
    if (ledger.Transactions.UpperBound() == before)
        return std::nullopt;
    const int record = ledger.Transactions.UpperBound();
    ledger.CurrentTransactionLine = ledger.Transactions.Line(record);
    ledger.CurrentTransactionIndex = record;
    if (!shown)
        return 0;
    TextTranNum.setText(fields.Number);
    return QueryPositionOf(record);
}

std::optional<int> Main::StoreTransfer(core::TransactionFields& fields)
{
    core::Ledger& ledger = book.ledger;
    if (ledger.Transactions.UpperBound() + 2 > core::TransactionTable::MaxTransactions) {
        book.messages.ShowErrorBox("There is room for only one more transaction in this file and a transfer needs "
                                   "two. Create a new file or try archiving part of this one.");
        return std::nullopt;
    }
    const std::string toBank = BankCodeOf(ComboToBank.Text());
    const std::string payingBank = fields.Bank;
    fields.Type = "PAY";
    if (runtime::rtrim(fields.Memo) == TransferMemo)
        fields.Memo = runtime::padRight(std::string(TransferMemo) + " " + toBank, 74);
    const int before = ledger.Transactions.UpperBound();
    core::AddTransaction(book, fields);
    if (ledger.Transactions.UpperBound() == before)
        return std::nullopt;

    fields.Type = "RCP";
    fields.Memo = runtime::padRight("Trnsfr from A/C " + runtime::padRight(payingBank, 6), 74);
    fields.Bank = toBank;
    fields.Number = book.counters.TakeNextTransactionNumber();
    const bool shown = core::AddTransaction(book, fields);
    const bool stored = ledger.Transactions.UpperBound() == before + 2;
    ClearEntryFields(core::ClearWholeEditBox);
    UpdateMenuState();
    if (!stored || !shown)
        return 0;
    return QueryPositionOf(ledger.Transactions.UpperBound());
}

int Main::QueryPositionOf(int recordNumber) const
{
    const core::Ledger& ledger = book.ledger;
    const core::IndexKind kind = core::ResolveIndexKind(book, core::IndexKind::Query);
    return ledger.QueryIndex.FindIndexEntry(core::BuildIndexKey(ledger.Transactions.Line(recordNumber), kind),
                                            recordNumber);
}

void Main::BringGridTo(int position)
{
    if (position < 1) {
        // Left out by the filter: the grid stays where it is, without it.
        SyncQueryScrollBar();
        RefreshQueryGrid();
        return;
    }
    SyncQueryScrollBar(position);
    SelectedMark = position + 1;
    RefreshQueryGrid(QRYScroll.Value());
    SetQueryGridSelection(position - QRYScroll.Value() + 1);
}

void Main::SaveIfAutoSave()
{
    if (book.AutoSave && book.ledger.FileChanged)
        SaveTheFile();
}

void Main::CmdDelete_Click()
{
    core::Ledger& ledger = book.ledger;
    if (ledger.CurrentTransactionLine.empty())
        return;
    if (book.messages.AskYesNo("Delete transaction ref '" + TextRef.Text() + "'") != platform::Answer::Yes)
        return;
    if (!core::DeleteTransaction(book, ledger.CurrentTransactionIndex))
        return;
    ClearEntryFields(core::ClearWholeEditBox);
    UpdateMenuState();
    SelectedMark = 0;
    SyncQueryScrollBar(1);
    RefreshQueryGrid(QRYScroll.Value());
    SaveIfAutoSave();
}

void Main::CmdGenPay_Click()
{
    try {
        // Validated before anything is assembled, so an amount too wide for its column gets the plain
        // message rather than the assembly's dump.
        core::TransactionFields fields;
        EditBoxToRecord(fields);
        if (!ValidateTransaction(fields))
            return;
        if (CheckPaid.Value() == 1 &&
            book.messages.AskYesNo("This transaction has already been paid. Do you wish to generate another balancing "
                                   "payment against it?") != platform::Answer::Yes)
            return;
        CheckPaid.setValue(1);
        // The payment balances the invoice or bill as stored; without it there is nothing to balance.
        if (!StoreEditBox())
            return;
        core::Ledger& ledger = book.ledger;
        core::ParseTransactionRecord(book, ledger.CurrentTransactionLine, fields);
        fields.Number = book.counters.TakeNextTransactionNumber();
        fields.Memo = runtime::padRight(runtime::left("VS " + fields.Memo, 74), 74);
        LoadTransactionIntoEditBox(fields);
        ledger.CurrentTransactionLine.clear();
        ledger.CurrentTransactionIndex = 0;

        const bool invoice = runtime::trim(ComboType.Text()) == "INV";
        const std::string oldName = invoice ? "Invoice" : "Bill";
        const std::string newName = invoice ? "Receipt" : "Payment";
        const std::string newType = invoice ? "RCP" : "PAY";
        ComboType.setText(newType);
        ApplyTypeToEditBox(newType);
        if (!runtime::trim(ComboVAT.Text()).empty() &&
            book.messages.AskYesNo("The original " + oldName + " had a VAT code of '" + ComboVAT.Text() +
                                   "'. Do you want to keep this VAT code on the generated " + newName +
                                   "? (Hint - If you use the CASH Accounting VAT scheme, choose YES but if you use "
                                   "Standard Accounting methods choose NO).") != platform::Answer::Yes)
            ComboVAT.setText("");
        TextDate.setText(runtime::format(services().now(), "dd/Mmm/yyyy"));
        StoreEditBox();
        SaveIfAutoSave();
    } catch (const runtime::Error& error) {
        book.messages.ShowErrorBox("Error While generating transaction : " + error.description());
    }
}

} // namespace mainwindow
