#pragma once

#include "core/link/LinkState.h"
#include "core/link/RemotePublisher.h"

#include <QObject>
#include <QSerialPort>

namespace quelta {

class DiagnosticTrace;

// The serial side of the device link: the port with its fixed settings, and the writing of
// command lines to it.
class CommandChannel : public QObject
{
    Q_OBJECT
public:
    CommandChannel(LinkState &link, DiagnosticTrace &trace, QObject *parent = nullptr);

    // The PC's serial ports, plus the configured name when it is none of them (a pseudo-terminal
    // path or a port that is unplugged right now).
    static QStringList portList(const QString &configured);

    // As configured: a path stays a path (the serial port shortens "/dev/..." names).
    QString portName() const { return portName_; }
    void setPortName(const QString &name);
    // Closes the port, opens it again under its name and clears both buffers.
    bool reopenPort();
    // Why the last opening failed.
    QSerialPort::SerialPortError openError() const { return openError_; }
    void closePort();
    void clearBuffers();
    bool isOpen() const { return port_.isOpen(); }

    // The remote side, once an MQTT session exists.
    void setPublisher(RemotePublisher *publisher) { publisher_ = publisher; }
    void endRemoteSession();

    // The send rule: framed to the serial port on the local link, published on the remote one,
    // dropped in any other mode.
    void sendCommand(const QString &body, RemoteTopic topic = RemoteTopic::Cfg);
    // Writes a framed command, or any text, to the serial port as Windows-1252 bytes.
    bool escriu_port(const QString &text);
    // Writes raw bytes, one at a time (firmware blocks on their way to the device).
    bool escriu_port_Buffer(const QByteArray &bytes);
    // The identification handshake that follows every opening of the port.
    void sendIdentificationRequest();

    // Local framing of a command body: CR, "qz+", the body, CR.
    static QString localFrame(const QString &body);

signals:
    // No port is named or a write failed: the device is taken as not answering.
    void writeFailed();
    void received(const QByteArray &bytes);

private:
    void configurePort();
    bool writeBytes(const QByteArray &bytes);

    LinkState &link_;
    DiagnosticTrace &trace_;
    QSerialPort port_;
    QString portName_;
    RemotePublisher *publisher_ = nullptr;
    QSerialPort::SerialPortError openError_ = QSerialPort::NoError;
};

// Waits the given milliseconds without handling any event, so that replies arriving meanwhile are
// handled only after the calling handler returns.
void delay(int milliseconds);

} // namespace quelta
