#pragma once

#include "platform/Decorations.h"
#include "qtgui/ControlPeer.h"

class QLabel;

namespace qtgui {

class PaintedWidget;

// A label. With AutoSize it takes the size its caption needs in the real font, which it tells the
// model (replacing the headless estimate); without, the caption wraps at its width. Its mouse
// events reach the model, so a window can let the user drag it.
class LabelPeer : public WidgetPeer {
public:
    LabelPeer(platform::Label& label, FormPeer& form);

protected:
    void show(std::string_view property) override;
    bool clickedByMouse() const override { return true; }

private:
    void fitToCaption();

    platform::Label& label_;
    QLabel* qlabel_;
};

// A shape drawn in the fore colour with its border style; it takes no input, as on the platform.
class ShapePeer : public WidgetPeer {
public:
    ShapePeer(platform::Shape& shape, FormPeer& form);

protected:
    void show(std::string_view property) override;
    bool opaque() const override { return false; }

private:
    void paint(QPainter& painter) const;

    platform::Shape& shape_;
    PaintedWidget* canvas_;
};

// A line from (X1, Y1) to (X2, Y2): its widget covers the line's bounding box.
class LinePeer : public WidgetPeer {
public:
    LinePeer(platform::Line& line, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void place() override;
    bool opaque() const override { return false; }

private:
    void paint(QPainter& painter) const;

    platform::Line& line_;
    PaintedWidget* canvas_;
};

} // namespace qtgui
