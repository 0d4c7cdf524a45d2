#pragma once

#include "core/link/Transport.h"

#include <QSerialPort>

namespace quelta {

class DiagnosticTrace;

// The local link: the serial port with its fixed settings. Commands are framed with CR, "qz+",
// the body and CR, and written as Windows-1252 bytes; every write is traced first.
class SerialTransport : public Transport
{
    Q_OBJECT
public:
    explicit SerialTransport(DiagnosticTrace &trace, QObject *parent = nullptr);

    // The PC's serial ports, plus the configured name when it is none of them (a pseudo-terminal
    // path or a port that is unplugged right now).
    static QStringList portList(const QString &configured);
    // Local framing of a command body.
    static QString localFrame(const QString &body);

    // As configured: a path stays a path (the serial port shortens "/dev/..." names).
    QString portName() const { return portName_; }
    void setPortName(const QString &name);
    // Why the last opening failed.
    QSerialPort::SerialPortError openError() const { return openError_; }
    bool isOpen() const { return port_.isOpen(); }
    void clearBuffers();

    QString mode() const override { return {}; }
    // Closes the port, opens it again under its name and clears both buffers.
    bool open() override;
    void close() override;
    bool sendCommand(const QString &body, RemoteTopic topic) override;
    bool sendRaw(const QString &text, RemoteTopic topic) override;
    // escriu_port_Buffer
    bool sendBytes(const QByteArray &bytes) override;
    int transmitLampTicks() const override { return 2; }

private:
    void configurePort();
    bool writeBytes(const QByteArray &bytes);

    DiagnosticTrace &trace_;
    QSerialPort port_;
    QString portName_;
    QSerialPort::SerialPortError openError_ = QSerialPort::NoError;
};

} // namespace quelta
