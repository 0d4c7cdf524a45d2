#pragma once

#include "core/link/LinkState.h"
#include "core/link/SerialTransport.h"

#include <QObject>

namespace quelta {

class DiagnosticTrace;

// The device link as the rest of the program sees it: commands go out through the active
// transport, and the traffic of the transports comes in through one set of signals. The serial
// transport always exists; a remote one is activated for a remote session.
class CommandChannel : public QObject
{
    Q_OBJECT
public:
    CommandChannel(LinkState &link, DiagnosticTrace &trace, QObject *parent = nullptr);

    SerialTransport &serial() { return serial_; }
    const SerialTransport &serial() const { return serial_; }

    // Commands go through this transport from now on, and the link takes its mode.
    void activate(Transport &transport);

    // The send rule: one command body through the active transport, framed as it frames commands.
    void sendCommand(const QString &body, RemoteTopic topic = RemoteTopic::Cfg);
    // Text already in the device's form (an output order, a door order) through the active transport.
    void sendRaw(const QString &text, RemoteTopic topic);
    // Bytes through the active transport exactly as they are.
    bool sendBytes(const QByteArray &bytes);
    // The remote session, if one is active, is ended as its transport ends it.
    void endRemoteSession();

    // Writes a framed command, or any text, to the serial port as Windows-1252 bytes.
    bool escriu_port(const QString &text);
    // The identification handshake that follows every opening of the port.
    void sendIdentificationRequest();

    static QString localFrame(const QString &body) { return SerialTransport::localFrame(body); }

signals:
    // No port is named, or a write or publish failed: the device is taken as not answering.
    void writeFailed();
    // A command as it went out on any transport.
    void sent(const QString &text);
    // The serial stream's characters.
    void received(const QByteArray &bytes);
    // A message of the active remote transport's answer topic.
    void messageReceived(const QString &text);
    // Raw fire-panel bytes relayed by the active remote transport.
    void panelBytesReceived(const QByteArray &payload);

private:
    void attach(Transport &transport);
    bool isActive(const Transport &transport) const { return &transport == active_; }

    LinkState &link_;
    SerialTransport serial_;
    Transport *active_ = &serial_;
    QList<const Transport *> attached_;
};

// Waits the given milliseconds without handling any event, so that replies arriving meanwhile are
// handled only after the calling handler returns.
void delay(int milliseconds);

} // namespace quelta
