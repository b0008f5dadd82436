#include "qtgui/ControlPeerScrollBar.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "platform/WheelScrolling.h"
#include "qtgui/FormPeer.h"
#include "qtgui/WidgetKeys.h"

namespace qtgui {

ScrollBarPeer::ScrollBarPeer(platform::ScrollBar& bar, FormPeer& form)
    : WidgetPeer(bar, form), bar_(bar), scrollBar_(new QScrollBar(containerArea(bar, form)))
{
    adopt(scrollBar_);
    QObject::connect(scrollBar_, &QAbstractSlider::actionTriggered, this, [this](int action) { userAction(action); });
    QObject::connect(scrollBar_, &QAbstractSlider::sliderReleased, this, [this] { fromUser([this] { bar_.userRelease(); }); });
}

void ScrollBarPeer::userAction(int action)
{
    if (!canReadControl())
        return;
    // The widget has moved its slider position by the action but not its value yet: the model
    // decides the value, and showing it afterwards settles the widget.
    const int target = scrollBar_->sliderPosition();
    const int moved = target - scrollBar_->value();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderPageStepSub: {
        if (moved == 0)
            return;
        const bool page = action == QAbstractSlider::SliderPageStepAdd || action == QAbstractSlider::SliderPageStepSub;
        const int towardsMax = (moved > 0) == (bar_.Max() >= bar_.Min()) ? 1 : -1;
        fromUser([&] { bar_.userStep(towardsMax, page); });
        break;
    }
    case QAbstractSlider::SliderMove:
        fromUser([&] {
            bar_.userDrag(target);
            if (!scrollBar_->isSliderDown())
                bar_.userRelease();
        });
        break;
    default:
        // Actions the platform has no user entry for (Home, End): the bar keeps the model's value.
        formPeer().applying([this] { showUserState(); });
        break;
    }
}

bool ScrollBarPeer::eventFilter(QObject* watched, QEvent* event)
{
    if (WidgetPeer::eventFilter(watched, event))
        return true;
    if (watched != widget() || isApplying() || !canReadControl())
        return false;
    if (event->type() == QEvent::Wheel) {
        const int notches = wheelNotches(static_cast<const QWheelEvent*>(event)->angleDelta().y(), wheelRest_);
        fromUser([&] { platform::userWheel(bar_, notches); });
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    // Qt's scroll bars step Left towards the end and Right towards the start; on the platform Left
    // steps towards Min and Right towards Max, as Up and Down do.
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    fromUser([&] { bar_.userStep(key == Qt::Key_Right ? 1 : -1); });
    return true;
}

void ScrollBarPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"Width", "Height"}))
        scrollBar_->setOrientation(bar_.Width() > bar_.Height() ? Qt::Horizontal : Qt::Vertical);
    if (concerns(property, {"Min", "Max", "Value", "SmallChange", "LargeChange"}))
        showUserState();
}

void ScrollBarPeer::showUserState()
{
    scrollBar_->setRange(std::min(bar_.Min(), bar_.Max()), std::max(bar_.Min(), bar_.Max()));
    scrollBar_->setSingleStep(std::abs(bar_.SmallChange()));
    scrollBar_->setPageStep(std::abs(bar_.LargeChange()));
    scrollBar_->setValue(bar_.Value());
}

} // namespace qtgui
