#pragma once

#include <QGroupBox>

namespace qtgui {

// A frame's group box: the theme's caption and a plain outline, with the inside left exactly the
// frame's back colour (the theme's own frame tints it).
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qtgui
