#include "qtgui/FormPeers.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "qtgui/FormPeer.h"
#include "qtgui/QtServices.h"

namespace qtgui {

FormPeers::FormPeers(QtServices& services) : services_(services)
{
    services_.setFormShowing([this](platform::Form& form, bool modal) { attach(form).showing(modal, openerPlace()); });
    services_.setModalRunner([this](platform::Form& form) { runModal(form); });
}

FormPeers::~FormPeers()
{
    services_.setFormShowing({});
    services_.setModalRunner({});
}

FormPeer& FormPeers::attach(platform::Form& form)
{
    if (FormPeer* known = find(form))
        return *known;
    auto peer = std::make_unique<FormPeer>(form, waiting_, [this, key = &form] { peers_.erase(key); });
    FormPeer& made = *peer;
    peers_.emplace(&form, std::move(peer));
    connect(&made, &FormPeer::closed, this, [this] { QTimer::singleShot(0, this, [this] { checkAnyShown(); }); });
    return made;
}

FormPeer* FormPeers::find(const platform::Form& form) const
{
    const auto found = peers_.find(&form);
    return found == peers_.end() ? nullptr : found->second.get();
}

void FormPeers::runModal(platform::Form& form)
{
    FormPeer& peer = attach(form);
    if (!form.Visible())
        return;
    QEventLoop loop;
    connect(&peer, &FormPeer::closed, &loop, &QEventLoop::quit);
    connect(&peer, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

std::optional<platform::ScreenRect> FormPeers::openerPlace() const
{
    const QWidget* active = QApplication::activeWindow();
    if (active == nullptr)
        return std::nullopt;
    for (const auto& [form, peer] : peers_)
        if (peer->window() == active && form->Visible())
            return platform::PlaceOf(*form);
    return std::nullopt;
}

void FormPeers::checkAnyShown()
{
    // Checked after the events of the moment: a form that hides itself to show another keeps the
    // program going. A box or dialog still open, or the help window, is a window of the program too.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool anyShown = std::any_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); });
    if (!anyShown)
        emit lastWindowClosed();
}

} // namespace qtgui
