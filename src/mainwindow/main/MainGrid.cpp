#include <algorithm>

#include "core/DateText.h"
#include "core/BusyPointer.h"
#include "core/IndexOperations.h"
#include "core/MoneyFormat.h"
#include "core/QueryTotals.h"
#include "datafile/LineBreakEscape.h"
#include "mainwindow/main/Main.h"
#include "reports/FilteredListReport.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr int LastColumn = GridColumnCount - 1;

enum Key : int { KeyEnter = 13, KeyPageUp = 33, KeyPageDown = 34, KeyEnd = 35, KeyHome = 36, KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40 };
constexpr int CtrlMask = 2;

struct Column {
    const char* caption;
    long width;
};

constexpr Column Columns[GridColumnCount] = {
    {"", 350},     {"", 1},        {"Date", 870}, {"Ref", 650}, {"Type", 400}, {"Vat", 375}, {"Memo", 1845},
    {"Payment", 1335}, {"Receipt", 1335}, {"Rec", 390}, {"Pd?", 390}, {"Bank", 690}, {"Cust", 690}, {"Cat", 600},
};
constexpr long SpareColumnWidth = 600;

std::string field(std::string_view record, core::RecordColumn column)
{
    return runtime::mid(record, column.start, column.width);
}

} // namespace

void Main::SetQueryGridCaptions()
{
    for (int col = 0; col < GridColumnCount; ++col) {
        GridColumnWidths[static_cast<std::size_t>(col)] = Columns[col].width;
        QRYGrid.setTextMatrix(0, col, Columns[col].caption);
    }
    GridColumnWidths[GridColumnCount] = SpareColumnWidth;
    QRYGrid.setColAlignment(7, platform::RightJustify);
    QRYGrid.setColAlignment(8, platform::RightJustify);
}

void Main::SetQueryGridColumnWidths()
{
    for (int col = 0; col < GridColumnCount; ++col)
        QRYGrid.setColWidth(col, static_cast<double>(GridColumnWidths[static_cast<std::size_t>(col)]));
}

int Main::RowsThatFitInGrid() const
{
    return runtime::toInt16(QRYGrid.Height() / GridRowHeight - 1);
}

std::string Main::FormatQueryGridRow(std::string_view record)
{
    namespace columns = core::RecordColumns;
    std::string memo = field(record, columns::Memo);
    datafile::FlattenLineBreaks(memo);
    const std::string type = field(record, columns::Type);
    const std::string amount = runtime::rtrim(core::FormatAmountGrouped(runtime::val(field(record, columns::Amount))));
    const bool payment = type == "PAY" || type == "BIL";
    const std::string cells[] = {
        " ",
        core::FormatYmdAsDisplayDate(field(record, columns::Date)),
        field(record, columns::Reference),
        type,
        field(record, columns::VAT),
        memo,
        payment ? amount : "",
        payment ? "" : amount,
        field(record, columns::Reconciled),
        field(record, columns::Paid),
        field(record, columns::Bank),
        field(record, columns::Customer),
        field(record, columns::Category),
    };
    std::string row;
    for (const std::string& cell : cells) {
        if (!row.empty())
            row += '\t';
        row += cell;
    }
    return row;
}

void Main::FillQueryGridRow(int row, std::string_view record)
{
    QRYGrid.setTextMatrix(row, 0, runtime::format(row + QRYScroll.Value() - 1, "###"));
    QRYGrid.setRow(row);
    QRYGrid.setCol(1);
    QRYGrid.setSelEndCol(LastColumn);
    QRYGrid.setClip(FormatQueryGridRow(record));
}

void Main::ClearQueryGridRow(int row)
{
    for (int col = 0; col < GridColumnCount; ++col)
        QRYGrid.setTextMatrix(row, col, "");
}

void Main::SetQueryGridSelection(int row)
{
    if (row < 1 || row > PageSize)
        return;
    QRYGrid.setRow(row);
    QRYGrid.setCol(1);
    QRYGrid.setSelEndCol(LastColumn);
    SelectedMark = QRYScroll.Value() + row;
}

bool Main::IsSelectionOnPage() const
{
    const int top = QRYScroll.Value();
    return top < SelectedMark && SelectedMark <= top + PageSize;
}

