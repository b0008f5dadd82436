#include <gtest/gtest.h>

#include <functional>

#include "core/BookTest.h"
#include "core/PickDate.h"
#include "mainwindow/dialogs/Calendar.h"

using mainwindow::Calendar;

namespace {

constexpr long LightBlue = 0xFF0000;
constexpr long LightGreen = 0x00FF00;

// The clock says 15 June 2025, a Sunday.
class CalendarTest : public BookTest {
protected:
    CalendarTest()
    {
        mainWindow.endDesign();
        mainWindow.Move(1000, 1000, 9000, 7000);
    }

    // Opens the calendar on `text` through the date boxes' picker, runs `script` on it and answers
    // what the date box would receive.
    std::string pick(const std::string& text, std::function<void(Calendar&)> script)
    {
        services.onModal<Calendar>("Calendar", std::move(script));
        return core::PickDate(book, calendar, text);
    }

    // The centre of a point of the 90 x 90 grid, in twips on the picture.
    static double twipsX(Calendar& c, double units) { return units * c.Picture1.ScaleWidth() / 90; }
    static double twipsY(Calendar& c, double units) { return units * c.Picture1.ScaleHeight() / 90; }
    static void pressAt(Calendar& c, double unitsX, double unitsY)
    {
        c.Picture1.userMouseMove(0, 0, twipsX(c, unitsX), twipsY(c, unitsY));
        c.Picture1.userMouseDown(1, 0, twipsX(c, unitsX), twipsY(c, unitsY));
    }
    static void clickCell(Calendar& c, int cell)
    {
        pressAt(c, ((cell - 1) % 7 + 1) * 10 + 5, ((cell - 1) / 7 + 2) * 10 + 5);
    }

    // The cell (1 to 42 over the weeks) a drawn day number is centred in.
    static int cellOfText(const Calendar& c, const platform::PictureStroke& run)
    {
        const double unitsX = (run.x1 + c.Picture1.TextWidth(run.text) / 2) * 90 / c.Picture1.ScaleWidth();
        const double unitsY = (run.y1 + c.Picture1.TextHeight(run.text) / 2) * 90 / c.Picture1.ScaleHeight();
        return static_cast<int>(unitsX / 10) + (static_cast<int>(unitsY / 10) - 2) * 7;
    }
    static std::vector<const platform::PictureStroke*> drawn(const Calendar& c, platform::PictureStroke::Kind kind)
    {
        std::vector<const platform::PictureStroke*> result;
        for (const platform::PictureStroke& stroke : c.Picture1.drawing())
            if (stroke.kind == kind)
                result.push_back(&stroke);
        return result;
    }
    static const platform::PictureStroke* findText(const Calendar& c, const std::string& text)
    {
        for (const platform::PictureStroke* run : drawn(c, platform::PictureStroke::Kind::Text))
            if (run->text == text)
                return run;
        return nullptr;
    }
    static std::vector<std::string> texts(const Calendar& c)
    {
        std::vector<std::string> result;
        for (const platform::PictureStroke* run : drawn(c, platform::PictureStroke::Kind::Text))
            result.push_back(run->text);
        return result;
    }

