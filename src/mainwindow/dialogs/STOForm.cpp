#include "mainwindow/dialogs/STOForm.h"

#include "core/Book.h"
#include "core/StandingOrderLine.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "datafile/LineBreakEscape.h"
#include "mainwindow/dialogs/BookViewHost.h"
#include "mainwindow/OneLineListCopy.h"
#include "reports/PrintJobRequest.h"
#include "reports/ReportDesk.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr const char* TransferMemo = "Trnsfr To A/C";
constexpr int LastDayInFebruary = 28;

// A field of a standing-order line, blank-padded to its width.
std::string field(const std::string& line, int start, int width)
{
    return runtime::padRight(runtime::mid(line, start, width), width);
}

// The day a line dated `day` falls on in the month of `today`: a day past the month's end becomes
// its last day, and February always ends on the 28th.
int dayInMonth(int day, runtime::Date today)
{
    int last = today.month() == 2 ? LastDayInFebruary : 31;
    while (last > LastDayInFebruary && !runtime::Date::fromYmd(today.year(), today.month(), last))
        --last;
    return day > last ? last : day;
}

} // namespace

STOForm::STOForm(core::Book& book, reports::ReportDesk& reportDesk, BookViewHost& host)
    : Form(book.services(), "STOForm"), book_(book), reportDesk_(reportDesk), host_(host)
{
    setCaption("Standing Orders");
    // Wide enough for a whole standing order in the list's fixed-pitch face.
    Move(0, 0, 15900, 4800);
    Label2.Move(120, 120, 15540, 240);
    Label2.setCaption("Day  Ref     Last Used       Type         Amount  Comment");
    // The heading's blanks are set for a proportional face: at this size its words stand over the
    // list's columns.
    Label2.setFontName("Arial");
    Label2.setFontSize(9);
    ListSTOs.Move(120, 360, 15540, 3360);
    ListSTOs.setFontName("Courier New");
    ListSTOs.setFontSize(8);
    ListSTOs.setMultiSelect(1);

    const char* captions[] = {"&Print", "&Delete", "&Apply", "&Close"};
    platform::CommandButton* buttons[] = {&CmdPrint, &CmdDelete, &CmdApply, &CmdClose};
    for (int i = 0; i < 4; ++i) {
        buttons[i]->Move(120 + 1380.0 * i + (i == 3 ? 9300 : 0), 3900, 1215, 375);
        buttons[i]->setCaption(captions[i]);
    }
    CmdApply.setToolTipText("Apply the selected standing orders to this month");
    CmdClose.setCancel(true);

    CmdApply.Click = [this] { CmdApply_Click(); };
    CmdDelete.Click = [this] { DeleteSelectedStandingOrder(); };
    CmdPrint.Click = [this] { CmdPrint_Click(); };
    CmdClose.Click = [this] { Hide(); };
    endDesign();
}

void STOForm::ShowStandingOrders()
{
    ListSTOs.Clear();
    for (int i = 0; i < book_.codes.ListSTOs.ListCount(); ++i)
        ListSTOs.AddItem("");
    for (int i = 0; i < ListSTOs.ListCount(); ++i)
        ShowLine(i);
}

void STOForm::ShowLine(int index)
{
    ListSTOs.setList(index, ShownOnOneLine(book_.codes.ListSTOs.List(index)));
}

void STOForm::CmdApply_Click()
{
    core::Book& book = book_;
    if (book.messages.AskYesNo("Apply all selected Standing Orders?") != platform::Answer::Yes)
        return;
    const std::string summary = ApplySelectedStandingOrders();
    if (runtime::rtrim(summary).empty()) {
        book.messages.ShowInfoBox("No Standing Orders Applied");
        return;
    }
    if (book.AutoSave && book.ledger.FileChanged)
        host_.SaveTheFile();
    book.messages.ShowInfoBox("The Following Standing Orders have been Applied to the current file :\r"
                              "Day\tRef\tAmount\r" +
                              summary);
}

