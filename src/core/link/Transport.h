#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace quelta {

// The device's command topics on the MQTT server: configuration and device commands, and the
// commands of the fire-panel status screens. The serial link has one channel and ignores them.
enum class RemoteTopic { Cfg, Sts };

// One way to reach the device: the serial port, an MQTT session. Commands go out through it and
// the device's traffic comes in through its signals, all on the event-loop thread. Whichever
// transport is active sets the link's mode (connex_remota) to its own, so senders never choose.
class Transport : public QObject
{
    Q_OBJECT
public:
    enum class State { Closed, Opening, Open, Lost };
    Q_ENUM(State)

    using QObject::QObject;

    // The value connex_remota takes while this transport is active: empty for the serial link.
    virtual QString mode() const = 0;
    State state() const { return state_; }

    virtual bool open() = 0;
    virtual void close() = 0;
    // One command body ("ver", "cdp=123456"), framed as this transport frames commands.
    virtual bool sendCommand(const QString &body, RemoteTopic topic) = 0;
    // Text that is already in the device's form, sent as it is.
    virtual bool sendRaw(const QString &text, RemoteTopic topic) = 0;
    // Bytes sent exactly as they are, on the command channel (a firmware block).
    virtual bool sendBytes(const QByteArray &bytes) = 0;
    // Ends the device session the way this transport ends it.
    virtual void endSession() {}
    // How long the transmit lamp stays lit after a send, in 100 ms ticks.
    virtual int transmitLampTicks() const = 0;

signals:
    void stateChanged(quelta::Transport::State state);
    // A command or raw text could not go out: the device is taken as not answering.
    void sendFailed();
    // What went out, as sent: the framed text, or the payload published.
    void sent(const QString &text);
    // Characters of the device's serial stream; the reply dispatcher assembles the lines.
    void bytesReceived(const QByteArray &bytes);
    // One message of the device's answer topic: one or more lines, already decoded.
    void messageReceived(const QString &text);
    // Raw fire-panel bytes that the device relays.
    void panelBytesReceived(const QByteArray &payload);

protected:
    void setState(State state)
    {
        if (state == state_)
            return;
        state_ = state;
        emit stateChanged(state);
    }

private:
    State state_ = State::Closed;
};

} // namespace quelta
