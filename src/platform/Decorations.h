#pragma once

#include <string>

#include "platform/Control.h"

namespace platform {

enum Alignment : int { LeftJustify = 0, RightJustify = 1, Center = 2 };

// A caption. With AutoSize, setting the caption, AutoSize or the font sizes the label to its text
// with the fixed metrics of TextMetrics.h in the label's font size; the Qt layer may set the real
// size. Change fires whenever Caption takes a new value.
class Label : public Control {
public:
    using Control::Control;

    const std::string& Caption() const;
    void setCaption(const std::string& caption);
    bool AutoSize() const;
    void setAutoSize(bool on);
    int Alignment() const;
    void setAlignment(int alignment);
    // 0 none, 1 fixed single.
    int BorderStyle() const;
    void setBorderStyle(int style);
    // Whether "&" in the caption marks an access key (shown underlined, "&&" a plain "&"); off, the
    // caption shows every "&" as it is ("Smith & Sons").
    bool UseMnemonic() const;
    void setUseMnemonic(bool on);
    bool canTakeFocus() const override { return false; }

    Event Change;

protected:
    void fontChanged() override { fitToCaption(); }
    void keepDesign() override;
    void restoreDesign() override;

private:
    void fitToCaption();

    struct State {
        std::string caption;
        bool autoSize = false;
        int alignment = LeftJustify;
        int borderStyle = 0;
        bool useMnemonic = true;
    };
    State state_;
    State design_;
};

// A drawn shape: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
class Shape : public Control {
public:
    using Control::Control;

    int ShapeKind() const;
    void setShapeKind(int kind);
    int BorderStyle() const;
    void setBorderStyle(int style);
    bool canTakeFocus() const override { return false; }

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    int kind_ = 0;
    int borderStyle_ = 1;
    int designKind_ = 0;
    int designBorderStyle_ = 1;
};

// A drawn line from (X1, Y1) to (X2, Y2), in twips within its container.
class Line : public Control {
public:
    using Control::Control;

    double X1() const;
    void setX1(double x);
    double Y1() const;
    void setY1(double y);
    double X2() const;
    void setX2(double x);
    double Y2() const;
    void setY2(double y);
    bool canTakeFocus() const override { return false; }

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    struct Ends {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    Ends ends_;
    Ends design_;
};

} // namespace platform
