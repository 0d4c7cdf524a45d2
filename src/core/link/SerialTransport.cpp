#include "core/link/SerialTransport.h"

#include "core/base/DiagnosticTrace.h"
#include "core/codecs/AnsiCodec.h"

#include <QSerialPortInfo>

namespace quelta {

SerialTransport::SerialTransport(DiagnosticTrace &trace, QObject *parent)
    : Transport(parent)
    , trace_(trace)
{
    connect(&port_, &QSerialPort::readyRead, this, [this] { emit bytesReceived(port_.readAll()); });
    // A device unplugged (or a simulated one gone) leaves a dead port: close it so that the next
    // poll opens it afresh.
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::ResourceError)
            return;
        setState(State::Lost);
        QMetaObject::invokeMethod(this, &SerialTransport::close, Qt::QueuedConnection);
    });
}

QStringList SerialTransport::portList(const QString &configured)
{
    QStringList names;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names.append(info.portName());
    if (!configured.isEmpty() && !names.contains(configured))
        names.append(configured);
    return names;
}

QString SerialTransport::localFrame(const QString &body)
{
    return QStringLiteral("\rqz+") + body + QLatin1Char('\r');
}

void SerialTransport::setPortName(const QString &name)
{
    portName_ = name;
    port_.setPortName(name);
}

void SerialTransport::configurePort()
{
    port_.setBaudRate(QSerialPort::Baud115200);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(10000);
}

bool SerialTransport::open()
{
    close();
    openError_ = QSerialPort::NoError;
    if (portName_.isEmpty())
        return false;
    setState(State::Opening);
    configurePort();
    if (!port_.open(QIODevice::ReadWrite)) {
        openError_ = port_.error();
        setState(State::Closed);
        return false;
    }
    // Pseudo-terminals refuse the modem lines; that is no reason to give up the port.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    clearBuffers();
    setState(State::Open);
    return true;
}

void SerialTransport::close()
{
    if (port_.isOpen())
        port_.close();
    if (state() != State::Lost)
        setState(State::Closed);
}

void SerialTransport::clearBuffers()
{
    if (port_.isOpen())
        port_.clear(QSerialPort::AllDirections);
}

bool SerialTransport::sendCommand(const QString &body, RemoteTopic topic)
{
    return sendRaw(localFrame(body), topic);
}

bool SerialTransport::sendRaw(const QString &text, RemoteTopic)
{
    trace_.Escriure_REPortserie(QStringLiteral(" escriu_port ") + text, TraceColour::Blue);
    if (!writeBytes(ansi::encode(text)))
        return false;
    emit sent(text);
    return true;
}

bool SerialTransport::sendBytes(const QByteArray &bytes)
{
    trace_.Escriure_REPortserie(QStringLiteral(" escriu_port_Buffer ") + QString::number(bytes.size()) + QStringLiteral(" bytes"),
                                TraceColour::Blue);
    if (!writeBytes(bytes))
        return false;
    emit sent(QString::fromLatin1(bytes));
    return true;
}

// Flushed at once: a command must be on the wire before a following delay or close.
bool SerialTransport::writeBytes(const QByteArray &bytes)
{
    const bool written = !portName_.isEmpty() && port_.isOpen() && port_.write(bytes) == bytes.size()
        && (port_.flush() || port_.bytesToWrite() == 0);
    if (!written)
        emit sendFailed();
    return written;
}

} // namespace quelta
