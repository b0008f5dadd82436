#pragma once

#include <string>

#include "platform/Buttons.h"
#include "platform/Containers.h"
#include "platform/Decorations.h"
#include "platform/Form.h"
#include "platform/ScrollBar.h"
#include "runtime/Date.h"

namespace core {
class Book;
}

namespace mainwindow {

// The month calendar the date boxes open (core::PickDate shows it modally): it starts at the
// book's PickedDate and, when a day is clicked, leaves that day there. Every other way of closing
// it leaves PickedDate as it was. The month is drawn on Picture1, whose inside counts 90 x 90
// units: a title row, a row of day names and six week rows of seven 10 x 10 cells, Sunday first.
class Calendar : public platform::Form {
public:
    // `mainWindow` is the window the calendar is centred over.
    Calendar(core::Book& book, const platform::Form& mainWindow);

    platform::PictureBox Picture1{*this, "Picture1"};
    platform::ScrollBar MScroll{*this, "MScroll"};
    platform::ScrollBar YScroll{*this, "YScroll"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label2{*this, "Label2"};
    platform::CommandButton Command1{*this, "Command1"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label5{*this, "Label5"};

    // Cell borders and day names; then the month's title and day numbers. Both draw over what is
    // on Picture1.
    void DrawCalendarGrid();
    void FillCalendarMonth();

private:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void Picture1_MouseMove(double x, double y);
    void Picture1_MouseDown(double x, double y);
    void MScroll_Change();
    void YScroll_Change();
    void Command1_Click();
    void Label5_Click();

    void placeOverMainWindow();
    void redrawMonth();
    // The cell under a point of Picture1 (twips): 1 to 42 over the weeks, 0 or less over the title
    // and day names, 99 beside the day columns.
    int cellAt(double x, double y) const;
    // The date of a week cell; days before the 1st or after the month's end fall in the months
    // around it.
    runtime::Date cellDate(int cell) const;
    // Where a cell of the 90 x 90 grid lies on Picture1, in twips.
    double unitsToX(double units) const;
    double unitsToY(double units) const;
    void printCentred(const std::string& text, double centreX, double centreY);

    core::Book& book_;
    const platform::Form& mainWindow_;
    int year_ = 0;
    int month_ = 0;
    int firstWeekday_ = 1; // of the shown month's 1st, 1 Sunday to 7 Saturday
    int cell_ = 0;
    bool cancelled_ = false;
    runtime::Date titleDate_;
    bool yearWarningShown_ = false; // once per run: the window object lives as long as the program
};

} // namespace mainwindow