int Main::RedrawQueryGrid(int place)
{
    const core::Ledger& ledger = book.ledger;
    try {
        const int n = std::clamp(ledger.QueryIndex.UpperBound() - place + 1, 0, PageSize);
        const auto recordAt = [&](int row) { return ledger.Transactions.Line(ledger.QueryIndex.at(place + row - 1).RecordNumber); };
        const bool wholePage = QRYGrid.Rows() == PageSize + 1;
        if (n > 0 && wholePage && place - PreviousTopPosition == 1) {
            QRYGrid.AddItem("");
            QRYGrid.RemoveItem(1);
            FillQueryGridRow(n, recordAt(n));
        } else if (n > 0 && wholePage && place - PreviousTopPosition == -1) {
            QRYGrid.AddItem("", 1);
            QRYGrid.RemoveItem(PageSize + 1);
            FillQueryGridRow(1, recordAt(1));
            FillQueryGridRow(n, recordAt(n));
        } else {
            for (int row = 1; row <= n; ++row)
                FillQueryGridRow(row, recordAt(row));
        }
        for (int row = n + 1; row <= PageSize; ++row)
            ClearQueryGridRow(row);
        if (IsSelectionOnPage()) {
            SetQueryGridSelection(SelectedMark - place);
        } else {
            QRYGrid.setRow(0);
            QRYGrid.setCol(0);
            QRYGrid.setSelStartRow(1);
            QRYGrid.setSelStartCol(1);
            QRYGrid.setSelEndRow(1);
            QRYGrid.setSelEndCol(1);
        }
        ShowTotals();
        return n;
    } catch (const std::exception&) {
        // A page that cannot be drawn stays as it was; the next scroll draws it again.
        return 0;
    }
}

int Main::RefreshQueryGrid(int place)
{
    return RedrawQueryGrid(place);
}

void Main::ShowTotals()
{
    LblPayTotal.setCaption(core::FormatQueryTotal(book.ledger.Totals.Payments()));
    LblRcpTotal.setCaption(core::FormatQueryTotal(book.ledger.Totals.Receipts()));
    LayOutTotals();
}

void Main::SyncQueryScrollBar(int place)
{
    const int max = std::max(book.ledger.QueryIndex.UpperBound(), 1);
    QRYScroll.setMax(max);
    QRYScroll.setLargeChange(PageSize);
    const int value = QRYScroll.Value();
    if (place >= 1 && place <= max) {
        if (place < value || place > value + PageSize - 1)
            QRYScroll.setValue(place);
    } else {
        QRYScroll.setValue(1);
    }
}

int Main::RowsFromTop() const
{
    return std::min(QRYScroll.Max() - QRYScroll.Value() + 1, book.ledger.QueryIndex.UpperBound());
}

int Main::SelectedRecordNumber() const
{
    const int row = QRYGrid.SelStartRow();
    if (row < 1 || row > RowsFromTop())
        return 0;
    return book.ledger.QueryIndex.at(QRYScroll.Value() + row - 1).RecordNumber;
}

void Main::LoadSelectedRecord()
{
    const int record = SelectedRecordNumber();
    if (record == 0)
        return;
    EnableRecordCommands();
    core::Ledger& ledger = book.ledger;
    const std::string line(ledger.Transactions.Line(record));
    core::TransactionFields fields;
    core::ParseTransactionRecord(book, line, fields);
    ApplyTypeToEditBox(fields.Type);
    LoadTransactionIntoEditBox(fields);
    ledger.CurrentTransactionLine = line;
    ledger.CurrentTransactionIndex = record;
    focusIfShown(ComboBank);
}

void Main::UpdateMenuState()
{
    for (platform::Control* command : std::initializer_list<platform::Control*>{
             &RepInvItem, &ItemInvQuickPrint, &ItemRemittance, &FrameEditBox, &TranItem, &AddSTOItem})
        command->setEnabled(false);
    ShowEditFrame(platform::ButtonFaceColour);
    CmdChange.setDefault(false);
    for (platform::Menu* item : {&ItemSplits, &ItemEEC, &ItemCopyTran, &ItemPasteTran, &ItemConvertTType})
        item->setEnabled(false);
}