    platform::Form mainWindow{services, "Main"};
    Calendar calendar{book, mainWindow};
};

TEST_F(CalendarTest, OpeningDrawsTheMonthOfTheDateWithItsFirstInItsWeekdayColumn)
{
    struct Case {
        const char* date;
        const char* title;
        int lastDay;
        int cellOfFirst;
    };
    const Case cases[] = {
        {"15/03/2026", "March-2026", 31, 1},     // the 1st a Sunday
        {"10/08/2026", "August-2026", 31, 7},    // the 1st a Saturday: the 31st needs the sixth week
        {"03/01/2026", "January-2026", 31, 5},   // the scroll bar's own month: the title still follows
        {"29/02/2028", "February-2028", 29, 3},  // a leap year
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        pick(c.date, [&](Calendar& cal) {
            ASSERT_NE(findText(cal, c.title), nullptr);
            const auto drawn = texts(cal);
            EXPECT_EQ(std::count(drawn.begin(), drawn.end(), std::to_string(c.lastDay)), 1);
            EXPECT_EQ(std::count(drawn.begin(), drawn.end(), std::to_string(c.lastDay + 1)), 0);
            ASSERT_NE(findText(cal, " 1"), nullptr);
            EXPECT_EQ(cellOfText(cal, *findText(cal, " 1")), c.cellOfFirst);
            EXPECT_EQ(cellOfText(cal, *findText(cal, std::to_string(c.lastDay))), c.cellOfFirst + c.lastDay - 1);
            for (const char* day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"})
                EXPECT_NE(findText(cal, day), nullptr) << day;
            // 49 cell outlines: the day names' row and six weeks.
            EXPECT_EQ(CalendarTest::drawn(cal, platform::PictureStroke::Kind::Box).size(), 49u);
            cal.Label5.userClick();
        });
    }
}

TEST_F(CalendarTest, TodayIsBoldLightBlueAndTheOtherDaysPlainBlack)
{
    pick("01/06/2025", [&](Calendar& cal) {
        EXPECT_EQ(cal.Label3.Caption(), "Sunday, 1 June 2025");
        for (const platform::PictureStroke* run : drawn(cal, platform::PictureStroke::Kind::Text)) {
            const bool today = run->text == "15";
            SCOPED_TRACE(run->text);
            EXPECT_EQ(run->font.bold, today);
            EXPECT_EQ(run->colour, today ? LightBlue : platform::Black);
        }
        cal.Label5.userClick();
    });
}

TEST_F(CalendarTest, ClickingADayPicksItAcrossMonthAndYearEnds)
{
    struct Case {
        const char* start;
        int cell;
        const char* picked;
    };
    const Case cases[] = {
        {"15/03/2026", 20, "20/03/2026"},
        {"15/01/2026", 1, "28/12/2025"},  // before the 1st (a Thursday): the last days of December
        {"15/12/2026", 34, "01/01/2027"}, // after the 31st: the next year
        {"15/12/2026", 42, "09/01/2027"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " cell " + std::to_string(c.cell));
        EXPECT_EQ(pick(c.start, [&](Calendar& cal) { clickCell(cal, c.cell); }), c.picked);
        EXPECT_FALSE(calendar.isLoaded()) << "a pick closes the calendar";
    }
}

TEST_F(CalendarTest, APickFillsTheCellLightGreenAndNamesTheDate)
{
    pick("15/03/2026", [&](Calendar& cal) {
        bool filled = false;
        std::string label;
        cal.Label3.Change = [&] {
            label = cal.Label3.Caption();
            for (const platform::PictureStroke* stroke : drawn(cal, platform::PictureStroke::Kind::FilledBox))
                filled = filled || (stroke->colour == LightGreen && stroke->x1 == twipsX(cal, 40) && stroke->y1 == twipsY(cal, 40));
        };
        clickCell(cal, 18); // Wednesday 18th: column 4, third week row
        EXPECT_TRUE(filled);
        EXPECT_EQ(label, "Wednesday, 18 March 2026");
        cal.Label3.Change = nullptr;
    });
}

TEST_F(CalendarTest, ScrollingMonthAndYearShowsAnotherMonthToPickFrom)
{
    EXPECT_EQ(pick("15/03/2026", [&](Calendar& cal) {
                  cal.MScroll.userStep(9); // December
                  cal.YScroll.userStep(-2);
                  EXPECT_NE(findText(cal, "December-2024"), nullptr);
                  const auto drawn = texts(cal);
                  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "31"), 1) << "the old month was cleared";
                  clickCell(cal, 1); // 1 December 2024 is a Sunday
              }),
              "01/12/2024");
}

TEST_F(CalendarTest, TodayShowsTheCurrentMonthAndKeepsTheCalendarOpen)
{
    EXPECT_EQ(pick("15/03/2026", [&](Calendar& cal) {
                  cal.Command1.userClick();
                  EXPECT_TRUE(cal.isLoaded());
                  EXPECT_NE(findText(cal, "June-2025"), nullptr);
                  EXPECT_EQ(findText(cal, "March-2026"), nullptr);
                  EXPECT_EQ(cal.MScroll.Value(), 3) << "the scroll bars stay";
                  EXPECT_EQ(cal.YScroll.Value(), 2026);
                  clickCell(cal, 16); // Monday 16 June 2025
              }),
              "16/06/2025");
}

