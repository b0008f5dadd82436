#include <algorithm>
#include <cmath>

#include "core/BusyPointer.h"
#include "core/FilterForm.h"
#include "core/IndexOperations.h"
#include "core/TransactionEdits.h"
#include "datafile/DataFile.h"
#include "mainwindow/main/Main.h"
#include "platform/ScreenPlacement.h"
#include "runtime/PathText.h"
#include "runtime/Error.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr double MinimumHeight = 5000;
constexpr double MinimumWidth = 8600;
// Without a stored placement the window takes this share of the screen each way, centred.
constexpr double DefaultScreenShare = 0.75;
// The grid's rows are this high on the screen the layout was drawn for.
constexpr double ScreenRowHeight = 241.25;

double rightEdge(const platform::Control& control)
{
    return control.Left() + control.Width();
}

// The totals' labels are never narrower than drawn, and keep this much room beside their figure.
constexpr double TotalLabelWidth = 1335;
constexpr double TotalTextRoom = 30;
// Between a sign and the figures beside it.
constexpr double TotalsGap = 30;

} // namespace

void Main::Form_Load()
{
    core::SetMousePointer(services(), core::HourglassPointer);
    core::Ledger& ledger = book.ledger;
    // Each step that fails is reported and start-up goes on with the next, as the user still
    // needs a working window.
    const auto step = [this](auto&& action) {
        try {
            action();
        } catch (const std::exception& error) {
            book.messages.ShowErrorBox(std::string("Error while loading program : ") + error.what());
        }
    };
    step([&] { ReadSettingsFile(); });
    step([&] {
        NotepadItem.setEnabled(true);
        WriteItem.setEnabled(true);
    });
    step([&] { services().doEvents(); });
    book.messages.MessagesEnabled = true;
    step([&] { filter.ensureLoaded(); });
    PreviousTopPosition = 1;
    step([&] {
        core::ClearTransactions(book);
        ledger.Filters.ClearFilterSetupList();
        core::ResetIndexArray(book, ledger.DateIndex);
        core::ResetIndexArray(book, ledger.QueryIndex);
    });
    step([&] {
        SetQueryGridCaptions();
        SetQueryGridColumnWidths();
        GridRowHeight = QRYGrid.RowHeight(1);
    });
    PageSize = 10;
    ResetReportDefaults();
    reportDesk.ReportTimestamp.clear();
    step([&] { ReadSettingsFile(); });
    PlacementPending = true;
    core::SetMousePointer(services(), core::DefaultPointer);
    if (runtime::trim(runtime::textOfPath(book.FileToOpen)).empty())
        step([&] { smartStart.Show(true); });
}

void Main::ResetReportDefaults()
{
    reportDesk.Settings.FontName = "ARIAL";
    reportDesk.Settings.FontSize = "8";
    reportDesk.Settings.LeftMargin = 0;
}

void Main::Form_QueryUnload(int& cancel, int)
{
    core::Ledger& ledger = book.ledger;
    if (book.AutoSave && ledger.FileChanged)
        SaveTheFile();
    if (ledger.FileChanged) {
        const platform::Answer answer = book.messages.AskYesNoCancel(
            "This file (" + runtime::rtrim(book.company.CompanyName.view()) +
            ") has changed. Do you wish to save before exit?");
        if (answer == platform::Answer::Yes) {
            if (!runtime::rtrim(runtime::textOfPath(book.CurrentDataFilePath)).empty()) {
                if (!datafile::SaveDataFile(book.CurrentDataFilePath, book, *this))
                    cancel = 1;
            } else {
                cancel = 1;
                SaveAsItem_Click();
                if (!ledger.FileChanged)
                    cancel = 0;
            }
        } else if (answer == platform::Answer::Cancel) {
            cancel = 1;
        }
    }
    if (cancel)
        return;
    WriteSettingsFile();
    services().beep(platform::Beep::Question);
    platform::MessageBox backup;
    backup.text = "Backup Your Data?\n\n";
    backup.title = std::string("Backup ") + core::ProductTitle;
    backup.buttons = platform::Buttons::YesNoCancel;
    backup.icon = platform::Icon::Question;
    switch (services().messageBox(backup)) {
    case platform::Answer::Yes:
        FileOp(BackupOp);
        services().endProgram();
        break;
    case platform::Answer::No:
        services().endProgram();
        break;
    default:
        cancel = 1;
        break;
    }
}

void Main::Form_Unload(int&) {}

void Main::CmdExit_Click()
{
    ExitItem_Click();
}

void Main::ExitItem_Click()
{
    Unload();
}

void Main::focusIfShown(platform::Control& control)
{
    if (Visible() && control.isShown() && control.isEnabled())
        control.setFocus();
}