void Main::EnableRecordCommands()
{
    for (platform::Control* command : std::initializer_list<platform::Control*>{
             &FrameEditBox, &AddSTOItem, &ItemSplits, &ItemEEC, &ItemCopyTran, &ItemPasteTran, &ItemConvertTType})
        command->setEnabled(true);
    CmdChange.setDefault(true);
}

void Main::QRYScroll_Change()
{
    TopPosition = QRYScroll.Value();
    RedrawQueryGrid(TopPosition);
    PreviousTopPosition = QRYScroll.Value();
}

void Main::QRYScroll_Scroll()
{
    QRYScroll_Change();
    QRYGrid.Refresh();
}

void Main::QRYScroll_GotFocus()
{
    focusIfShown(QRYGrid);
}

void Main::QRYScroll_KeyDown(int keyCode)
{
    const int value = QRYScroll.Value();
    const int step = QRYScroll.LargeChange();
    switch (keyCode) {
    case KeyPageUp:
        QRYScroll.setValue(value <= step ? 1 : value - step);
        break;
    case KeyPageDown:
        QRYScroll.setValue(value + step > QRYScroll.Max() ? QRYScroll.Max() : value + step);
        break;
    case KeyUp:
        if (value > QRYScroll.Min())
            QRYScroll.setValue(value - 1);
        break;
    case KeyDown:
        if (value < QRYScroll.Max())
            QRYScroll.setValue(value + 1);
        break;
    default:
        break;
    }
}

void Main::QRYGrid_Click()
{
    const bool oneRow = QRYGrid.SelStartRow() == QRYGrid.SelEndRow();
    if (oneRow)
        SetQueryGridSelection(QRYGrid.SelStartRow());
    TranItem.setEnabled(oneRow);
}

void Main::QRYGrid_DblClick()
{
    if (QRYGrid.SelStartRow() != QRYGrid.SelEndRow()) {
        HeaderDoubleClicked();
        return;
    }
    if (IsSelectionOnPage())
        LoadSelectedRecord();
    if (FrameEditBox.Enabled() && services().keyIsDown(platform::KeyControl))
        ItemSplits_Click();
}

void Main::HeaderDoubleClicked()
{
    platform::Menu* item = nullptr;
    if (QRYGrid.SelStartCol() != QRYGrid.SelEndCol()) {
        item = &FiltAllItem;
    } else {
        switch (QRYGrid.Col()) {
        case 2: item = &FiltDateItem; break;
        case 3: item = &FiltRefNumItem; break;
        case 4: item = &FiltTypeItem; break;
        case 5: item = &FiltVATItem; break;
        case 6: item = &FiltCommentItem; break;
        case 7:
        case 8: item = &FiltAmountItem; break;
        case 9: item = &FiltReconItem; break;
        case 11: item = &FiltBankItem; break;
        case 12: item = &FiltCustItem; break;
        case 13: item = &FiltAnalItem; break;
        default: break;
        }
    }
    if (item)
        platform::fire(item->Click);
    focusIfShown(QRYScroll);
}

void Main::QRYGrid_MouseDown(double x)
{
    GridMouseX = x;
}

void Main::QRYGrid_KeyDown(int keyCode, int)
{
    QRYGrid.setHighLight(false);
    const int row = QRYGrid.Row();
    const bool onPage = IsSelectionOnPage();
    const auto scroll = [this](int key) { QRYScroll_KeyDown(key); };
    switch (keyCode) {
    case KeyEnter:
        GridEnterPressed = true;
        break;
    case KeyUp:
        if (onPage) {
            SelectedMark = row + QRYScroll.Value();
            if (row == 1)
                scroll(KeyUp);
        } else {
            scroll(KeyUp);
        }
        break;
    case KeyDown:
        if (onPage) {
            SelectedMark = row + QRYScroll.Value();
            if (row >= PageSize)
                scroll(KeyDown);
        } else {
            scroll(KeyDown);
        }
        break;
    case KeyPageUp:
        if (onPage) {
            SelectedMark = row + QRYScroll.Value();
            if (row == 1) {
                scroll(KeyPageUp);
                SelectedMark = QRYScroll.Value() + 1;
            }
        } else {
            scroll(KeyPageUp);
        }
        break;
    case KeyPageDown:
        if (onPage) {
            SelectedMark = row + QRYScroll.Value();
            if (row >= PageSize) {
                scroll(KeyPageDown);
                SelectedMark = PageSize + QRYScroll.Value();
            }
        } else {
            scroll(KeyPageDown);
        }
        break;
    default:
        break;
    }
    QRYGrid.setHighLight(true);
}

