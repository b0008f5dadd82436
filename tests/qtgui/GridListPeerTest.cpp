#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QImage>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "QtTestApplication.h"
#include "platform/Controls.h"
#include "qtgui/ControlPeer.h"
#include "qtgui/FormPeer.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "qtgui/QtText.h"
#include "qtgui/WidgetFonts.h"
#include "qtgui/WidgetGeometry.h"
#include "support/TempFolder.h"

// Grids, lists and combos on the screen: the transaction grid laid out at its own column widths,
// views that follow each change of their control's items, and handlers that unload their form.
namespace {

using Log = std::vector<std::string>;

// The transaction grid's columns and widths in twips, row 0 holding the captions.
constexpr std::array<int, 14> ColumnWidths{350, 1, 870, 650, 400, 375, 1845, 1335, 1335, 390, 390, 690, 690, 600};
constexpr std::array<const char*, 14> Captions{"",        "",        "Date", "Ref", "Type", "Vat",  "Memo",
                                               "Payment", "Receipt", "Rec",  "Pd?", "Bank", "Cust", "Cat"};
constexpr int DateCol = 2;
constexpr int RefCol = 3;
constexpr int MemoCol = 6;

class LedgerForm : public platform::Form {
public:
    explicit LedgerForm(platform::Services& services) : Form(services, "LedgerForm")
    {
        Move(0, 0, 12900, 6000);
        Lines.Move(120, 120, 12600, 3000);
        Lines.setRows(11);
        Lines.setCols(14);
        for (int col = 0; col < 14; ++col)
            Lines.setColWidth(col, ColumnWidths[static_cast<std::size_t>(col)]);
        Lines.setColAlignment(7, 1);
        Lines.setColAlignment(8, 1);
        Codes.Move(120, 3240, 2400, 1200);
        Filters.Move(2640, 3240, 2400, 315);
        Filters.setStyle(2);
        // The list's scroll bar beside the grid, as the main window's.
        Pager.Move(12705, 120, 255, 3000);
        Pager.setMin(1);
        Pager.setMax(500);
        Pager.setValue(100);
        Names.Move(5160, 3240, 1500, 315);
        Lines.Click = [this] { handled("Lines_Click"); };
        Codes.Click = [this] { handled("Codes_Click"); };
        Filters.Click = [this] { handled("Filters_Click"); };
        endDesign();
    }

