#pragma once

#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/LinkSupervisor.h"
#include "core/link/MqttTransport.h"
#include "core/link/ProgrammingLock.h"
#include "core/link/ReplyDispatcher.h"

#include <QObject>

#include <optional>

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
    // The directory takes the screen: supervision stops, a device found on the port is let go, and
    // every field is cleared.
    void releasePort();
    // "Local": back to the local link.
    void MIIComunicacioLocalClick();
    // The broker of this run instead of the stored one (a test broker, a demo's); without a client
    // identifier of its own it takes the usual one.
    void setBrokerForThisRun(const MqttSettings &broker) { brokerForThisRun_ = broker; }
    // The broker the next remote session meets: the stored endpoint and credentials, the cloud
    // user's identifier as the client identifier (one of this run's own without a cloud user).
    MqttSettings broker() const;
    // The installer's broker, stored: it replaces this run's too.
    void storeBroker(const MqttSettings &broker);
    // The remote session with the device named by identConnectar: commands go through the broker
    // from now on, and the device is probed once the subscriptions stand.
    void BConnectarMQTTClick();
    // The remote device is locked and silenced, and the session closed.
    void DesconnectarMQTT() { mqtt_.close(); }
    // Opening a remote session for a device from the device list: refused while a device answers
    // on the USB port.
    bool connectRemote(const QString &identifier);
    // The remote panel's button: connects, or closes the session the button offers to end.
    void BBConnectarRemotClick(const QString &identifier);

signals:
    // Back to the state without a device (Esborra_Camps).
    void clearAllFields();
    void localLinkSelected();
    // The broker took the session: the remote panel comes forward, lit, with "Desconectar".
    void remoteSessionOpened();
    // The broker connection was lost: the remote panel goes grey and its button away.
    void remoteSessionLost();

private:
    void leaveLocalDevice();
    void openRemoteSession(const QString &identifier);
    void followRemoteSession(Transport::State state);
    void remoteSessionEstablished();
    void resetAfterLostSession();
    void switchToLocal();

    ProgramContext &context_;
    LinkState link_;
    CommandChannel channel_;
    ReplyDispatcher dispatcher_;
    LinkSupervisor supervisor_;
    ProgrammingLock lock_;
    MqttTransport mqtt_;
    std::optional<MqttSettings> brokerForThisRun_;
    QString ownClientId_;
};

} // namespace quelta