void Main::QRYGrid_KeyUp(int keyCode, int shift)
{
    const int row = QRYGrid.Row();
    const bool ctrl = (shift & CtrlMask) != 0;
    const bool onPage = IsSelectionOnPage();
    const int value = QRYScroll.Value();
    bool click = true;
    switch (keyCode) {
    case KeyEnter:
        if (GridEnterPressed)
            QRYGrid_DblClick();
        GridEnterPressed = false;
        break;
    case KeyHome:
        if (ctrl)
            QRYScroll.setValue(1);
        break;
    case KeyEnd:
        if (ctrl)
            QRYScroll.setValue(QRYScroll.Max());
        break;
    case KeyLeft:
        QRYGrid.setLeftCol(1);
        break;
    case KeyRight:
        break;
    case KeyUp:
        click = onPage;
        if (onPage && row == 1)
            SelectedMark = value;
        break;
    case KeyDown:
        click = onPage;
        if (onPage && row >= PageSize)
            SelectedMark = PageSize + value + 1;
        break;
    case KeyPageUp:
        click = onPage;
        if (onPage && row == 1)
            SelectedMark = std::max(SelectedMark - 1, 2);
        break;
    case KeyPageDown:
        click = onPage;
        if (onPage && row >= PageSize)
            SelectedMark = std::min(SelectedMark + 1, PageSize + QRYScroll.Max());
        break;
    default:
        click = false;
        break;
    }
    if (click)
        QRYGrid_Click();
}

void Main::TranItem_Click()
{
    QRYGrid_Click();
    QRYGrid_DblClick();
}

void Main::ByDateItem_Click()
{
    ChooseSortOrder(ByDateItem, ByRefItem, core::IndexKind::Date);
}

void Main::ByRefItem_Click()
{
    ChooseSortOrder(ByRefItem, ByDateItem, core::IndexKind::Reference);
}

void Main::ChooseSortOrder(platform::Menu& chosen, platform::Menu& other, core::IndexKind kind)
{
    if (chosen.Checked())
        return;
    chosen.setChecked(true);
    other.setChecked(false);
    core::RebuildIndexKeys(book, book.ledger.QueryIndex, kind);
    SelectedMark = 0;
    SyncQueryScrollBar(0);
    RefreshQueryGrid(1);
}

void Main::ComboMainFilters_Click()
{
    if (ComboMainFilters.ListIndex() < 0)
        return;
    core::Ledger& ledger = book.ledger;
    {
        core::BusyPointer busy(services());
        core::FilterSetup chosen;
        core::FindFilterSetup(book, ComboMainFilters.Text(), chosen);
        core::ShowFilterSetupOnForm(book, filter, chosen);
        filter.ComboListFilters.setText(chosen.Name.str());
        ledger.Filters.CurrentFilter = chosen;
        ledger.Filters.PreviousFilter = chosen;
        const int passed = core::ApplyFilterInSortOrder(book);
        ClearEntryFields(core::ClearWholeEditBox);
        UpdateMenuState();
        SelectedMark = 0;
        SyncQueryScrollBar(0);
        core::ShowTotalsLabels(book, filter);
        if (passed == 0)
            book.messages.ShowErrorBox("No records match the filter criteria...");
        RefreshQueryGrid(1);
    }
    focusIfShown(QRYGrid);
}

void Main::FiltCurrentRepItem_Click()
{
    if (book.ledger.Transactions.UpperBound() < 1)
        return;
    // The report reads the records through the edit box's split tail.
    const std::string splitTail = book.SplitTail;
    reports::WriteFilteredListReport(reportDesk);
    book.SplitTail = splitTail;
}

} // namespace mainwindow
