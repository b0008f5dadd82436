#include "qtgui/ControlPeerContainers.h"

#include <QFontMetrics>
#include <QPainter>
#include <QVBoxLayout>

#include "qtgui/FrameBox.h"
#include "qtgui/QtText.h"
#include "qtgui/WidgetColours.h"
#include "qtgui/WidgetFonts.h"
#include "qtgui/WidgetGeometry.h"
#include "qtgui/WidgetPainted.h"

namespace qtgui {

// ---- FramePeer ----

FramePeer::FramePeer(platform::Frame& frame, FormPeer& form)
    : WidgetPeer(frame, form), frame_(frame), groupBox_(new FrameBox(containerArea(frame, form)))
{
    adopt(groupBox_);
}

QWidget* FramePeer::childArea() const
{
    return groupBox_;
}

void FramePeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"Caption"}))
        groupBox_->setTitle(toQString(frame_.Caption()));
    if (concerns(property, {"Enabled", "BackColor", "ForeColor"})) {
        showColours();
        // Only the caption of a disabled frame greys; what it holds keeps its own colours.
        if (!frame_.Enabled()) {
            QPalette palette = groupBox_->palette();
            palette.setColor(QPalette::WindowText, palette.color(QPalette::Disabled, QPalette::WindowText));
            groupBox_->setPalette(palette);
        }
    }
}

// ---- PictureBoxPeer ----

PictureBoxPeer::PictureBoxPeer(platform::PictureBox& picture, FormPeer& form)
    : WidgetPeer(picture, form), picture_(picture), panel_(new QFrame(containerArea(picture, form)))
{
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(0, 0, 0, 0);
    canvas_ = new PaintedWidget(panel_);
    canvas_->paint = [this](QPainter& painter) { paint(painter); };
    layout->addWidget(canvas_);
    adopt(panel_, {canvas_});
}

QWidget* PictureBoxPeer::childArea() const
{
    return canvas_;
}

void PictureBoxPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"BorderStyle"})) {
        const int border = toPixels(picture_.BorderStyle() == 1 ? platform::PictureBox::BorderWidth : 0);
        panel_->setFrameStyle(picture_.BorderStyle() == 1 ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        // The layout holds the inside within the frame's own width.
        panel_->setLineWidth(border);
    }
    if (concerns(property, {"Picture"}))
        canvas_->update();
}

void PictureBoxPeer::paint(QPainter& painter) const
{
    if (!canReadControl())
        return;
    // In the order drawn: a later stroke lies over an earlier one, or inverts it in exclusive-or mode.
    for (const platform::PictureStroke& stroke : picture_.drawing()) {
        const QColor colour = toQColor(stroke.colour, canvas_->palette());
        painter.setCompositionMode(stroke.exclusiveOr ? QPainter::RasterOp_SourceXorDestination
                                                      : QPainter::CompositionMode_SourceOver);
        painter.setPen(colour);
        const QPoint from(toPixels(stroke.x1), toPixels(stroke.y1));
        const QPoint to(toPixels(stroke.x2), toPixels(stroke.y2));
        switch (stroke.kind) {
        case platform::PictureStroke::Kind::Text: {
            const QFont font = toQFont(stroke.font);
            painter.setFont(font);
            // The text's position is the top of its line; Qt draws from the baseline.
            painter.drawText(QPointF(from) + QPointF(0, QFontMetrics(font).ascent()), toQString(stroke.text));
            break;
        }
        case platform::PictureStroke::Kind::Line: painter.drawLine(from, to); break;
        // The platform's box covers both corners: Qt's outline of a rectangle is one pixel wider.
        case platform::PictureStroke::Kind::Box: painter.drawRect(QRect(from, to).normalized().adjusted(0, 0, -1, -1)); break;
        case platform::PictureStroke::Kind::FilledBox: painter.fillRect(QRect(from, to).normalized(), colour); break;
        }
    }
}

} // namespace qtgui
