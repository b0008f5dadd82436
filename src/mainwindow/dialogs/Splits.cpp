#include "mainwindow/dialogs/Splits.h"

#include <algorithm>
#include <set>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeKind.h"
#include "core/CodeList.h"
#include "core/ListHelpers.h"
#include "core/ListSearch.h"
#include "core/MoneyFormat.h"
#include "core/TypedAmount.h"
#include "core/Vat.h"
#include "mainwindow/dialogs/SplitsHost.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr const char* Pound = "\xA3"; // Windows-1252
constexpr int MemoWidth = 30;
constexpr int NumberWidth = 3;
constexpr int HighestSplitNumber = 999;
constexpr int VatCodeWidth = core::CodeWidth(core::CodeKind::Vat);

// Columns of a list line (1-based start, width).
constexpr int NetColumn = 32;
constexpr int VatCodeColumn = 44;
constexpr int VatColumn = 48;
constexpr int GrossColumn = 60;

double lineAmount(const std::string& line, int column)
{
    return runtime::val(runtime::mid(line, column, core::AmountWidth));
}

} // namespace

Splits::Splits(core::Book& book, SplitsHost& host) : Form(book.services(), "Splits"), book_(book), host_(host)
{
    setCaption("Edit Transaction Splits");
    Move(0, 0, 9420, 5580);

    Label2.Move(120, 120, 8280, 240);
    Label2.setCaption("Item                                   Net             VAT       Total");
    Label2.setFontName("Courier New");
    Label2.setFontSize(8);
    ListSplits.Move(120, 360, 8280, 2280);
    ListSplits.setFontName("Courier New");
    ListSplits.setFontSize(8);
    CmdUpList.Move(8520, 360, 735, 375);
    CmdUpList.setCaption("U&p");
    CmdUpList.setToolTipText("Move the selected split up the list");
    CmdDownList.Move(8520, 780, 735, 375);
    CmdDownList.setCaption("Do&wn");
    CmdDownList.setToolTipText("Move the selected split down the list");

    LblTotals.Move(120, 2700, 3000, 240);
    LblTotals.setCaption("Totals");
    for (platform::Label* total : {&LblNet, &LblVat, &LblTotal}) {
        total->setFontName("Courier New");
        total->setFontSize(8);
        total->setAlignment(platform::RightJustify);
        total->setCaption("0.00");
    }
    // Each total stands under its column of the list.
    LblNet.Move(3135, 2700, 1200, 240);
    LblVat.Move(4725, 2700, 1200, 240);
    LblTotal.Move(5910, 2700, 1200, 240);
    LblTranTotalTitle.Move(2640, 3000, 3120, 240);
    LblTranTotalTitle.setCaption("Original Transaction Total");
    LblTranTotal.Move(5910, 3000, 1200, 240);
    LblTranTotal.setFontName("Courier New");
    LblTranTotal.setFontSize(8);
    LblTranTotal.setAlignment(platform::RightJustify);

    FrameDetails.Move(120, 3360, 9135, 1035);
    LblItem.Move(120, 300, 3600, 240);
    LblItem.setCaption("Item");
    TxtMemo.Move(120, 540, 3600, 285);
    TxtMemo.setMaxLength(MemoWidth);
    LblAmount.Move(3840, 300, 1500, 240);
    LblAmount.setCaption("Amount");
    TxtAmount.Move(3840, 540, 1500, 285);
    TxtAmount.setMaxLength(core::AmountWidth);
    TxtAmount.setText("0.00");
    TxtAmount.setToolTipText("Gross amount; end it with N to enter the net amount");
    LblVATCode.Move(5460, 300, 3500, 240);
    LblVATCode.setCaption("VAT Code");
    ComboVATCodes.Move(5460, 540, 3500, 285);

    const char* captions[] = {"&New", "&Delete", "&Update", "OK", "&Cancel"};
    platform::CommandButton* buttons[] = {&CmdNew, &CmdDelete, &CmdUpdate, &CmdOK, &CmdCancel};
    for (int i = 0; i < 5; ++i) {
        buttons[i]->Move(120 + 1380.0 * i + (i >= 3 ? 1800 : 0), 4560, 1215, 375);
        buttons[i]->setCaption(captions[i]);
    }
    CmdOK.setDefault(true);
    CmdCancel.setCancel(true);
    LblOrigVATCode.setVisible(false);

    ListSplits.DblClick = [this] { ListSplits_DblClick(); };
    CmdNew.Click = [this] { CmdNew_Click(); };
    CmdUpdate.Click = [this] { CmdUpdate_Click(); };
    CmdDelete.Click = [this] { CmdDelete_Click(); };
    CmdUpList.Click = [this] { core::MoveListItem(book_.messages, ListSplits, false); };
    CmdDownList.Click = [this] { core::MoveListItem(book_.messages, ListSplits, true); };
    CmdOK.Click = [this] { CmdOK_Click(); };
    CmdCancel.Click = [this] { CmdCancel_Click(); };
    TxtAmount.GotFocus = [this] { core::SelectAllText(services(), TxtAmount); };
    TxtMemo.GotFocus = [this] {
        TxtMemo.setSelStart(0);
        TxtMemo.setSelLength(static_cast<int>(TxtMemo.Text().size()));
    };
    endDesign();
}