    platform::Grid Lines{*this, "Lines"};
    platform::ListBox Codes{*this, "Codes"};
    platform::ComboBox Filters{*this, "Filters"};
    platform::ScrollBar Pager{*this, "Pager"};
    // A named-filter combo: an edit part over the saved names.
    platform::ComboBox Names{*this, "Names"};
    Log log;
    bool unloadInHandler = false;

protected:
    void Form_Load() override
    {
        log.push_back("Form_Load");
        for (int col = 0; col < 14; ++col)
            Lines.setTextMatrix(0, col, Captions[static_cast<std::size_t>(col)]);
        for (int row = 1; row < 11; ++row)
            Lines.setTextMatrix(row, DateCol, "01/Mar/2026");
        for (const char* code : {"BANK", "CASH", "SALES"})
            Codes.AddItem(code);
        for (const char* filter : {"All", "Unpaid"})
            Filters.AddItem(filter);
    }

private:
    void handled(const std::string& event)
    {
        log.push_back(event);
        if (unloadInHandler)
            Unload();
    }
};

class GridListPeerTest : public testing::Test {
protected:
    void SetUp() override
    {
        qtgui::installFontSubstitutes();
        form.Show();
        settle();
        form.log.clear();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    template <class View> View& view(const platform::Control& control)
    {
        auto* shown = qobject_cast<View*>(windows.find(form)->peerOf(control)->widget());
        if (!shown)
            throw std::logic_error("not the widget expected for " + control.Name());
        return *shown;
    }
    QTableView& table() { return view<QTableView>(form.Lines); }
    QModelIndex cell(int row, int col) { return table().model()->index(row, col); }

    // What the grid's cells look like on the screen now.
    QImage cells() { return table().viewport()->grab().toImage(); }

    // A cell's picture from its left edge, this wide, less the grid line below it.
    QImage picture(const QImage& shot, int row, int col, int width)
    {
        const QRect at = table().visualRect(cell(row, col));
        return shot.copy(at.x(), at.y(), width, at.height() - 1);
    }

    // The rightmost column of a picture that is not all its top left pixel's colour; -1 if none.
    static int lastInkColumn(const QImage& picture)
    {
        const QRgb background = picture.pixel(0, 0);
        for (int x = picture.width() - 1; x >= 0; --x)
            for (int y = 0; y < picture.height(); ++y)
                if (picture.pixel(x, y) != background)
                    return x;
        return -1;
    }

    QApplication& app = qtTestApplication();
    TempFolder folder;
    qtgui::QtServices services{qtgui::QtServices::Options{folder.path() / "out.pdf"}};
    qtgui::FormPeers windows{services};
    LedgerForm form{services};
};

TEST_F(GridListPeerTest, AHandlerThatUnloadsItsFormLeavesItUnloaded)
{
    struct Case {
        const char* name;
        std::function<void()> userAction;
        Log handled;
    };
    const Case cases[] = {
        {"a click on a grid cell",
         [&] {
             QWidget& area = *table().viewport();
             const QPointF at = table().visualRect(cell(3, MemoCol)).center();
             for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                 QMouseEvent event(type, at, area.mapToGlobal(at), Qt::LeftButton,
                                   type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
                 QApplication::sendEvent(&area, &event);
             }
         },
         {"Lines_Click"}},
        {"a choice in the list",
         [&] {
             QListView& list = view<QListView>(form.Codes);
             list.setCurrentIndex(list.model()->index(1, 0));
         },
         {"Codes_Click"}},
        {"a choice in the combo", [&] { emit view<QComboBox>(form.Filters).activated(1); }, {"Filters_Click"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.Show();
        settle();
        form.log.clear();
        form.unloadInHandler = true;
        c.userAction();
        settle();
        EXPECT_FALSE(form.isLoaded());
        // The views still read their cells and items, from the controls' design-time state.
        EXPECT_EQ(cell(0, DateCol).data().toString(), QString());
        EXPECT_EQ(view<QListView>(form.Codes).model()->rowCount(), 0);
        EXPECT_FALSE(form.isLoaded());
        EXPECT_EQ(form.log, c.handled) << "the form did not load again";
        form.unloadInHandler = false;
    }
    form.Show();
    settle();
    EXPECT_EQ(form.log, (Log{"Filters_Click", "Form_Load"}));
    EXPECT_EQ(cell(5, DateCol).data().toString(), QStringLiteral("01/Mar/2026"));
    EXPECT_EQ(view<QListView>(form.Codes).model()->rowCount(), 3);
}

TEST_F(GridListPeerTest, TheViewsFollowEveryKindOfChangeWithinQtsModelRules)
{
    Log complaints;
    static Log* collected = nullptr;
    collected = &complaints;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
        if (context.category && std::string(context.category) == "qt.modeltest")
            collected->push_back(text.toStdString());
    });
    using Tester = QAbstractItemModelTester;
    Tester gridTester(table().model(), Tester::FailureReportingMode::Warning);
    Tester listTester(view<QListView>(form.Codes).model(), Tester::FailureReportingMode::Warning);
    Tester comboTester(view<QComboBox>(form.Filters).model(), Tester::FailureReportingMode::Warning);

    platform::Grid& grid = form.Lines;
    grid.AddItem("12\t\t02/Mar/2026\tR1");
    grid.AddItem("\t\t03/Mar/2026\tR2", 2);
    grid.RemoveItem(4);
    grid.setRows(30);
    grid.setTextMatrix(20, MemoCol, "Rent");
    grid.setRows(8);
    grid.setRow(1);
    grid.setCol(RefCol);
    grid.setSelEndRow(2);
    grid.setSelEndCol(RefCol + 1);
    grid.setClip("A\tB\rC\tD");
    grid.setCols(16);
    grid.setFixedCols(2);
    form.Codes.AddItem("ACME", 0);
    form.Codes.setList(1, "BANK2");
    form.Codes.RemoveItem(2);
    form.Codes.setSorted(true);
    form.Filters.AddItem("Paid");
    form.Filters.Clear();
    form.Filters.AddItem("All");
    form.Unload();
    form.Show();
    settle();
    qInstallMessageHandler(previous);
    EXPECT_EQ(complaints, Log{});

    // What the views show is what the controls hold.
    form.Lines.AddItem("\t\t04/Mar/2026");
    form.Codes.AddItem("ZED");
    QTableView& lines = table();
    ASSERT_EQ(lines.model()->rowCount(), grid.Rows());
    ASSERT_EQ(lines.model()->columnCount(), grid.Cols());
    for (int row = 0; row < grid.Rows(); ++row)
        for (int col = 0; col < grid.Cols(); ++col)
            EXPECT_EQ(cell(row, col).data().toString(), qtgui::toQString(grid.TextMatrix(row, col))) << row << "," << col;
    const QAbstractItemModel& codes = *view<QListView>(form.Codes).model();
    ASSERT_EQ(codes.rowCount(), form.Codes.ListCount());
    for (int i = 0; i < codes.rowCount(); ++i)
        EXPECT_EQ(codes.index(i, 0).data().toString(), qtgui::toQString(form.Codes.List(i)));
    EXPECT_EQ(view<QComboBox>(form.Filters).count(), 2);
}

TEST_F(GridListPeerTest, AListKeepsTheChoiceOnItsItemAsItemsComeAndGo)
{
    QListView& list = view<QListView>(form.Codes);
    form.Codes.setListIndex(1); // CASH
    form.log.clear();
    form.Codes.AddItem("ACME", 0);
    EXPECT_EQ(list.currentIndex().row(), 2);
    form.Codes.RemoveItem(0);
    EXPECT_EQ(list.currentIndex().row(), 1);
    form.Codes.RemoveItem(1);
    EXPECT_FALSE(list.selectionModel()->hasSelection());
    settle();
    EXPECT_EQ(form.Codes.ListIndex(), -1);
    EXPECT_EQ(form.log, Log{}) << "changes made by code are no user's choice";
}

TEST_F(GridListPeerTest, CellsAreCutAtTheirEdgeWithoutAnEllipsisHeadersToo)
{
    const std::string longText = "01/Mar/2026 rent for the whole quarter";
    for (int row : {0, 4}) {
        form.Lines.setTextMatrix(row, RefCol, longText);
        form.Lines.setTextMatrix(row, MemoCol, longText);
    }
    settle();
    const QImage shot = cells();
    const int width = table().columnWidth(RefCol) - 1;
    for (int row : {0, 4}) {
        SCOPED_TRACE(row);
        // The narrow cell shows the very pixels the wide one shows over the same width.
        EXPECT_EQ(picture(shot, row, RefCol, width), picture(shot, row, MemoCol, width));
    }
}

TEST_F(GridListPeerTest, ADateFitsWholeInTheDateColumn)
{
    form.Lines.setTextMatrix(4, MemoCol, "01/Mar/2026");
    settle();
    const QImage shot = cells();
    const int width = table().columnWidth(DateCol) - 1;
    ASSERT_EQ(table().columnWidth(DateCol), qtgui::toPixels(870));
    // The same date in the wide memo column ends inside the date column's width, margin and all.
    const int lastInk = lastInkColumn(picture(shot, 4, MemoCol, table().columnWidth(MemoCol) - 1));
    EXPECT_GT(lastInk, 0);
    EXPECT_LT(lastInk, width - 1);
    EXPECT_EQ(picture(shot, 4, DateCol, width), picture(shot, 4, MemoCol, width));
}

TEST_F(GridListPeerTest, TheCurrentCellShowsAFocusRectangleWhereverTheFocusIs)
{
    form.Lines.setHighLight(false);
    form.Lines.setRow(3);
    form.Lines.setCol(MemoCol);
    form.Codes.setFocus();
    settle();
    ASSERT_FALSE(table().hasFocus());
    const QImage shot = cells();
    auto topEdgeInk = [&](int row, int col) {
        const QRect at = table().visualRect(cell(row, col));
        const QRgb background = shot.pixel(at.center().x(), at.center().y());
        int ink = 0;
        for (int x = at.left(); x < at.right(); ++x)
            ink += shot.pixel(x, at.top()) != background;
        return ink;
    };
    EXPECT_GT(topEdgeInk(3, MemoCol), 10);
    EXPECT_EQ(topEdgeInk(3, MemoCol + 1), 0);
    EXPECT_EQ(topEdgeInk(4, MemoCol), 0);
}

TEST_F(GridListPeerTest, AListNeitherElidesNorScrollsSideways)
{
    form.Codes.AddItem("A code whose name is far wider than the list that shows it");
    settle();
    QListView& list = view<QListView>(form.Codes);
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
    EXPECT_EQ(list.textElideMode(), Qt::ElideNone);
}

TEST_F(GridListPeerTest, RowNumbersAndLargeFontsShowWholeWhileTheGridKeepsItsSizes)
{
    const struct {
        const char* what;
        double fontSize;
        const char* rowNumber;
    } cases[] = {
        {"a full book's row numbers", 8.25, "32726"},
        {"a 14-point report", 14, "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        form.Lines.setFontSize(c.fontSize);
        for (int row = 1; row < 11; ++row)
            form.Lines.setTextMatrix(row, 0, c.rowNumber);
        settle();
        const QFontMetrics metrics(table().font());
        EXPECT_GE(table().columnWidth(0), metrics.horizontalAdvance(QString::fromLatin1(c.rowNumber)) + 4);
        EXPECT_GE(table().columnWidth(0), qtgui::toPixels(350));
        for (int row = 0; row < 11; ++row)
            EXPECT_GE(table().rowHeight(row), metrics.height()) << row;
        EXPECT_EQ(form.Lines.ColWidth(0), 350) << "the code's width stays as it set it";
        EXPECT_EQ(form.Lines.RowHeight(1), 240);
        EXPECT_EQ(table().columnWidth(DateCol), qtgui::toPixels(870)) << "a scrollable column keeps its width";
    }
    // Short numbers again: the column goes back to the grid's width.
    form.Lines.setFontSize(8.25);
    for (int row = 1; row < 11; ++row)
        form.Lines.setTextMatrix(row, 0, std::to_string(row));
    settle();
    EXPECT_EQ(table().columnWidth(0), qtgui::toPixels(350));
    EXPECT_EQ(table().rowHeight(1), qtgui::toPixels(240));
}

TEST_F(GridListPeerTest, TheWheelOverTheGridTurnsTheScrollBarBesideIt)
{
    int changes = 0;
    form.Pager.Change = [&changes] { ++changes; };
    const struct {
        const char* what;
        std::vector<int> turns; // eighths of a degree, one wheel event each
        int value;
    } cases[] = {
        {"a notch up", {120}, 97},
        {"two notches down", {-240}, 103},
        {"a touchpad's half notches", {60, 60}, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        changes = 0;
        for (int turn : c.turns) {
            QWheelEvent wheel(QPointF(50, 50), table().viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, turn),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(table().viewport(), &wheel);
        }
        EXPECT_EQ(form.Pager.Value(), c.value);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(view<QScrollBar>(form.Pager).value(), c.value);
    }
}

TEST_F(GridListPeerTest, AComboListIsAsWideAsItsLongestItem)
{
    const std::string longest = "(CUSTOMISED)  Quarter to March, the second bank only";
    form.Names.AddItem("(PREVIOUS)");
    form.Names.AddItem(longest);
    settle();
    QComboBox& combo = view<QComboBox>(form.Names);
    ASSERT_TRUE(combo.isEditable());
    ASSERT_LT(combo.width(), combo.fontMetrics().horizontalAdvance(qtgui::toQString(longest)))
        << "the box itself is narrower than its longest item";
    combo.showPopup();
    settle();
    EXPECT_GE(combo.view()->window()->width(), combo.view()->fontMetrics().horizontalAdvance(qtgui::toQString(longest)));
    combo.hidePopup();
}

} // namespace
