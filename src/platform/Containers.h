#pragma once

#include <string>

#include "platform/Control.h"
#include "platform/Drawing.h"

namespace platform {

// A frame: a captioned container. Hiding or disabling it hides or disables what it holds.
class Frame : public Control {
public:
    using Control::Control;

    const std::string& Caption() const;
    void setCaption(const std::string& caption);
    bool canTakeFocus() const override { return false; }

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    std::string caption_;
    std::string designCaption_;
};

// A picture box: a container that can also be drawn on. Drawing is recorded (Drawing.h), text
// measured as the screen measures it (Services::textWidth); the Qt layer paints the record. Cls
// clears it.
class PictureBox : public Control {
public:
    using Control::Control;

    double CurrentX() const;
    void setCurrentX(double x);
    double CurrentY() const;
    void setCurrentY(double y);
    // The inside size: the control's size (no border headless).
    double ScaleWidth() const { return Width(); }
    double ScaleHeight() const { return Height(); }
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;
    // Draws text at CurrentX/CurrentY in the control's font; then, with endLine, CurrentX goes to 0
    // and CurrentY down one line, otherwise CurrentX moves past the text.
    void print(const std::string& text, bool endLine = true);
    void line(double x1, double y1, double x2, double y2);
    void Cls();
    const RecordedPage& drawing() const { return drawing_; }

protected:
    void restoreDesign() override;

private:
    RecordedPage drawing_;
    double x_ = 0;
    double y_ = 0;
};

} // namespace platform
