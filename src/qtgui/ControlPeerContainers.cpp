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
    panel_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(panel_->frameWidth(), panel_->frameWidth(), panel_->frameWidth(), panel_->frameWidth());
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
    if (concerns(property, {"Picture"}))
        canvas_->update();
}

void PictureBoxPeer::paint(QPainter& painter) const
{
    const platform::RecordedPage& drawing = picture_.drawing();
    painter.setPen(toQColor(picture_.ForeColor(), canvas_->palette()));
    for (const platform::Stroke& stroke : drawing.strokes) {
        const QPoint from(toPixels(stroke.x1), toPixels(stroke.y1));
        const QPoint to(toPixels(stroke.x2), toPixels(stroke.y2));
        if (stroke.kind == platform::Stroke::Kind::Rectangle)
            painter.drawRect(QRect(from, to).normalized());
        else
            painter.drawLine(from, to);
    }
    for (const platform::TextRun& run : drawing.runs) {
        const QFont font = toQFont(run.font);
        painter.setFont(font);
        // The run's position is the top of its line; Qt draws from the baseline.
        painter.drawText(QPointF(toPixels(run.x), toPixels(run.y) + QFontMetrics(font).ascent()), toQString(run.text));
    }
}

} // namespace qtgui
