#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "OnScreenWindow.h"
#include "mainwindow/dialogs/Calendar.h"

namespace {

class CalendarOnScreen : public OnScreenWindow, public testing::Test {
protected:
    CalendarOnScreen()
    {
        mainWindow.endDesign();
        mainWindow.Move(0, 0, 9000, 7000);
        book.PickedDate = *runtime::Date::fromYmd(2026, 3, 15);
        calendar.Show();
        settle();
    }

    platform::Form mainWindow{services, "Main"};
    mainwindow::Calendar calendar{book, mainWindow};
};

TEST_F(CalendarOnScreen, ItShowsItsControls)
{
    EXPECT_TRUE(widget<QWidget>(calendar.Picture1).isVisible());
    EXPECT_EQ(widget<QScrollBar>(calendar.MScroll).value(), 3);
    EXPECT_EQ(widget<QScrollBar>(calendar.YScroll).value(), 2026);
    EXPECT_EQ(widget<QPushButton>(calendar.Command1).text(), QStringLiteral("&Today"));
    EXPECT_EQ(widget<QLabel>(calendar.Label3).text(), QStringLiteral("Sunday, 15 March 2026"));
    EXPECT_EQ(widget<QLabel>(calendar.Label5).text(), QStringLiteral("Select a Date or Click here to Close"));
    EXPECT_FALSE(calendar.Picture1.drawing().empty());
}

TEST_F(CalendarOnScreen, TodayAndAClickOnADayReachTheirHandlers)
{
    widget<QPushButton>(calendar.Command1).click();
    settle();
    const std::string title = runtime::format(services.now(), "Mmmm-yyyy");
    bool titled = false;
    for (const platform::PictureStroke& stroke : calendar.Picture1.drawing())
        titled = titled || (stroke.kind == platform::PictureStroke::Kind::Text && stroke.text == title);
    EXPECT_TRUE(titled) << "Today shows the current month";

    // The middle of the first cell of the third week row, inside the picture's border.
    QWidget& picture = widget<QWidget>(calendar.Picture1);
    const double border = platform::PictureBox::BorderWidth;
    const double unit = calendar.Picture1.ScaleWidth() / 90;
    const QPointF at(pixels(border + 15 * unit), pixels(border + 45 * unit));
    QMouseEvent down(QEvent::MouseButtonPress, at, picture.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&picture, &down);
    settle();
    EXPECT_FALSE(calendar.isLoaded()) << "a pick closes the calendar";
    EXPECT_EQ(book.PickedDate.weekday(), 0) << "a Sunday was picked";
    EXPECT_EQ(book.PickedDate.month(), services.now().month());
}

} // namespace