void Main::Form_Resize()
{
    if (PlacementPending) {
        PlacementPending = false;
        setWindowState(Placement.WindowState);
        if (Placement.WindowState == platform::Normal && (Placement.Width <= 0 || Placement.Height <= 0)) {
            setWidth(services().screenWidth() * DefaultScreenShare);
            setHeight(services().screenHeight() * DefaultScreenShare);
            platform::CentreOnScreen(*this);
        } else if (Placement.WindowState == platform::Normal) {
            // A placement from a larger screen is brought back onto this one.
            const double width = std::min<double>(Placement.Width, services().screenWidth());
            const double height = std::min<double>(Placement.Height, services().screenHeight());
            setLeft(std::clamp<double>(Placement.Left, 0, services().screenWidth() - width));
            setTop(std::clamp<double>(Placement.Top, 0, services().screenHeight() - height));
            setWidth(width);
            setHeight(height);
        }
    }
    focusIfShown(CmdNewPay);
    if (WindowState() == platform::Minimized)
        return;
    if (Height() >= MinimumHeight && Width() >= MinimumWidth) {
        LayOutWindow();
        return;
    }
    if (Height() < MinimumHeight)
        setHeight(MinimumHeight);
    if (Width() < MinimumWidth)
        setWidth(MinimumWidth);
}

void Main::LayOutWindow()
{
    core::BusyPointer busy(services());
    FrameEditBox.setVisible(false);
    QRYGrid.setVisible(false);
    const double frameWidth = Width() - 3125;
    FrameEditBox.setWidth(frameWidth);
    ComboBank.setWidth(0.42 * frameWidth);
    ToLabel[7].setLeft(rightEdge(ComboBank) + 100);
    ComboToBank.setLeft(rightEdge(ToLabel[7]) + 100);
    ComboToBank.setWidth(0.29 * frameWidth);
    ComboCustomer.setWidth(0.27 * frameWidth);
    ComboVAT.setWidth(0.32 * frameWidth);
    ComboAnal.setWidth(0.30 * frameWidth);
    TextComment.setWidth(0.38 * frameWidth);
    TextDate.setLeft(rightEdge(ComboToBank) - TextDate.Width());
    EditLabel[2].setLeft(TextDate.Left() - EditLabel[2].Width() - 100);
    TextAmount.setLeft(rightEdge(ComboToBank) - TextAmount.Width());
    EditLabel[4].setLeft(rightEdge(TextComment) + 100);
    ComboCustomer.setLeft(rightEdge(ComboToBank) - ComboCustomer.Width());
    EditLabel[0].setLeft(rightEdge(TextComment) + 100);
    ComboAnal.setLeft(rightEdge(ComboVAT) + 200);
    EditLabel[6].setLeft(ComboAnal.Left());
    CmdChange.setLeft(frameWidth - CmdChange.Width() - 100);
    CmdDelete.setLeft(CmdChange.Left() - CmdDelete.Width() - 32);
    CmdGenPay.setLeft(CmdDelete.Left() - CmdGenPay.Width());
    CheckReconciled.setLeft(EditLabel[0].Left());
    CheckPaid.setLeft(rightEdge(CheckReconciled) + 300);

    const double rows = runtime::roundHalfEven((Height() - 3525) / ScreenRowHeight);
    QRYGrid.setHeight(rows * ScreenRowHeight);
    const double reported = QRYGrid.Height();
    QRYGrid.setHeight(reported + std::fmod(runtime::roundHalfEven(reported), 241) + 15);
    QRYGrid.setWidth(Width() - 840);
    QRYScroll.setLeft(rightEdge(QRYGrid) - 15);
    QRYScroll.setHeight(QRYGrid.Height());
    PageSize = RowsThatFitInGrid() - 2;
    QRYScroll.setLargeChange(PageSize);
    QRYGrid.setRows(PageSize + 1);
    CmdPrint.setTop(QRYGrid.Top() + QRYGrid.Height() + 60);
    LblPayTotal.setTop(CmdPrint.Top());
    LblRcpTotal.setTop(CmdPrint.Top());
    LblPlusSign.setTop(CmdPrint.Top() - 40);
    LblMinusSign.setTop(CmdPrint.Top() - 100);
    CmdExit.setTop(CmdPrint.Top());
    CmdExit.setLeft(Width() - 855);
    FrameEditBox.setVisible(true);
    QRYGrid.setVisible(true);

    core::ShowTotalsLabels(book, filter);
    RefreshQueryGrid(QRYScroll.Value());
    focusIfShown(QRYGrid);
}

void Main::LayOutTotals()
{
    const auto fitFigure = [this](platform::Label& total) {
        total.setWidth(std::max(TotalLabelWidth, services().textWidth(total.font(), total.Caption()) + TotalTextRoom));
    };
    fitFigure(LblPayTotal);
    fitFigure(LblRcpTotal);
    LblPayTotal.setLeft(rightEdge(LblMinusSign) + TotalsGap);
    LblPlusSign.setLeft(rightEdge(LblPayTotal) + TotalsGap);
    LblRcpTotal.setLeft(rightEdge(LblPlusSign) + TotalsGap);
}

} // namespace mainwindow