std::string STOForm::ApplySelectedStandingOrders()
{
    core::Book& book = book_;
    platform::ListModel& orders = book.codes.ListSTOs;
    const runtime::Date today = services().now();
    // Each record is assembled with the split tail; the transaction in the edit box keeps its own.
    const std::string editedTail = book.SplitTail;
    std::string summary;
    for (int i = 0; i < ListSTOs.ListCount(); ++i) {
        if (!ListSTOs.Selected(i))
            continue;
        std::string line = orders.List(i);
        // A line of the older layout lacks two blanks before its type.
        if (line.size() >= 22 && line[21] != ' ')
            line = runtime::left(line, 10) + "  " + runtime::mid(line, 11);
        if (!ApplyStandingOrder(line, today))
            continue;
        // Replaced where it stands, so the line is neither moved nor met again by this loop.
        orders.setList(i, runtime::left(line, 10) + runtime::format(today, "dd/Mmm/yyyy") + " " +
                              runtime::mid(line, 23));
        ShowLine(i);
        ListSTOs.setSelected(i, false);
        summary += runtime::mid(line, 1, 2) + "\t" + runtime::mid(line, 4, 6) + "\t" + runtime::mid(line, 27, 11) + "\r";
    }
    book.SplitTail = editedTail;
    host_.SyncQueryScrollBar(1);
    host_.RefreshQueryGrid(1);
    return summary;
}

bool STOForm::ApplyStandingOrder(const std::string& line, runtime::Date today)
{
    core::Book& book = book_;
    core::TransactionTable& table = book.ledger.Transactions;
    const std::string type = field(line, 23, 3);
    const bool transfer = type == "XFR";
    if (table.UpperBound() + (transfer ? 2 : 1) > core::TransactionTable::MaxTransactions) {
        core::ShowTransactionTableFull(book);
        return false;
    }
    const core::SequenceCounters countersBefore = book.counters;
    const int before = table.UpperBound();

    core::TransactionFields fields;
    fields.Number = book.counters.TakeNextTransactionNumber();
    const int day = runtime::toInt32(runtime::val(runtime::mid(line, 1, 2)));
    const int shownDay = dayInMonth(day, today);
    fields.Date = (shownDay == day ? field(line, 1, 2) : runtime::format(shownDay, "00")) +
                  runtime::format(today, "/Mmm/yyyy");
    fields.Type = type;
    fields.Reference = field(line, 4, 6);
    if (runtime::trim(fields.Reference).empty())
        fields.Reference = type == "INV" ? book.counters.TakeNextInvoiceNumber() : fields.Number;
    fields.Amount = runtime::val(runtime::mid(line, 27, 11));
    fields.Memo = field(line, 39, 74);
    datafile::EscapeLineBreaks(fields.Memo);
    fields.Bank = field(line, 114, 6);
    fields.Customer = field(line, 121, 6);
    fields.VAT = field(line, 128, 3);
    fields.Category = field(line, 132, 4);
    fields.VATAmount = runtime::val(runtime::mid(line, 143, 11));
    fields.EEC = runtime::right(line, 1) == "Y";
    fields.Paid = type == "PAY" || type == "RCP" || transfer;

    const std::string receivingBank = field(line, 136, 6);
    if (transfer) {
        fields.Type = "PAY";
        if (runtime::rtrim(fields.Memo) == TransferMemo)
            fields.Memo = runtime::padRight(std::string(TransferMemo) + " " + receivingBank, 74);
    }
    book.SplitTail.clear();
    core::AddTransaction(book, fields);
    if (transfer && table.UpperBound() == before + 1) {
        fields.Number = book.counters.TakeNextTransactionNumber();
        fields.Type = "RCP";
        fields.Memo = runtime::padRight("Trnsfr from A/C " + field(line, 114, 6), 74);
        fields.Bank = receivingBank;
        book.SplitTail.clear();
        core::AddTransaction(book, fields);
    }
    const bool stored = table.UpperBound() == before + (transfer ? 2 : 1);
    if (table.UpperBound() == before)
        book.counters = countersBefore;
    return stored;
}

void STOForm::DeleteSelectedStandingOrder()
{
    for (int i = 0; i < ListSTOs.ListCount(); ++i) {
        if (!ListSTOs.Selected(i))
            continue;
        core::Book& book = book_;
        const std::string line = book.codes.ListSTOs.List(i);
        if (book.messages.AskYesNo("Delete Standing Order '" + runtime::left(line, 9) + "' ?") ==
            platform::Answer::Yes) {
            book.codes.ListSTOs.RemoveItem(i);
            ListSTOs.RemoveItem(i);
            book.ledger.FileChanged = true;
        }
        return;
    }
}

void STOForm::CmdPrint_Click()
{
    if (ListSTOs.ListCount() == 0) {
        book_.messages.ShowErrorBox("There are no Standing Orders to print...");
        return;
    }
    reports::RequestPrintJob(reportDesk_, "Standing Order Report", "WB_STODUMP");
}

} // namespace mainwindow
