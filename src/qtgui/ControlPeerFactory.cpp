#include "qtgui/ControlPeerFactory.h"

#include <stdexcept>

#include "platform/Controls.h"
#include "qtgui/ControlPeerButtons.h"
#include "qtgui/ControlPeerContainers.h"
#include "qtgui/ControlPeerDecorations.h"
#include "qtgui/ControlPeerGrid.h"
#include "qtgui/ControlPeerLists.h"
#include "qtgui/ControlPeerMenu.h"
#include "qtgui/ControlPeerScrollBar.h"
#include "qtgui/ControlPeerText.h"

namespace qtgui {

namespace {

template <class Kind, class Peer> std::unique_ptr<ControlPeer> peerIf(platform::Control& control, FormPeer& form)
{
    if (auto* kind = dynamic_cast<Kind*>(&control))
        return std::make_unique<Peer>(*kind, form);
    return nullptr;
}

} // namespace

std::unique_ptr<ControlPeer> makeControlPeer(platform::Control& control, FormPeer& form)
{
    if (auto* box = dynamic_cast<platform::TextBox*>(&control)) {
        if (box->MultiLine())
            return std::make_unique<MultiLineTextBoxPeer>(*box, form);
        return std::make_unique<TextBoxPeer>(*box, form);
    }
    using Maker = std::unique_ptr<ControlPeer> (*)(platform::Control&, FormPeer&);
    for (Maker make : {&peerIf<platform::CommandButton, CommandButtonPeer>, &peerIf<platform::CheckBox, CheckBoxPeer>,
                       &peerIf<platform::OptionButton, OptionButtonPeer>, &peerIf<platform::Label, LabelPeer>,
                       &peerIf<platform::Shape, ShapePeer>, &peerIf<platform::Line, LinePeer>,
                       &peerIf<platform::Frame, FramePeer>, &peerIf<platform::PictureBox, PictureBoxPeer>,
                       &peerIf<platform::ScrollBar, ScrollBarPeer>, &peerIf<platform::ListBox, ListBoxPeer>,
                       &peerIf<platform::ComboBox, ComboBoxPeer>, &peerIf<platform::Grid, GridPeer>,
                       &peerIf<platform::Menu, MenuPeer>})
        if (auto peer = make(control, form))
            return peer;
    throw std::logic_error("No Qt peer for the control " + control.Name());
}

} // namespace qtgui