void Splits::Form_Load()
{
    const core::BusyPointer busy(services());
    try {
        const int count = core::SplitEntryCount(book_.SplitTail);
        for (int entry = 0; entry < count; ++entry)
            ListSplits.AddItem(SplitListLineFromTail(entry));
        RecalcSplitTotals();
        FillSplitVatCodes();
        ClearSplitRecord();
        // A net amount shows its figure before the "N"; text the edit box would refuse stands for no amount.
        const std::string typed = host_.EntryAmount();
        const double total = core::ReadTypedAmount(typed).value_or(core::ReadTypedNetAmount(typed).value_or(0));
        LblTranTotal.setCaption(core::FormatAmountPlain(total));
        FrameDetails.setCaption("Split Details for " + host_.EntryAmountCaption() + " Ref <" +
                                host_.EntryReference() + ">");
    } catch (const runtime::Error& error) {
        book_.messages.ShowErrorBox("Error while Attempting to Load Splits for this Transaction :" +
                                   error.description());
    }
}

std::string Splits::SplitLine(const std::string& memo, double gross, const std::string& vatCode,
                              const std::string& number) const
{
    const std::string code = runtime::padRight(vatCode, 3);
    std::string net = runtime::space(core::AmountWidth);
    std::string vat = net;
    std::string total = net;
    if (gross != 0) {
        const double vatPart = core::CalcVatOfGross(core::GetCodeListValue(book_.codes.ListVATCodes, code), gross);
        net = core::FormatAmountPlain(gross - vatPart);
        vat = core::FormatAmountPlain(vatPart);
        total = core::FormatAmountPlain(gross);
    }
    return runtime::padRight(memo, MemoWidth) + " " + net + " " + code + " " + vat + " " + total + runtime::space(5) +
           number;
}

std::string Splits::BuildSplitListLine(const std::string& number)
{
    try {
        return SplitLine(TxtMemo.Text(), core::ReadTypedAmount(TxtAmount.Text()).value_or(0),
                         runtime::left(runtime::ucase(ComboVATCodes.Text()), VatCodeWidth), number);
    } catch (const runtime::Error& error) {
        book_.messages.ShowErrorBox("Error while attempting to assemble split number  " + number + " : " +
                                   error.description());
        return {};
    }
}

std::string Splits::SplitListLineFromTail(int entry)
{
    try {
        const core::SplitEntry split = ExtractSplitEntry(entry);
        return SplitLine(split.Memo, split.Amount, split.VatCode, split.Number);
    } catch (const runtime::Error& error) {
        book_.messages.ShowErrorBox("Error while attempting to extract split number  " + std::to_string(entry) +
                                   " from database : " + error.description());
        return {};
    }
}

core::SplitEntry Splits::ExtractSplitEntry(int entry)
{
    return core::ReadSplitEntry(book_.SplitTail, entry);
}

