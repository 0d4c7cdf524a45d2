#pragma once

#include "core/panels/TelecontrolRelay.h"

#include <QObject>

namespace quelta {

class DeviceSession;
class PanelScreens;
class ProgramContext;
class StatusCloud;
class StatusScreens;

// The telecontrol link of the Aguilera panels in the program: the relay's server starts once the
// device names an Aguilera panel, the device's panel answers reach the client, the panel screen and
// the blink engine follow the telecontrol state, and every way the device is lost ends the session.
// The history entries go to the cloud given (the status screens' own in the window).
class Telecontrol : public QObject
{
    Q_OBJECT
public:
    Telecontrol(ProgramContext &context, DeviceSession &device, StatusScreens &screens, PanelScreens &panels,
                StatusCloud &cloud, QObject *parent = nullptr);

    TelecontrolRelay &relay() { return relay_; }
    // The settings panel: whether it may open, and its "Aceptar" (false: the panel stays open).
    bool MIBidiClick() const { return relay_.MIBidiClick(); }
    bool BBidiAcceptarClick(const QString &ip, const QString &port) { return relay_.BBidiAcceptarClick(ip, port); }
    // The client is let go and the panel leaves telecontrol (the firmware update, the window's close).
    void closeClient() { relay_.closeClient(); }

private:
    void identityLearnt();
    void showTelecontrol(bool on);

    DeviceSession &device_;
    StatusScreens &screens_;
    PanelScreens &panels_;
    TelecontrolRelay relay_;
};

} // namespace quelta
