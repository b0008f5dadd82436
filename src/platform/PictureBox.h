#pragma once

#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Drawing.h"

namespace platform {

// One drawing call on a picture box, kept in the order made: its place in twips from the inside's
// top left corner, its colour (0x00BBGGRR or a system colour) and whether it was drawn in
// exclusive-or mode.
struct PictureStroke {
    enum class Kind { Text, Line, Box, FilledBox };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // text: its top left corner in x1, y1
    long colour = 0;
    bool exclusiveOr = false;
    std::string text;
    Font font;
    bool operator==(const PictureStroke&) const = default;
};

// The picture box's drawing modes: copy the pen, or exclusive-or it with what is there.
enum DrawMode : int { CopyPen = 13, XorPen = 7 };
// Line's forms: a line, a box outline, a filled box.
enum class LineForm { Line, Box, FilledBox };

// A picture box: a container that can also be drawn on. Drawing is recorded as PictureStrokes in
// order; text is measured as the screen measures it (Services::textWidth). The Qt layer paints
// the record.
//
// Co-ordinates (CurrentX/Y, drawing, TextWidth/TextHeight, the mouse and a drop) are in the box's
// scale: twips from the inside's top left corner until Scale sets user co-ordinates. The inside
// is the control's size less a border of BorderWidth twips each side with BorderStyle 1.
//
// Paint fires when the box must be drawn afresh: when its form shows, on Refresh (its own or the
// form's) and when the user resizes the window or restores it from the task bar. A box with a
// Paint handler forgets its drawing first, so the handler draws it anew; one without keeps it.
class PictureBox : public Control {
public:
    using Control::Control;
    static constexpr double BorderWidth = 30;

    // 0 none, 1 fixed single (the default).
    int BorderStyle() const;
    void setBorderStyle(int style);
    int DrawMode() const;
    void setDrawMode(int mode);

    // User co-ordinates: (left, top) is the inside's top left corner, (right, bottom) its bottom right.
    void Scale(double left, double top, double right, double bottom);
    // Back to twips.
    void Scale();
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;

    double CurrentX() const;
    void setCurrentX(double x);
    double CurrentY() const;
    void setCurrentY(double y);
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;
    // Draws text at CurrentX/CurrentY in the control's font and fore colour; then, with endLine,
    // CurrentX goes to ScaleLeft and CurrentY down one line, otherwise CurrentX moves past the text.
    void print(const std::string& text, bool endLine = true);
    // The platform's Line (x1, y1)-(x2, y2), colour, B or BF: colour -1 draws in the fore colour.
    // CurrentX/CurrentY go to (x2, y2).
    void line(double x1, double y1, double x2, double y2, long colour = -1, LineForm form = LineForm::Line);
    void Cls();
    const std::vector<PictureStroke>& drawing() const;

    Event Paint;

protected:
    void keepDesign() override;
    void restoreDesign() override;
    void paintAgain() override;
    void toScale(double& x, double& y) const override;

private:
    double insideWidth() const;
    double insideHeight() const;
    double twipsX(double x) const;
    double twipsY(double y) const;
    void draw(PictureStroke stroke);

    struct State {
        int borderStyle = 1;
        int drawMode = CopyPen;
        // Unset (width 0): twips.
        double scaleLeft = 0, scaleTop = 0, scaleWidth = 0, scaleHeight = 0;
    };
    State state_;
    State design_;
    std::vector<PictureStroke> drawing_;
    double x_ = 0;
    double y_ = 0;
};

} // namespace platform