core::SplitEntry Splits::ParseSplitListLine(int index)
{
    const std::string line = ListSplits.List(index);
    core::SplitEntry split;
    split.Number = runtime::right(line, NumberWidth);
    split.Memo = runtime::left(line, MemoWidth);
    split.Amount = lineAmount(line, GrossColumn);
    split.VatCode = runtime::mid(line, VatCodeColumn, 3);
    return split;
}

std::string Splits::BuildSplitEntry(int index)
{
    const core::SplitEntry split = ParseSplitListLine(index);
    return split.Number + split.Memo + core::FormatAmountPlain(split.Amount) + split.VatCode;
}

int Splits::NextSplitId()
{
    try {
        std::set<int> used;
        for (int i = 0; i < ListSplits.ListCount(); ++i)
            used.insert(runtime::toInt32(runtime::val(runtime::right(ListSplits.List(i), NumberWidth))));
        const int next = used.empty() ? 1 : *used.rbegin() + 1;
        if (next <= HighestSplitNumber)
            return next;
        // Three digits hold no higher number: the lowest one no split carries is free.
        int free = 1;
        while (used.contains(free))
            ++free;
        return free;
    } catch (const runtime::Error& error) {
        book_.messages.ShowErrorBox("Error : Unable to assign a reference ID to split : " + error.description());
        return 0;
    }
}

int Splits::RemoveSplitLine(const std::string& number)
{
    for (int i = 0; i < ListSplits.ListCount(); ++i) {
        if (runtime::right(ListSplits.List(i), NumberWidth) == number) {
            ListSplits.RemoveItem(i);
            book_.ledger.FileChanged = true;
            return i;
        }
    }
    return -1;
}

void Splits::StoreEditedSplit(int number)
{
    SplitFields.Number = runtime::format(number, "000");
    SplitFields.Memo = TxtMemo.Text();
    SplitFields.Amount = core::ReadTypedAmount(TxtAmount.Text()).value_or(0);
    SplitFields.VatCode = ComboVATCodes.Text();
}

void Splits::ClearSplitRecord()
{
    SplitFields = core::SplitEntry{};
}

void Splits::ClearSplitFields()
{
    TxtMemo.setText("");
    TxtAmount.setText("0.00");
    ComboVATCodes.setText("");
    ClearSplitRecord();
}

void Splits::FillSplitVatCodes()
{
    bool changed = true;
    core::CopyListItems(ComboVATCodes.model(), book_.codes.ComboVAT, changed);
}

void Splits::RecalcSplitTotals()
{
    double net = 0;
    double vat = 0;
    double total = 0;
    for (int i = 0; i < ListSplits.ListCount(); ++i) {
        const std::string line = ListSplits.List(i);
        net += lineAmount(line, NetColumn);
        vat += lineAmount(line, VatColumn);
        total += lineAmount(line, GrossColumn);
    }
    LblNet.setCaption(core::FormatAmountPlain(net));
    LblVat.setCaption(core::FormatAmountPlain(vat));
    LblTotal.setCaption(core::FormatAmountPlain(total));
}

bool Splits::ValidateSplitFields()
{
    core::Messages& messages = book_.messages;
    const std::string code = runtime::rtrim(runtime::left(runtime::ucase(ComboVATCodes.Text()), VatCodeWidth));
    // Looked up as the table holds it, blank-padded: "s" is the code "S  ".
    if (!code.empty() &&
        core::FindListItem(book_.codes.ComboVAT, runtime::padRight(code, VatCodeWidth), VatCodeWidth) == -1) {
        messages.ShowErrorBox("'" + code + "' is not a valid VAT Code");
        setFocus(ComboVATCodes);
        return false;
    }
    if (const std::optional<double> net = core::ReadTypedNetAmount(TxtAmount.Text())) {
        const double rate = core::GetCodeListValue(book_.codes.ListVATCodes, code);
        TxtAmount.setText(runtime::format(*net * rate / 100 + *net, "0.00"));
    }
    const std::optional<double> amount = core::ReadTypedAmount(TxtAmount.Text());
    if (!amount) {
        messages.ShowErrorBox(core::NotAnAmountMessage(TxtAmount.Text(), "Amount"));
        setFocus(TxtAmount);
        return false;
    }
    // The stored amount column keeps 11 characters.
    if (!core::FitsAmountColumn(*amount)) {
        messages.ShowErrorBox("Split amounts must lie between -9999999.99 and 99999999.99");
        setFocus(TxtAmount);
        return false;
    }
    return true;
}

