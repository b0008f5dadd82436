#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <optional>

#include "platform/Form.h"
#include "platform/ScreenPlacement.h"
#include "qtgui/WaitingUserActions.h"

namespace qtgui {

class FormPeer;
class QtServices;

// The Qt windows of a program's forms. Installed into the services, it gives each form its window
// when the form first shows, and runs modal forms: a nested event loop that ends when the form is
// hidden or unloaded. It emits lastWindowClosed when a form's window was hidden and no window of
// the program is left on the screen, whatever forms stay loaded and hidden: the program ends then.
class FormPeers : public QObject {
    Q_OBJECT
public:
    explicit FormPeers(QtServices& services);
    ~FormPeers() override;
    FormPeers(const FormPeers&) = delete;
    FormPeers& operator=(const FormPeers&) = delete;

    // The form's window, made on first use.
    FormPeer& attach(platform::Form& form);
    // Null when the form has no window yet.
    FormPeer* find(const platform::Form& form) const;
    void runModal(platform::Form& form);

signals:
    void lastWindowClosed();

private:
    void checkAnyShown();
    // The place of the form whose window has the focus as another form opens: the window that
    // opened it. None when no form's window has the focus.
    std::optional<platform::ScreenRect> openerPlace() const;

    QtServices& services_;
    // Declared before the peers, which hold on to it.
    WaitingUserActions waiting_;
    std::map<const platform::Form*, std::unique_ptr<FormPeer>> peers_;
};

} // namespace qtgui
