#include <QMouseEvent>
#include <QTableView>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "QtTestApplication.h"
#include "platform/Controls.h"
#include "qtgui/ControlPeer.h"
#include "qtgui/FormPeer.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"
#include "qtgui/WidgetGeometry.h"
#include "support/TempFolder.h"

// On the screen: labels dragged by hand and dropped on the page or on each other, stacking,
// repaints, a grid's header clicks, and a window that corrects its own size in Resize.
namespace {

using Log = std::vector<std::string>;

class CanvasForm : public platform::Form {
public:
    explicit CanvasForm(platform::Services& services) : Form(services, "CanvasForm")
    {
        Move(0, 0, 9000, 6000);
        Page.Move(120, 120, 6000, 4000);
        for (platform::Label& label : Obj.elements()) {
            label.Move(600 + 900 * label.Index(), 600, 1200, 600);
            label.setCaption("Object " + std::to_string(label.Index()));
            label.MouseDown = [&label](int, int, double, double) { label.Drag(1); };
            label.DragDrop = [this, i = label.Index()](platform::Control& source, double, double) {
                log.push_back("Obj_DragDrop " + std::to_string(i) + " from " + std::to_string(source.Index()));
            };
        }
        Page.DragDrop = [this](platform::Control& source, double x, double y) {
            log.push_back("Page_DragDrop from " + std::to_string(source.Index()) + " at " + std::to_string(std::lround(x / 15)) +
                          "," + std::to_string(std::lround(y / 15)));
        };
        Table.Move(120, 4300, 3000, 1200);
        Table.setRows(4);
        Table.setCols(4);
        endDesign();
    }

    platform::PictureBox Page{*this, "Page"};
    platform::ControlArray<platform::Label> Obj{Page, "Obj", 0, 1};
    platform::Grid Table{*this, "Table"};
    Log log;
    int resizes = 0;

protected:
    void Form_Resize() override
    {
        ++resizes;
        if (Height() < 3500)
            setHeight(3600);
    }
};

class CanvasPeerTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.Show();
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    QWidget& widgetOf(const platform::Control& control) { return *windows.find(form)->peerOf(control)->widget(); }

    static void mouse(QWidget& target, QEvent::Type type, const QPoint& globalAt)
    {
        const QPointF local = target.mapFromGlobal(QPointF(globalAt));
        QMouseEvent event(type, local, QPointF(globalAt), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }

    QApplication& app = qtTestApplication();
    TempFolder folder;
    qtgui::QtServices services{qtgui::QtServices::Options{folder.path() / "out.pdf"}};
    qtgui::FormPeers windows{services};
    CanvasForm form{services};
};

TEST_F(CanvasPeerTest, ALabelDraggedByHandDropsOnWhatLiesUnderThePointer)
{
    QWidget& dragged = widgetOf(form.Obj[0]);
    QWidget& other = widgetOf(form.Obj[1]);
    // Drops on the page are measured from its inside edge, as its children and its drawing are.
    QWidget& page = *windows.find(form)->peerOf(form.Page)->childArea();
    struct Case {
        const char* name;
        QPoint globalAt;
        Log expected;
    };
    const Case cases[] = {
        {"on the other label", other.mapToGlobal(QPoint(70, 5)), {"Obj_DragDrop 1 from 0"}},
        {"on the bare page", page.mapToGlobal(QPoint(300, 200)), {"Page_DragDrop from 0 at 300,200"}},
        {"off every control", widgetOf(form.Table).mapToGlobal(QPoint(0, -10)), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.log.clear();
        mouse(dragged, QEvent::MouseButtonPress, dragged.mapToGlobal(QPoint(5, 5)));
        EXPECT_TRUE(form.Obj[0].isDragging());
        EXPECT_EQ(QWidget::mouseGrabber(), &dragged) << "the dragged label keeps the mouse";
        mouse(dragged, QEvent::MouseButtonRelease, c.globalAt);
        EXPECT_EQ(form.log, c.expected);
        EXPECT_FALSE(form.Obj[0].isDragging());
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
}

TEST_F(CanvasPeerTest, ZOrderRestacksAndRefreshRepaintsAtOnce)
{
    // Make the two labels overlap; the later one lies in front until ZOrder says otherwise.
    form.Obj[1].setLeft(form.Obj[0].Left() + 300);
    QWidget& page = widgetOf(form.Page);
    QWidget* area = widgetOf(form.Obj[0]).parentWidget();
    const QPoint inArea = widgetOf(form.Obj[1]).geometry().topLeft() + QPoint(2, 2);
    EXPECT_EQ(area->childAt(inArea), &widgetOf(form.Obj[1]));
    form.Obj[0].ZOrder(0);
    EXPECT_EQ(area->childAt(inArea), &widgetOf(form.Obj[0]));
    form.Obj[0].ZOrder(1);
    EXPECT_EQ(area->childAt(inArea), &widgetOf(form.Obj[1]));

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    } counter;
    page.installEventFilter(&counter);
    form.Page.Refresh();
    EXPECT_EQ(counter.paints, 1);
    page.removeEventFilter(&counter);
}

TEST_F(CanvasPeerTest, APressOnAColumnHeaderSelectsTheColumn)
{
    auto& table = dynamic_cast<QTableView&>(widgetOf(form.Table));
    emit table.pressed(table.model()->index(0, 2));
    EXPECT_EQ(form.Table.Col(), 2);
    const QItemSelection ranges = table.selectionModel()->selection();
    ASSERT_EQ(ranges.size(), 1);
    EXPECT_EQ(ranges[0].top(), 1);
    EXPECT_EQ(ranges[0].bottom(), 3);
    EXPECT_EQ(ranges[0].left(), 2);
    EXPECT_EQ(ranges[0].right(), 2);
}

TEST_F(CanvasPeerTest, ASizeTheWindowSetsInResizeShowsWithoutAnotherResize)
{
    QWidget& window = *windows.find(form)->window();
    form.resizes = 0;
    window.resize(window.width(), 100);
    settle();
    EXPECT_EQ(form.resizes, 2) << "the user's resize, then the one the window's own new height makes";
    EXPECT_DOUBLE_EQ(form.Height(), 3600);
    EXPECT_EQ(windows.find(form)->clientArea()->height(), qtgui::toPixels(3600 - 405));
}

} // namespace