void Splits::ShowTooManySplits()
{
    book_.messages.ShowErrorBox("A transaction can have no more than" + runtime::signedText(MaxSplits) + " splits");
}

void Splits::ListSplits_DblClick()
{
    const int index = ListSplits.ListIndex();
    if (index < 0)
        return;
    SplitFields = ParseSplitListLine(index);
    TxtMemo.setText(runtime::rtrim(SplitFields.Memo));
    TxtAmount.setText(runtime::ltrim(core::FormatAmountPlain(SplitFields.Amount)));
    ComboVATCodes.setText(SplitFields.VatCode);
    setFocus(TxtMemo);
}

void Splits::CmdNew_Click()
{
    if (ListSplits.ListCount() >= MaxSplits) {
        ShowTooManySplits();
        return;
    }
    ClearSplitFields();
    setFocus(TxtMemo);
}

void Splits::CmdUpdate_Click()
{
    if (!ValidateSplitFields())
        return;
    try {
        const int selected = runtime::toInt32(runtime::val(SplitFields.Number));
        if (selected == 0) {
            // Update adds a split when none is chosen, so the limit holds here as for New.
            if (ListSplits.ListCount() >= MaxSplits) {
                ShowTooManySplits();
                return;
            }
            const int number = NextSplitId();
            if (number == 0)
                return;
            ListSplits.AddItem(BuildSplitListLine(runtime::format(number, "000")));
            ListSplits.setListIndex(ListSplits.NewIndex());
            StoreEditedSplit(number);
        } else {
            const int index = RemoveSplitLine(SplitFields.Number);
            if (index != -1) {
                ListSplits.AddItem(BuildSplitListLine(SplitFields.Number), index);
                ListSplits.setListIndex(index);
            }
        }
        RecalcSplitTotals();
    } catch (const runtime::Error& error) {
        book_.messages.ShowErrorBox("Error placing item in split list : \r\r " + std::to_string(error.number()) +
                                   ": " + error.description());
    }
}

void Splits::CmdDelete_Click()
{
    if (runtime::val(SplitFields.Number) <= 0)
        return;
    if (RemoveSplitLine(SplitFields.Number) != -1) {
        ClearSplitFields();
        RecalcSplitTotals();
    }
}

void Splits::CmdOK_Click()
{
    const std::string total = runtime::ltrim(LblTotal.Caption());
    const std::string pound = Pound;
    if (runtime::val(LblTranTotal.Caption()) != runtime::val(LblTotal.Caption())) {
        const platform::Answer answer = book_.messages.AskYesNoCancel(
            "The value of these splits = " + pound + total + ", but the total for the transaction = " + pound +
            runtime::ltrim(LblTranTotal.Caption()) + ". Do you wish to update the transaction amount on the main "
            "screen to " + pound + total + " ?");
        if (answer == platform::Answer::Cancel)
            return;
        if (answer == platform::Answer::Yes)
            host_.setEntryAmount(total);
    }
    {
        const core::BusyPointer busy(services());
        std::string tail;
        for (int i = 0; i < ListSplits.ListCount(); ++i)
            tail += BuildSplitEntry(i) + runtime::space(4);
        book_.SplitTail = tail;
        host_.setEntryVatAmount(LblVat.Caption());
        const int count = core::SplitEntryCount(tail);
        host_.setEntrySplitCount(count);
        if (count <= 0)
            host_.setEntryVatCode(LblOrigVATCode.Caption());
    }
    if (book_.AutoSave && book_.ledger.FileChanged)
        host_.SaveTheFile();
    Unload();
}

void Splits::CmdCancel_Click()
{
    const core::BusyPointer busy(services());
    Unload();
}

} // namespace mainwindow
