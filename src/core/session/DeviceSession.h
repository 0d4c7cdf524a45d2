#pragma once

#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/LinkSupervisor.h"
#include "core/link/MqttTransport.h"
#include "core/link/ProgrammingLock.h"
#include "core/link/ReplyDispatcher.h"

#include <QObject>

namespace quelta {

class ProgramContext;

// The session with the device: the link and its transports, the reply dispatcher, supervision and
// the programming lock; choosing the port or the local link, and leaving the device as the window
// closes.
class DeviceSession : public QObject
{
    Q_OBJECT
public:
    explicit DeviceSession(ProgramContext &context, QObject *parent = nullptr);

    LinkState &link() { return link_; }
    CommandChannel &channel() { return channel_; }
    ReplyDispatcher &dispatcher() { return dispatcher_; }
    LinkSupervisor &supervisor() { return supervisor_; }
    ProgrammingLock &lock() { return lock_; }
    MqttTransport &mqtt() { return mqtt_; }

    // The lamp tick, the "SIN   CONEXION" state and the local link, as a new window shows them.
    void startLink();
    // Opens the port and asks the device there who it is.
    void openPortAndIdentify();
    // Supervision stops; a device found on the port is locked again and silenced, a remote session
    // ended.
    void close();

    // Choosing a port from the list: opened and stored, then the device there is asked to identify.
    void CCBPortClick(const QString &name);
    void CCBPortChange();
    // "Local": back to the local link.
    void MIIComunicacioLocalClick();
    // The remote session with the device named by identConnectar: commands go through the broker
    // from now on, and the device is probed once the subscriptions stand.
    void BConnectarMQTTClick();
    // The remote device is locked and silenced, and the session closed.
    void DesconnectarMQTT() { mqtt_.close(); }

signals:
    // Back to the state without a device (Esborra_Camps).
    void clearAllFields();
    void localLinkSelected();

private:
    void leaveLocalDevice();
    void followRemoteSession(Transport::State state);

    ProgramContext &context_;
    LinkState link_;
    CommandChannel channel_;
    ReplyDispatcher dispatcher_;
    LinkSupervisor supervisor_;
    ProgrammingLock lock_;
    MqttTransport mqtt_;
};

} // namespace quelta
