#pragma once

#include "platform/Containers.h"
#include "qtgui/ControlPeer.h"

class QFrame;
class QGroupBox;

namespace qtgui {

class PaintedWidget;

// A frame: a group box whose children sit at their twips from its top left corner.
class FramePeer : public WidgetPeer {
public:
    FramePeer(platform::Frame& frame, FormPeer& form);
    QWidget* childArea() const override;

protected:
    void show(std::string_view property) override;
    bool clickedByMouse() const override { return true; }

private:
    platform::Frame& frame_;
    QGroupBox* groupBox_;
};

// A picture box: a panel (sunken with BorderStyle 1) whose inside shows what was drawn on it, in
// the order and colours drawn, and holds its children.
class PictureBoxPeer : public WidgetPeer {
public:
    PictureBoxPeer(platform::PictureBox& picture, FormPeer& form);
    QWidget* childArea() const override;

protected:
    void show(std::string_view property) override;
    bool clickedByMouse() const override { return true; }

private:
    void paint(QPainter& painter) const;

    platform::PictureBox& picture_;
    QFrame* panel_;
    PaintedWidget* canvas_;
};

} // namespace qtgui
