#include "core/session/Telecontrol.h"

#include "core/link/PanelType.h"
#include "core/panels/TelecontrolScreen.h"
#include "core/session/DeviceSession.h"
#include "core/session/PanelScreens.h"
#include "core/session/ProgramContext.h"
#include "core/session/StatusScreens.h"

namespace quelta {

Telecontrol::Telecontrol(ProgramContext &context, DeviceSession &device, StatusScreens &screens, PanelScreens &panels,
                         StatusCloud &cloud, QObject *parent)
    : QObject(parent)
    , device_(device)
    , screens_(screens)
    , panels_(panels)
    , relay_(device.link(), device.mqtt(), context.settings(), context.trace(), cloud, context.prompter())
{
    connect(&device.dispatcher(), &ReplyDispatcher::panelBytes, &relay_, &TelecontrolRelay::RebutIPCentral);
    connect(&device.supervisor(), &LinkSupervisor::identityChanged, this, &Telecontrol::identityLearnt);
    connect(&relay_, &TelecontrolRelay::telecontrolChanged, this, &Telecontrol::showTelecontrol);
    // The device is gone, by whichever way: the panel cannot be in telecontrol any longer.
    connect(&device.supervisor(), &LinkSupervisor::connectionEnded, &relay_, &TelecontrolRelay::closeClient);
    connect(&device, &DeviceSession::remoteSessionLost, &relay_, &TelecontrolRelay::closeClient);
    // Closed while the session still stands, so that the panel is let out of telecontrol through it.
    connect(&device.mqtt(), &MqttTransport::closing, &relay_, &TelecontrolRelay::closeClient);
    connect(&screens.decoder(), &StatusFrameDecoder::telecontrolDisconnectRequested, &relay_,
            &TelecontrolRelay::closeClient);
}

// ConnexioAGE44 each time the device's version names an Aguilera panel; a running server stays.
void Telecontrol::identityLearnt()
{
    if (isAguilera(panelFamily(device_.link().central)))
        relay_.ConnexioAGE44();
}

// AguileraTelecontrol: the AE/SA and AGE screen hides its lists, the AE/C5 screen is laid out again
// with its telecontrol caption; the lamps stop blinking while a client is connected.
void Telecontrol::showTelecontrol(bool on)
{
    screens_.blinkEngine().setTelecontrolConnected(on);
    switch (panelFamily(device_.link().central)) {
    case PanelFamily::AeSa: showAguileraTelecontrol(panels_.display(), on); break;
    case PanelFamily::AeC5: emit screens_.panelScreenChanged(); break;
    default: break;
    }
}

} // namespace quelta