TEST_F(CalendarTest, ADateBefore1950OpensOnToday)
{
    pick("01/01/1940", [&](Calendar& cal) {
        EXPECT_NE(findText(cal, "June-2025"), nullptr);
        EXPECT_EQ(cal.Label3.Caption(), "Sunday, 15 June 2025");
        cal.Label5.userClick();
    });
}

TEST_F(CalendarTest, ClosingWithoutADayLeavesTheDate)
{
    const std::pair<const char*, std::function<void(Calendar&)>> closes[] = {
        {"the label", [](Calendar& cal) { cal.Label5.userClick(); }},
        {"the close box", [](Calendar& cal) { cal.userClose(); }},
        {"the title", [](Calendar& cal) { pressAt(cal, 45, 5); }},
        {"the day names", [](Calendar& cal) { pressAt(cal, 35, 15); }},
        {"left of the columns", [](Calendar& cal) { pressAt(cal, 5, 45); }},
        {"right of the columns", [](Calendar& cal) { pressAt(cal, 85, 45); }},
        {"a press after moving to a day elsewhere",
         [](Calendar& cal) {
             cal.Picture1.userMouseMove(0, 0, twipsX(cal, 35), twipsY(cal, 35));
             cal.Picture1.userMouseDown(1, 0, twipsX(cal, 85), twipsY(cal, 45));
         }},
    };
    for (const auto& [how, close] : closes) {
        SCOPED_TRACE(how);
        EXPECT_EQ(pick("15/03/2026", close), "15/03/2026");
        EXPECT_FALSE(calendar.isLoaded());
    }
}

TEST_F(CalendarTest, TheYearWarningShowsOnceAProgramRun)
{
    pick("15/03/2026", [&](Calendar& cal) {
        cal.YScroll.setValue(2050);
        EXPECT_TRUE(services.messageBoxes().empty()) << "2050 itself is quiet";
        services.answerMessageBox(platform::Answer::OK);
        cal.YScroll.setValue(2051);
        cal.YScroll.setValue(2049);
        cal.YScroll.setValue(2060);
        cal.Label5.userClick();
    });
    pick("15/03/2026", [&](Calendar& cal) {
        cal.YScroll.setValue(2070);
        cal.Label5.userClick();
    });
    ASSERT_EQ(services.messageTexts(), std::vector<std::string>{"I doubt very much that you will be using this program now!"});
    EXPECT_EQ(services.messageBoxes()[0].box.icon, platform::Icon::Exclamation);
    EXPECT_EQ(services.messageBoxes()[0].box.title, "Quillbook 2000-32");
}

TEST_F(CalendarTest, ItSitsCentredAboveTheMainWindowAndInsideTheScreen)
{
    struct Case {
        double mainLeft, mainTop;
        double left, top;
    };
    services.setScreenSize(15360, 11520);
    const double width = calendar.Width();
    const double height = calendar.Height();
    const Case cases[] = {
        {1000, 1000, 1000 + (9000 - width) / 2, 1000 + (7000 - height - 700) / 2},
        {-4000, 1000, 10, 1000 + (7000 - height - 700) / 2},        // off the left edge
        {12000, 1000, 15360 - width, 1000 + (7000 - height - 700) / 2}, // off the right edge
        {1000, 9000, 1000 + (9000 - width) / 2, 11520 - height},     // off the bottom
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mainLeft) + "," + std::to_string(c.mainTop));
        mainWindow.Move(c.mainLeft, c.mainTop);
        pick("15/03/2026", [&](Calendar& cal) {
            EXPECT_DOUBLE_EQ(cal.Left(), c.left);
            EXPECT_DOUBLE_EQ(cal.Top(), c.top);
            cal.Label5.userClick();
        });
    }
}

} // namespace
