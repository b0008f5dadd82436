#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

#include "AllControlsTest.h"
#include "qtgui/ControlPeer.h"
#include "qtgui/ControlPeerMenu.h"
#include "qtgui/FormPeer.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "qtgui/QtText.h"

namespace {

using Log = std::vector<std::string>;

using FormPeerTest = AllControlsTest;

TEST_F(FormPeerTest, EveryControlSitsWhereItsTwipsSayInsideItsContainer)
{
    struct Case {
        const platform::Control& control;
        QWidget* expectedParent;
    };
    const Case cases[] = {
        {form.TextName, peer().clientArea()},         {form.TextMemo, peer().clientArea()},
        {form.CheckPaid, peer().clientArea()},        {form.FrameKind, peer().clientArea()},
        {form.OptKind[0], widgetOf(form.FrameKind)},  {form.OptKind[1], widgetOf(form.FrameKind)},
        {form.ListCodes, peer().clientArea()},        {form.ComboEdit, peer().clientArea()},
        {form.ScrollAmount, peer().clientArea()},     {form.GridLines, peer().clientArea()},
        {form.PictureSheet, peer().clientArea()},     {form.ShapeBox, peer().clientArea()},
        {form.CmdOK, peer().clientArea()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control.Name());
        const QWidget* shown = widgetOf(c.control);
        EXPECT_EQ(shown->parentWidget(), c.expectedParent);
        EXPECT_EQ(shown->geometry(), QRect(pixels(c.control.Left()), pixels(c.control.Top()), pixels(c.control.Width()),
                                           pixels(c.control.Height())));
        EXPECT_TRUE(shown->isVisible());
    }
    // A line's widget spans its two ends; the form's inside is its size less borders and caption.
    EXPECT_EQ(widgetOf(form.LineRule)->geometry(), QRect(pixels(2760), pixels(3720), pixels(4560) - pixels(2760) + 1,
                                                         pixels(4680) - pixels(3720) + 1));
    EXPECT_EQ(peer().clientArea()->size(), QSize(pixels(9000 - 120), pixels(6600 - 405)));
    EXPECT_EQ(peer().window()->windowTitle(), QStringLiteral("Every control"));
}

TEST_F(FormPeerTest, DesignAndLoadTimePropertiesShowOnTheWidgets)
{
    EXPECT_EQ(widget<QLineEdit>(form.TextName).maxLength(), 6);
    EXPECT_EQ(widget<QCheckBox>(form.CheckPaid).text(), QStringLiteral("&Paid"));
    EXPECT_EQ(widget<QGroupBox>(form.FrameKind).title(), QStringLiteral("Kind"));
    EXPECT_TRUE(widget<QRadioButton>(form.OptKind[0]).isChecked());
    EXPECT_FALSE(widget<QRadioButton>(form.OptKind[1]).isChecked());
    // The sorted list shows the model's order, letter case ignored.
    QStringList codes;
    auto& codeList = widget<QListView>(form.ListCodes);
    for (int i = 0; i < codeList.model()->rowCount(); ++i)
        codes << cell(codeList, i).data().toString();
    EXPECT_EQ(codes, (QStringList{"BANK", "cash", "Rent", "SALES"}));
    EXPECT_EQ(widget<QListView>(form.ListMarks).selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(widget<QComboBox>(form.ComboEdit).isEditable());
    EXPECT_FALSE(widget<QComboBox>(form.ComboChoice).isEditable());
    EXPECT_EQ(widget<QComboBox>(form.ComboChoice).count(), 3);
    EXPECT_EQ(widget<QScrollBar>(form.ScrollAmount).orientation(), Qt::Horizontal);
    EXPECT_EQ(widget<QScrollBar>(form.ScrollAmount).maximum(), 100);
    EXPECT_EQ(widget<QScrollBar>(form.ScrollAmount).pageStep(), 20);
    EXPECT_TRUE(widget<QPushButton>(form.CmdOK).isDefault());

    auto& table = widget<QTableView>(form.GridLines);
    EXPECT_EQ(table.model()->rowCount(), 6);
    EXPECT_EQ(table.model()->columnCount(), 4);
    EXPECT_EQ(cell(table, 0, 1).data().toString(), QStringLiteral("Account"));
    EXPECT_EQ(cell(table, 1, 2).data().toString(), QStringLiteral("12.50"));
    EXPECT_EQ(table.columnWidth(1), pixels(1500));
    EXPECT_EQ(table.rowHeight(3), pixels(240));
    EXPECT_TRUE(cell(table, 1, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    // Fixed cells look like headers and cannot be chosen; the others can.
    EXPECT_FALSE(cell(table, 0, 2).flags() & Qt::ItemIsSelectable);
    EXPECT_FALSE(cell(table, 3, 0).flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(cell(table, 3, 2).flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(table.currentIndex(), cell(table, 1, 1));

    ASSERT_NE(peer().menuBar(), nullptr);
    EXPECT_EQ(action(form.MenuFile).text(), QStringLiteral("&File"));
    EXPECT_EQ(peer().menuBar()->actions(), QList<QAction*>{&action(form.MenuFile)});
    const QList<QAction*> items = action(form.MenuFile).menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_TRUE(items[1]->text().isEmpty());
    EXPECT_EQ(items[2]->text(), QStringLiteral("E&xit"));

    // The picture box's label sits inside it and shows its colour; the auto-sized label took the
    // size its caption needs in its real font.
    EXPECT_TRUE(widgetOf(form.PictureSheet)->isAncestorOf(widgetOf(form.LabelOnSheet)));
    EXPECT_EQ(widget<QLabel>(form.LabelOnSheet).palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
    auto& title = widget<QLabel>(form.LabelTitle);
    EXPECT_TRUE(title.font().bold());
    EXPECT_EQ(pixels(form.LabelTitle.Width()), title.fontMetrics().size(0, title.text()).width());
    EXPECT_EQ(title.width(), pixels(form.LabelTitle.Width()));
}

TEST_F(FormPeerTest, PropertiesSetByCodeShowAtOnceWithoutEchoingAsUserEvents)
{
    form.TextName.setText("ABC");
    form.TextMemo.setText("one\r\ntwo");
    form.CheckPaid.setValue(1);
    form.OptKind[1].setValue(true);
    form.ListCodes.setListIndex(2);
    form.ListMarks.setSelected(1, true);
    form.ComboEdit.setText("OTHER");
    form.ComboChoice.setListIndex(1);
    form.ScrollAmount.setValue(40);
    form.GridLines.setRow(3);
    form.GridLines.setTextMatrix(3, 1, "Cash");
    form.MenuFileTicked.setChecked(false);
    form.CmdOK.setCaption("Save");
    form.CmdCancel.setEnabled(false);
    form.ShapeBox.setVisible(false);
    form.TextName.setForeColor(0x00FF0000);
    form.TextName.Move(240, 480, 3000, 315);
    settle();
    // Only the events code fires itself; the widgets' own signals brought nothing back.
    EXPECT_EQ(form.takeLog(), (Log{"TextName_Change", "TextMemo_Change", "CheckPaid_Click", "OptKind(1)_Click", "ListCodes_Click",
                                   "ListMarks_Click", "ComboEdit_Change", "ComboChoice_Click", "ScrollAmount_Change",
                                   "GridLines_RowColChange", "GridLines_SelChange"}));

    EXPECT_EQ(widget<QLineEdit>(form.TextName).text(), QStringLiteral("ABC"));
    EXPECT_EQ(widget<QPlainTextEdit>(form.TextMemo).toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(widget<QCheckBox>(form.CheckPaid).checkState(), Qt::Checked);
    EXPECT_FALSE(widget<QRadioButton>(form.OptKind[0]).isChecked());
    EXPECT_TRUE(widget<QRadioButton>(form.OptKind[1]).isChecked());
    EXPECT_EQ(widget<QListView>(form.ListCodes).currentIndex().row(), 2);
    EXPECT_TRUE(isSelected(widget<QListView>(form.ListMarks), 1));
    EXPECT_FALSE(isSelected(widget<QListView>(form.ListMarks), 0));
    EXPECT_EQ(widget<QComboBox>(form.ComboEdit).currentText(), QStringLiteral("OTHER"));
    EXPECT_EQ(widget<QComboBox>(form.ComboChoice).currentText(), QStringLiteral("REC"));
    EXPECT_EQ(widget<QScrollBar>(form.ScrollAmount).value(), 40);
    EXPECT_EQ(widget<QTableView>(form.GridLines).currentIndex().row(), 3);
    EXPECT_EQ(cell(widget<QTableView>(form.GridLines), 3, 1).data().toString(), QStringLiteral("Cash"));
    EXPECT_TRUE(isSelected(widget<QTableView>(form.GridLines), 3, 1));
    EXPECT_FALSE(action(form.MenuFileTicked).isChecked());
    EXPECT_EQ(widget<QPushButton>(form.CmdOK).text(), QStringLiteral("Save"));
    EXPECT_FALSE(widgetOf(form.CmdCancel)->isEnabled());
    EXPECT_FALSE(widgetOf(form.ShapeBox)->isVisible());
    EXPECT_EQ(widgetOf(form.TextName)->palette().color(QPalette::Text), QColor(0, 0, 0xFF));
    EXPECT_EQ(widgetOf(form.TextName)->geometry(), QRect(pixels(240), pixels(480), pixels(3000), pixels(315)));
}

TEST_F(FormPeerTest, ClicksReachTheModelOnceEach)
{
    widget<QPushButton>(form.CmdOK).click();
    widget<QCheckBox>(form.CheckPaid).click();
    widget<QRadioButton>(form.OptKind[1]).click();
    action(form.MenuFileExit).trigger();
    widget<QListView>(form.ListCodes).setCurrentIndex(cell(widget<QListView>(form.ListCodes), 3));
    widget<QListView>(form.ListMarks).selectionModel()->select(cell(widget<QListView>(form.ListMarks), 2), QItemSelectionModel::Select);
    emit widget<QComboBox>(form.ComboChoice).activated(2);
    EXPECT_EQ(form.takeLog(), (Log{"CmdOK_Click", "CheckPaid_Click", "OptKind(1)_Click", "MenuFileExit_Click",
                                   "ListCodes_Click", "ListMarks_Click", "ComboChoice_Click"}));
    EXPECT_EQ(form.CheckPaid.Value(), 1);
    EXPECT_TRUE(form.OptKind[1].Value());
    EXPECT_FALSE(form.OptKind[0].Value());
    EXPECT_FALSE(widget<QRadioButton>(form.OptKind[0]).isChecked());
    EXPECT_EQ(form.ListCodes.Text(), "SALES");
    EXPECT_TRUE(form.ListMarks.Selected(2));
    EXPECT_EQ(form.ComboChoice.Text(), "JNL");

    // A disabled control ignores the user, and its widget goes back to the model's state.
    form.CheckPaid.setEnabled(false);
    widget<QCheckBox>(form.CheckPaid).setEnabled(true);
    widget<QCheckBox>(form.CheckPaid).click();
    EXPECT_EQ(form.takeLog(), Log{});
    EXPECT_EQ(widget<QCheckBox>(form.CheckPaid).checkState(), Qt::Checked);
}

TEST_F(FormPeerTest, TypingGoesThroughTheKeyEventsIntoTheModel)
{
    auto& name = widget<QLineEdit>(form.TextName);
    focusByMouse(name);
    form.takeLog();
    form.upperCaseName = true;
    press(name, Qt::Key_A, "a");
    press(name, Qt::Key_B, "b");
    EXPECT_EQ(form.takeLog(), (Log{"TextName_KeyDown 65", "TextName_KeyPress 97", "TextName_Change", "TextName_KeyDown 66",
                                   "TextName_KeyPress 98", "TextName_Change"}));
    EXPECT_EQ(form.TextName.Text(), "AB");
    EXPECT_EQ(name.text(), QStringLiteral("AB"));
    EXPECT_EQ(name.cursorPosition(), 2);

    // Backspace is typed too; editing that is no typing (Delete) comes back as the user's text.
    press(name, Qt::Key_Backspace, "\b");
    name.setCursorPosition(0);
    press(name, Qt::Key_Delete);
    EXPECT_EQ(form.TextName.Text(), "");
    EXPECT_EQ(form.takeLog(), (Log{"TextName_KeyDown 8", "TextName_KeyPress 8", "TextName_Change", "TextName_KeyDown 46",
                                   "TextName_Change"}));

    // MaxLength holds for typing.
    for (const char c : std::string("abcdefgh"))
        press(name, static_cast<Qt::Key>(Qt::Key_A + (c - 'a')), QString(QChar(c)));
    EXPECT_EQ(form.TextName.Text(), "ABCDEF");
    EXPECT_EQ(name.text(), QStringLiteral("ABCDEF"));
}

TEST_F(FormPeerTest, TypingInAnEditableComboChangesItsTextAndChoosingAnItemClicksIt)
{
    auto& combo = widget<QComboBox>(form.ComboEdit);
    focusByMouse(combo);
    form.takeLog();
    press(combo, Qt::Key_P, "p");
    press(combo, Qt::Key_A, "a");
    EXPECT_EQ(form.ComboEdit.Text(), "pa");
    EXPECT_EQ(combo.lineEdit()->text(), QStringLiteral("pa"));
    EXPECT_EQ(form.takeLog(), (Log{"ComboEdit_KeyDown 80", "ComboEdit_Change", "ComboEdit_KeyDown 65", "ComboEdit_Change"}));
    emit combo.activated(1);
    EXPECT_EQ(form.ComboEdit.Text(), "REC");
    EXPECT_EQ(combo.lineEdit()->text(), QStringLiteral("REC"));
    EXPECT_EQ(form.takeLog(), Log{"ComboEdit_Click"});
}

TEST_F(FormPeerTest, EnterMakesANewLineInAMemoAndClicksTheDefaultButtonElsewhere)
{
    auto& memo = widget<QPlainTextEdit>(form.TextMemo);
    focusByMouse(memo);
    press(memo, Qt::Key_X, "x");
    press(memo, Qt::Key_Return, "\r");
    press(memo, Qt::Key_Y, "y");
    EXPECT_EQ(form.TextMemo.Text(), "x\r\ny");
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("x\ny"));
    EXPECT_EQ(memo.textCursor().position(), 3);
    form.takeLog();

    auto& name = widget<QLineEdit>(form.TextName);
    focusByMouse(name);
    form.takeLog();
    press(name, Qt::Key_Return, "\r");
    press(name, Qt::Key_Escape, "\x1b");
    EXPECT_EQ(form.takeLog(), (Log{"CmdOK_Click", "CmdCancel_Click"}));
}

TEST_F(FormPeerTest, PastingIntoAMemoTakesTheClipboardsTextAndNothingFromAnEmptyOne)
{
    auto& memo = widget<QPlainTextEdit>(form.TextMemo);
    focusByMouse(memo);
    // An empty clipboard under X offers data with no format at all.
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    memo.paste();
    EXPECT_EQ(form.TextMemo.Text(), "");
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    memo.paste();
    EXPECT_EQ(form.TextMemo.Text(), "x");
    QGuiApplication::clipboard()->clear();
}

TEST_F(FormPeerTest, FocusMovesOnceEachWayAndFollowsTheModel)
{
    EXPECT_EQ(form.ActiveControl(), &form.TextName);
    focusByMouse(widget<QPlainTextEdit>(form.TextMemo));
    EXPECT_EQ(form.takeLog(), (Log{"TextName_LostFocus", "TextMemo_GotFocus"}));
    EXPECT_EQ(form.ActiveControl(), &form.TextMemo);

    // Tab goes to the next control in tab order, in the model and on the screen.
    press(widget<QPlainTextEdit>(form.TextMemo), Qt::Key_Tab, "\t");
    EXPECT_EQ(form.takeLog(), (Log{"TextMemo_KeyDown 9", "TextMemo_LostFocus", "CheckPaid_GotFocus"}));
    EXPECT_EQ(peer().window()->focusWidget(), widgetOf(form.CheckPaid));

    // Focus set by code moves the widget's focus without firing anything twice.
    form.ListCodes.setFocus();
    settle();
    EXPECT_EQ(form.takeLog(), (Log{"CheckPaid_LostFocus", "ListCodes_GotFocus"}));
    EXPECT_EQ(peer().window()->focusWidget(), widgetOf(form.ListCodes));

    // A click on a control of a window in the background focuses it as the window comes to the
    // front; the window coming back to the front with its own control focused fires nothing.
    for (const platform::Control* control : {&form.CheckPaid, &form.CheckPaid}) {
        QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(widgetOf(*control), &activated);
    }
    EXPECT_EQ(form.takeLog(), (Log{"ListCodes_LostFocus", "CheckPaid_GotFocus"}));
    EXPECT_EQ(form.ActiveControl(), &form.CheckPaid);
    press(*widgetOf(form.CheckPaid), Qt::Key_Space, " ");
    EXPECT_EQ(form.takeLog(), (Log{"CheckPaid_KeyDown 32", "CheckPaid_Click"}));

    // A click on a window in the background moves the focus before the control sees the press.
    QWidget other;
    other.show();
    other.activateWindow();
    settle();
    ASSERT_FALSE(peer().window()->isActiveWindow());
    auto& option = widget<QRadioButton>(form.OptKind[1]);
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(4, 4), option.mapToGlobal(QPointF(4, 4)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&option, &down);
    Log events = form.takeLog();
    ASSERT_EQ(events.size(), 3U);
    EXPECT_EQ(events[0], "CheckPaid_LostFocus");
    EXPECT_EQ(events[1], "OptKind(1)_GotFocus");
    EXPECT_TRUE(events[2].starts_with("OptKind(1)_MouseDown 1 "));
}

TEST_F(FormPeerTest, GridScrollBarAndLabelForwardTheUsersMouseAndMoves)
{
    auto& table = widget<QTableView>(form.GridLines);
    table.setCurrentIndex(cell(table, 2, 3));
    emit table.pressed(cell(table, 2, 3));
    EXPECT_EQ(form.takeLog(), (Log{"GridLines_RowColChange", "GridLines_SelChange", "GridLines_Click"}));
    EXPECT_EQ(form.GridLines.Row(), 2);
    EXPECT_EQ(form.GridLines.Col(), 3);

    auto& bar = widget<QScrollBar>(form.ScrollAmount);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form.ScrollAmount.Value(), 25);
    EXPECT_EQ(bar.value(), 25);
    bar.setSliderDown(true);
    bar.setSliderPosition(60);
    bar.setSliderPosition(70);
    bar.setSliderDown(false);
    EXPECT_EQ(form.ScrollAmount.Value(), 70);
    EXPECT_EQ(form.takeLog(), (Log{"ScrollAmount_Change", "ScrollAmount_Change", "ScrollAmount_Scroll", "ScrollAmount_Scroll",
                                   "ScrollAmount_Change"}));

    // Right steps towards Max and Left towards Min, on the model and the widget.
    form.ScrollAmount.setFocus();
    form.takeLog();
    press(bar, Qt::Key_Right);
    EXPECT_EQ(form.ScrollAmount.Value(), 75);
    press(bar, Qt::Key_Left);
    press(bar, Qt::Key_Left);
    EXPECT_EQ(form.ScrollAmount.Value(), 65);
    EXPECT_EQ(bar.value(), 65);
    EXPECT_EQ(form.takeLog(), (Log{"ScrollAmount_KeyDown 39", "ScrollAmount_Change", "ScrollAmount_KeyDown 37",
                                   "ScrollAmount_Change", "ScrollAmount_KeyDown 37", "ScrollAmount_Change"}));

    // Mouse positions arrive in twips within the control.
    QWidget& label = *widgetOf(form.LabelOnSheet);
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(30, 6), label.mapToGlobal(QPointF(30, 6)), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&label, &down);
    const double twipsPerPixel = 1440 / QGuiApplication::primaryScreen()->logicalDotsPerInch();
    // The press is the label's only, not the picture box's that holds it.
    EXPECT_EQ(form.takeLog(), (Log{"LabelOnSheet_MouseDown 1 " + std::to_string(static_cast<int>(30 * twipsPerPixel)) + "," +
                                   std::to_string(static_cast<int>(6 * twipsPerPixel))}));
}

TEST_F(FormPeerTest, DraggingOverTheGridExtendsTheSelectionFromThePressedCell)
{
    auto& table = widget<QTableView>(form.GridLines);
    QWidget& cells = *table.viewport();
    auto mouse = [&](QEvent::Type type, int row, int col, Qt::MouseButtons buttons) {
        const QPointF at = table.visualRect(table.model()->index(row, col)).center();
        QMouseEvent event(type, at, cells.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&cells, &event);
    };
    mouse(QEvent::MouseButtonPress, 2, 1, Qt::LeftButton);
    mouse(QEvent::MouseMove, 3, 2, Qt::LeftButton);
    mouse(QEvent::MouseMove, 4, 3, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, 4, 3, Qt::NoButton);
    Log events = form.takeLog();
    std::erase_if(events, [](const std::string& event) { return event.starts_with("GridLines_MouseDown"); });
    EXPECT_EQ(events, (Log{"GridLines_RowColChange", "GridLines_SelChange", "GridLines_Click", "GridLines_SelChange",
                           "GridLines_SelChange"}));
    // The pressed cell stays current; the block reaches the cell let go on.
    EXPECT_EQ(form.GridLines.Row(), 2);
    EXPECT_EQ(form.GridLines.Col(), 1);
    EXPECT_EQ(form.GridLines.SelEndRow(), 4);
    EXPECT_EQ(form.GridLines.SelEndCol(), 3);
    EXPECT_EQ(table.currentIndex(), cell(table, 2, 1));
    EXPECT_TRUE(isSelected(table, 2, 1));
    EXPECT_TRUE(isSelected(table, 4, 3));

    // The keyboard moves the current cell again afterwards.
    table.setCurrentIndex(cell(table, 3, 1));
    EXPECT_EQ(form.GridLines.Row(), 3);
    EXPECT_EQ(form.GridLines.SelEndRow(), 3);
}

TEST_F(FormPeerTest, AClickThatClearsTheOtherMarksOfAMultiSelectListClearsThemAll)
{
    for (int i = 0; i < 3; ++i)
        form.ListMarks.setSelected(i, true);
    auto& list = widget<QListView>(form.ListMarks);
    // A plain click in an extended-select list marks its item alone, in one change of the widget.
    list.selectionModel()->select(list.model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(form.ListMarks.Selected(i), i == 1);
        EXPECT_EQ(isSelected(list, i), i == 1);
    }
}

TEST_F(FormPeerTest, PaintFiresOnShowingAndWhenTheUserResizesNotForTheWidgetsOwnRepaints)
{
    AllControlsForm other(services);
    other.Show();
    settle();
    QWidget& window = *windows.find(other)->window();
    window.repaint();
    widget<QLineEdit>(form.TextName).repaint();
    EXPECT_EQ(other.paints, 1);

    other.takeLog();
    window.resize(window.width() + 30, window.height() + 15);
    settle();
    EXPECT_EQ(other.takeLog(), Log{"Form_Resize"});
    EXPECT_EQ(other.paints, 2);
    const QSize inside = windows.find(other)->clientArea()->size();
    EXPECT_EQ(pixels(other.ScaleWidth()), inside.width());
    EXPECT_EQ(pixels(other.ScaleHeight()), inside.height());
    EXPECT_EQ(other.Width(), other.ScaleWidth() + 120);
}

TEST_F(FormPeerTest, TheCloseBoxAsksTheFormWhichMayRefuse)
{
    form.cancelClose = 1;
    peer().window()->close();
    EXPECT_EQ(form.takeLog(), Log{"Form_QueryUnload"});
    EXPECT_TRUE(peer().window()->isVisible());

    form.cancelClose = 0;
    form.TextName.setText("typed");
    peer().window()->close();
    EXPECT_EQ(form.takeLog(), (Log{"TextName_Change", "Form_QueryUnload", "Form_Unload"}));
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(peer().window()->isVisible());
    // Shown again, the form loads afresh and its widgets show the design-time values.
    form.Show();
    EXPECT_EQ(form.takeLog(), (Log{"Form_Load", "Form_Resize", "Form_Activate", "TextName_GotFocus"}));
    EXPECT_EQ(widget<QLineEdit>(form.TextName).text(), QString());
    EXPECT_EQ(widget<QListView>(form.ListCodes).model()->rowCount(), 4);
}

TEST_F(FormPeerTest, AModalFormRunsUntilATimerHidesIt)
{
    AllControlsForm dialog(services);
    bool modalWhileShown = false;
    QTimer::singleShot(50, [&] {
        modalWhileShown = windows.find(dialog)->window()->isModal() && windows.find(dialog)->window()->isVisible();
        widget<QPushButton>(form.CmdOK).click(); // the owner is blocked for the user, not for code
        dialog.Hide();
    });
    dialog.Show(true);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(windows.find(dialog)->window()->isVisible());
    EXPECT_TRUE(dialog.isLoaded());
    EXPECT_EQ(form.takeLog(), Log{"CmdOK_Click"});

    QTimer::singleShot(50, [&] { dialog.Unload(); });
    dialog.Show(true);
    EXPECT_FALSE(dialog.isLoaded());
}

TEST_F(FormPeerTest, GrabOfEveryControlKind)
{
    form.TextName.setText("ACME");
    form.TextMemo.setText("A memo\r\nof two lines");
    form.ListCodes.setListIndex(1);
    form.GridLines.setTextMatrix(2, 1, "Sales");
    form.GridLines.setTextMatrix(2, 2, "100.00");
    settle();
    const QPixmap shot = peer().window()->grab();
    EXPECT_EQ(shot.size(), peer().window()->size() * shot.devicePixelRatio());
    EXPECT_TRUE(shot.save(QStringLiteral("/tmp/qtforms-every-control.png")));
}

} // namespace
