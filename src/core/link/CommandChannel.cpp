#include "core/link/CommandChannel.h"

#include "core/base/DiagnosticTrace.h"
#include "core/codecs/AnsiCodec.h"

#include <QDeadlineTimer>
#include <QSerialPortInfo>
#include <QThread>

namespace quelta {

CommandChannel::CommandChannel(LinkState &link, DiagnosticTrace &trace, QObject *parent)
    : QObject(parent)
    , link_(link)
    , trace_(trace)
{
    connect(&port_, &QSerialPort::readyRead, this, [this] { emit received(port_.readAll()); });
    // A device unplugged (or a simulated one gone) leaves a dead port: close it so that the next
    // poll opens it afresh.
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ResourceError)
            QMetaObject::invokeMethod(this, &CommandChannel::closePort, Qt::QueuedConnection);
    });
}

QStringList CommandChannel::portList(const QString &configured)
{
    QStringList names;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names.append(info.portName());
    if (!configured.isEmpty() && !names.contains(configured))
        names.append(configured);
    return names;
}

void CommandChannel::setPortName(const QString &name)
{
    portName_ = name;
    port_.setPortName(name);
}

void CommandChannel::configurePort()
{
    port_.setBaudRate(QSerialPort::Baud115200);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(10000);
}

bool CommandChannel::reopenPort()
{
    closePort();
    openError_ = QSerialPort::NoError;
    if (portName_.isEmpty())
        return false;
    configurePort();
    if (!port_.open(QIODevice::ReadWrite)) {
        openError_ = port_.error();
        return false;
    }
    // Pseudo-terminals refuse the modem lines; that is no reason to give up the port.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    clearBuffers();
    return true;
}

void CommandChannel::closePort()
{
    if (port_.isOpen())
        port_.close();
}

void CommandChannel::clearBuffers()
{
    if (port_.isOpen())
        port_.clear(QSerialPort::AllDirections);
}

void CommandChannel::sendCommand(const QString &body, RemoteTopic topic)
{
    if (link_.isLocal()) {
        escriu_port(localFrame(body));
    } else if (link_.isRemote() && publisher_) {
        publisher_->Publica_MQTT(topic, QStringLiteral("qz+") + body);
        link_.tempsTX = 4;
    }
}

void CommandChannel::endRemoteSession()
{
    if (publisher_)
        publisher_->DesconnectarMQTT();
}

bool CommandChannel::escriu_port(const QString &text)
{
    trace_.Escriure_REPortserie(QStringLiteral(" escriu_port ") + text, TraceColour::Blue);
    return writeBytes(ansi::encode(text));
}

bool CommandChannel::escriu_port_Buffer(const QByteArray &bytes)
{
    if (writeBytes(bytes))
        return true;
    clearBuffers();
    closePort();
    return false;
}

// Flushed at once: a command must be on the wire before a following delay or close.
bool CommandChannel::writeBytes(const QByteArray &bytes)
{
    const bool written = !portName_.isEmpty() && port_.isOpen() && port_.write(bytes) == bytes.size()
        && (port_.flush() || port_.bytesToWrite() == 0);
    if (!written) {
        emit writeFailed();
        return false;
    }
    link_.tempsTX = 2;
    return true;
}

QString CommandChannel::localFrame(const QString &body)
{
    return QStringLiteral("\rqz+") + body + QLatin1Char('\r');
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
