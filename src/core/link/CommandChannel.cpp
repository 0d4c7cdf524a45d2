#include "core/link/CommandChannel.h"

#include <QDeadlineTimer>
#include <QThread>

namespace quelta {

CommandChannel::CommandChannel(LinkState &link, DiagnosticTrace &trace, QObject *parent)
    : QObject(parent)
    , link_(link)
    , serial_(trace)
{
    // The serial port is read whichever transport is active: the device on the cable still talks.
    connect(&serial_, &Transport::bytesReceived, this, &CommandChannel::received);
    activate(serial_);
}

void CommandChannel::attach(Transport &transport)
{
    attached_.append(&transport);
    connect(&transport, &Transport::sent, this, [this, &transport](const QString &text) {
        link_.tempsTX = transport.transmitLampTicks();
        emit sent(text);
    });
    connect(&transport, &Transport::sendFailed, this, [this, &transport] {
        if (&transport == &serial_ || isActive(transport))
            emit writeFailed();
    });
    connect(&transport, &Transport::messageReceived, this, [this, &transport](const QString &text) {
        if (isActive(transport))
            emit messageReceived(text);
    });
    connect(&transport, &Transport::panelBytesReceived, this, [this, &transport](const QByteArray &payload) {
        if (isActive(transport))
            emit panelBytesReceived(payload);
    });
}

void CommandChannel::activate(Transport &transport)
{
    if (!attached_.contains(&transport))
        attach(transport);
    active_ = &transport;
    link_.connex_remota = transport.mode();
}

void CommandChannel::sendCommand(const QString &body, RemoteTopic topic)
{
    active_->sendCommand(body, topic);
}

void CommandChannel::sendRaw(const QString &text, RemoteTopic topic)
{
    active_->sendRaw(text, topic);
}

bool CommandChannel::sendBytes(const QByteArray &bytes)
{
    return active_->sendBytes(bytes);
}

void CommandChannel::endRemoteSession()
{
    if (active_ != &serial_)
        active_->endSession();
}

bool CommandChannel::escriu_port(const QString &text)
{
    return serial_.sendRaw(text, RemoteTopic::Cfg);
}

void CommandChannel::sendIdentificationRequest()
{
    link_.espero = QStringLiteral("+ver");
    escriu_port(localFrame(QStringLiteral("ver")));
    link_.vegades_espero = 6;
    link_.StrCom.clear();
}

void delay(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QThread::msleep(1);
}

} // namespace quelta
