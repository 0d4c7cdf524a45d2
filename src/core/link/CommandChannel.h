#pragma once

#include "link/LinkState.h"

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

    QString portName() const { return port_.portName(); }
    void setPortName(const QString &name);
    // Closes the port, opens it again under its name and clears both buffers. The error text is
    // left in *error when it cannot be opened.
    bool reopenPort(QString *error = nullptr);
    void closePort();
    void clearBuffers();
    bool isOpen() const { return port_.isOpen(); }

    // Writes a framed command, or any text, to the serial port as Windows-1252 bytes.
    bool escriu_port(const QString &text);
    // The identification handshake that follows every opening of the port.
    void sendIdentificationRequest();

    // Local framing of a command body: CR, "qz+", the body, CR.
    static QString localFrame(const QString &body);

signals:
    // No port is named or a write failed: the device is taken as not answering.
    void writeFailed();

private:
    void configurePort();

    LinkState &link_;
    DiagnosticTrace &trace_;
    QSerialPort port_;
};

// Waits the given milliseconds without handling any event, so that replies arriving meanwhile are
// handled only after the calling handler returns.
void delay(int milliseconds);

} // namespace quelta
