#include "mainwindow/dialogs/Calendar.h"

#include "core/Book.h"
#include "core/Messages.h"

namespace mainwindow {

namespace {

// Colours 9 and 10 of the 16-colour table, in 0x00BBGGRR form.
constexpr long LightBlue = 0xFF0000;
constexpr long LightGreen = 0x00FF00;
constexpr long White = 0xFFFFFF;

constexpr double GridUnits = 90;
constexpr double CellUnits = 10;
constexpr int WeekCells = 42;
constexpr int OutsideColumns = 99;
constexpr int LastQuietYear = 2050;
// The calendar sits this far above the middle of the main window, twice over.
constexpr double RaiseOverMainWindow = 700;
constexpr double MarginFromScreenEdge = 10;

constexpr const char* LongDate = "dddd, d Mmmm yyyy";

runtime::Date firstOfMonth(int year, int month)
{
    return *runtime::Date::fromYmd(year, month, 1);
}

} // namespace

Calendar::Calendar(core::Book& book, const platform::Form& mainWindow)
    : Form(book.services(), "Calendar"), book_(book), mainWindow_(mainWindow)
{
    setCaption("Calendar");
    Move(0, 0, 5400, 5160);

    Picture1.Move(120, 120, 3780, 3780);
    Picture1.setToolTipText("Click on a date");
    Picture1.setFontName("Small Fonts");
    Picture1.setFontSize(6.75);
    Picture1.setBackColor(White);
    Picture1.setForeColor(platform::Black);
    Picture1.setTabStop(false);

    Label1.Move(4020, 120, 600, 240);
    Label1.setCaption("Month");
    MScroll.Move(4140, 360, 255, 2640);
    MScroll.setMin(1);
    MScroll.setMax(12);
    MScroll.setValue(1);
    Label2.Move(4620, 120, 600, 240);
    Label2.setCaption("Year");
    YScroll.Move(4740, 360, 255, 2640);
    YScroll.setMin(1900);
    YScroll.setMax(2100);
    YScroll.setValue(1900);
    Command1.Move(4020, 3240, 1095, 375);
    Command1.setCaption("&Today");
    Command1.setToolTipText("Return Today's Date");

    Label4.Move(120, 4050, 1200, 255);
    Label4.setCaption("Selected Date");
    Label3.Move(1320, 4020, 3795, 285);
    Label3.setBorderStyle(1);
    Label5.Move(120, 4410, 4995, 255);
    Label5.setCaption("Select a Date or Click here to Close");
    Label5.setAlignment(platform::Center);

    Picture1.MouseMove = [this](int, int, double x, double y) { Picture1_MouseMove(x, y); };
    Picture1.MouseDown = [this](int, int, double x, double y) { Picture1_MouseDown(x, y); };
    MScroll.Change = [this] { MScroll_Change(); };
    YScroll.Change = [this] { YScroll_Change(); };
    Command1.Click = [this] { Command1_Click(); };
    Label5.Click = [this] { Label5_Click(); };
    endDesign();
}

void Calendar::Form_Load()
{
    if (book_.PickedDate.year() < 1950)
        book_.PickedDate = services().now().dateOnly();
    const runtime::Date picked = book_.PickedDate;
    year_ = picked.year();
    month_ = picked.month();
    cancelled_ = false;
    cell_ = 0;
    MScroll.setValue(month_);
    YScroll.setValue(year_);
    Label3.setCaption(runtime::format(picked, LongDate));
    // The title always names the month shown, also when the scroll bars did not move to it.
    titleDate_ = firstOfMonth(year_, month_);
    redrawMonth();
    placeOverMainWindow();
    core::SetMousePointer(services(), core::DefaultPointer);
}

void Calendar::placeOverMainWindow()
{
    double left = mainWindow_.Left() + (mainWindow_.Width() - Width()) / 2;
    double top = mainWindow_.Top() + (mainWindow_.Height() - Height() - RaiseOverMainWindow) / 2;
    const double screenWidth = services().screenWidth();
    const double screenHeight = services().screenHeight();
    if (left < 0 && Width() < screenWidth)
        left = MarginFromScreenEdge;
    if (left + Width() > screenWidth)
        left = screenWidth - Width();
    if (top + Height() > screenHeight)
        top = screenHeight - Height();
    Move(left, top);
}

void Calendar::Form_QueryUnload(int& /*cancel*/, int unloadMode)
{
    // The close box closes without picking.
    if (unloadMode == platform::UnloadByUser)
        cancelled_ = true;
}

void Calendar::Form_Unload(int& /*cancel*/)
{
    core::SetMousePointer(services(), core::DefaultPointer);
    if (!cancelled_ && cell_ >= 1 && cell_ <= WeekCells)
        book_.PickedDate = cellDate(cell_);
}

double Calendar::unitsToX(double units) const
{
    return units * Picture1.ScaleWidth() / GridUnits;
}

double Calendar::unitsToY(double units) const
{
    return units * Picture1.ScaleHeight() / GridUnits;
}

void Calendar::printCentred(const std::string& text, double centreX, double centreY)
{
    Picture1.setCurrentX(unitsToX(centreX) - Picture1.TextWidth(text) / 2);
    Picture1.setCurrentY(unitsToY(centreY) - Picture1.TextHeight(text) / 2);
    Picture1.print(text, false);
}

void Calendar::DrawCalendarGrid()
{
    for (int row = 1; row <= 7; ++row) {
        for (int column = 1; column <= 7; ++column) {
            Picture1.line(unitsToX(column * CellUnits), unitsToY(row * CellUnits), unitsToX((column + 1) * CellUnits),
                          unitsToY((row + 1) * CellUnits), platform::Black, platform::LineForm::Box);
        }
    }
    // Serial dates 1 to 7 fall on Sunday to Saturday.
    for (int day = 1; day <= 7; ++day)
        printCentred(runtime::format(runtime::Date(day), "ddd"), day * CellUnits + CellUnits / 2, 1.5 * CellUnits);
}

void Calendar::FillCalendarMonth()
{
    printCentred(runtime::format(titleDate_, "Mmmm-yyyy"), GridUnits / 2, CellUnits / 2);
    const runtime::Date first = firstOfMonth(year_, month_);
    firstWeekday_ = first.weekday() + 1;
    const int length = month_ == 12 ? 31 : runtime::Date(firstOfMonth(year_, month_ + 1).serial() - 1).day();
    const runtime::Date today = services().now().dateOnly();
    for (int cell = firstWeekday_ - 1; cell <= firstWeekday_ - 2 + length; ++cell) {
        const int dayNumber = cell - firstWeekday_ + 2;
        const bool isToday = today.year() == year_ && today.month() == month_ && today.day() == dayNumber;
        Picture1.setFontBold(isToday);
        Picture1.setForeColor(isToday ? LightBlue : platform::Black);
        const std::string text = (dayNumber < 10 ? " " : "") + std::to_string(dayNumber);
        const int column = cell % 7 + 1;
        const int row = cell / 7 + 2;
        printCentred(text, column * CellUnits + CellUnits / 2, row * CellUnits + CellUnits / 2);
    }
    Picture1.setFontBold(false);
    Picture1.setForeColor(platform::Black);
}

void Calendar::redrawMonth()
{
    Picture1.Cls();
    DrawCalendarGrid();
    FillCalendarMonth();
}

int Calendar::cellAt(double x, double y) const
{
    const double unitX = x * GridUnits / Picture1.ScaleWidth();
    const double unitY = y * GridUnits / Picture1.ScaleHeight();
    if (unitX < CellUnits || unitX >= 8 * CellUnits)
        return OutsideColumns;
    const int column = static_cast<int>(unitX / CellUnits);
    const int row = static_cast<int>(unitY / CellUnits);
    return column + (row - 1) * 7 - 7;
}

runtime::Date Calendar::cellDate(int cell) const
{
    return runtime::Date(firstOfMonth(year_, month_).serial() + (cell - firstWeekday_));
}

void Calendar::Picture1_MouseMove(double x, double y)
{
    cell_ = cellAt(x, y);
}

void Calendar::Picture1_MouseDown(double x, double y)
{
    // The press itself says where the pointer is, also when no move came before it.
    cell_ = cellAt(x, y);
    DrawCalendarGrid();
    FillCalendarMonth();
    if (cell_ >= 1 && cell_ <= WeekCells) {
        const int column = (cell_ - 1) % 7 + 1;
        const int row = (cell_ - 1) / 7 + 2;
        Picture1.line(unitsToX(column * CellUnits), unitsToY(row * CellUnits), unitsToX((column + 1) * CellUnits),
                      unitsToY((row + 1) * CellUnits), LightGreen, platform::LineForm::FilledBox);
        Label3.setCaption(runtime::format(cellDate(cell_), LongDate));
    } else {
        // The title, the day names and beside the columns hold no date.
        cancelled_ = true;
    }
    Unload();
}

void Calendar::MScroll_Change()
{
    month_ = MScroll.Value();
    titleDate_ = firstOfMonth(year_, month_);
    redrawMonth();
}

void Calendar::YScroll_Change()
{
    year_ = YScroll.Value();
    titleDate_ = firstOfMonth(year_, month_);
    redrawMonth();
    if (year_ > LastQuietYear && !yearWarningShown_) {
        yearWarningShown_ = true;
        book_.messages.ShowWarningBox("I doubt very much that you will be using this program now!");
    }
}

void Calendar::Command1_Click()
{
    const runtime::Date today = services().now().dateOnly();
    titleDate_ = today;
    year_ = today.year();
    month_ = today.month();
    redrawMonth();
}

void Calendar::Label5_Click()
{
    cancelled_ = true;
    Unload();
}

} // namespace mainwindow
