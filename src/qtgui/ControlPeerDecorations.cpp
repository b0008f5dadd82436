#include "qtgui/ControlPeerDecorations.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "qtgui/QtText.h"
#include "qtgui/WidgetColours.h"
#include "qtgui/WidgetGeometry.h"
#include "qtgui/WidgetPainted.h"

namespace qtgui {

namespace {

// A caption's "&" marks the access key and "&&" is a plain "&"; a label shows the text without them.
QString withoutAccessKeys(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

Qt::Alignment labelAlignment(int alignment)
{
    switch (alignment) {
    case platform::RightJustify: return Qt::AlignRight | Qt::AlignTop;
    case platform::Center: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Border styles 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid.
Qt::PenStyle penStyle(int borderStyle)
{
    constexpr std::array<Qt::PenStyle, 7> Styles{Qt::NoPen,       Qt::SolidLine,      Qt::DashLine, Qt::DotLine,
                                                 Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
    return borderStyle >= 0 && borderStyle < static_cast<int>(Styles.size()) ? Styles[static_cast<std::size_t>(borderStyle)]
                                                                              : Qt::SolidLine;
}

PaintedWidget* inputlessCanvas(const platform::Control& control, const FormPeer& form)
{
    auto* canvas = new PaintedWidget(containerArea(control, form));
    canvas->setAttribute(Qt::WA_TransparentForMouseEvents);
    return canvas;
}

} // namespace

// ---- LabelPeer ----

LabelPeer::LabelPeer(platform::Label& label, FormPeer& form)
    : WidgetPeer(label, form), label_(label), qlabel_(new QLabel(containerArea(label, form)))
{
    qlabel_->setTextFormat(Qt::PlainText);
    adopt(qlabel_);
}

void LabelPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"Caption", "UseMnemonic"})) {
        const QString caption = toDisplayText(label_.Caption());
        qlabel_->setText(label_.UseMnemonic() ? withoutAccessKeys(caption) : caption);
    }
    if (concerns(property, {"Alignment"}))
        qlabel_->setAlignment(labelAlignment(label_.Alignment()));
    if (concerns(property, {"BorderStyle"}))
        qlabel_->setFrameStyle(label_.BorderStyle() == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    if (concerns(property, {"AutoSize"}))
        qlabel_->setWordWrap(!label_.AutoSize());
    if (concerns(property, {"Caption", "UseMnemonic", "AutoSize", "Font", "BorderStyle", "Width", "Height"}))
        fitToCaption();
}

void LabelPeer::fitToCaption()
{
    if (!label_.AutoSize())
        return;
    const QSize text = qlabel_->fontMetrics().size(0, qlabel_->text());
    const int frame = 2 * qlabel_->frameWidth();
    // The model's setters tell this peer again; the second time the size already fits.
    label_.setWidth(toTwips(text.width() + frame));
    label_.setHeight(toTwips(text.height() + frame));
}

// ---- ShapePeer ----

ShapePeer::ShapePeer(platform::Shape& shape, FormPeer& form)
    : WidgetPeer(shape, form), shape_(shape), canvas_(inputlessCanvas(shape, form))
{
    canvas_->paint = [this](QPainter& painter) { paint(painter); };
    adopt(canvas_);
    canvas_->lower();
}

void ShapePeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"Shape", "BorderStyle"}))
        canvas_->update();
}

void ShapePeer::paint(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(shape_.ForeColor(), canvas_->palette()), 1, penStyle(shape_.BorderStyle())));
    QRectF area = QRectF(canvas_->rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const int kind = shape_.ShapeKind();
    // Square, circle and rounded square: the largest that fits, centred.
    if (kind == 1 || kind == 3 || kind == 5) {
        const double side = std::min(area.width(), area.height());
        area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }
    const double corner = std::min(area.width(), area.height()) / 6;
    switch (kind) {
    case 2:
    case 3: painter.drawEllipse(area); break;
    case 4:
    case 5: painter.drawRoundedRect(area, corner, corner); break;
    default: painter.drawRect(area); break;
    }
}

// ---- LinePeer ----

LinePeer::LinePeer(platform::Line& line, FormPeer& form)
    : WidgetPeer(line, form), line_(line), canvas_(inputlessCanvas(line, form))
{
    canvas_->paint = [this](QPainter& painter) { paint(painter); };
    adopt(canvas_);
    canvas_->lower();
}

void LinePeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"X1", "Y1", "X2", "Y2"}))
        place();
}

void LinePeer::place()
{
    const int x1 = toPixels(line_.X1());
    const int y1 = toPixels(line_.Y1());
    const int x2 = toPixels(line_.X2());
    const int y2 = toPixels(line_.Y2());
    // One pixel more each way, so that the end points lie inside the widget.
    canvas_->setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
    canvas_->update();
}

void LinePeer::paint(QPainter& painter) const
{
    const QPoint origin = canvas_->pos();
    painter.setPen(QPen(toQColor(line_.ForeColor(), canvas_->palette()), 1));
    painter.drawLine(QPoint(toPixels(line_.X1()), toPixels(line_.Y1())) - origin,
                     QPoint(toPixels(line_.X2()), toPixels(line_.Y2())) - origin);
}

} // namespace qtgui
