#include "core/session/DeviceSession.h"

#include "core/base/Prompter.h"
#include "core/session/ProgramContext.h"

namespace quelta {

DeviceSession::DeviceSession(ProgramContext &context, QObject *parent)
    : QObject(parent)
    , context_(context)
    , channel_(link_, context.trace())
    , dispatcher_(link_, context.trace())
    , supervisor_(link_, channel_, context.statusBar(), context.activity(), context.views(), context.prompter(),
                  [&context] { return context.windowTitle(); })
    , lock_(link_, channel_, context.statusBar(), context.prompter())
    , mqtt_(link_, context.trace())
{
    connect(&channel_, &CommandChannel::received, &dispatcher_, &ReplyDispatcher::ComPortRxChar);
    connect(&channel_, &CommandChannel::messageReceived, &dispatcher_, &ReplyDispatcher::RebutIP);
    connect(&channel_, &CommandChannel::panelBytesReceived, &dispatcher_, &ReplyDispatcher::RebutIPCentral);
    connect(&channel_, &CommandChannel::writeFailed, &supervisor_, &LinkSupervisor::portWriteFailed);
    connect(&supervisor_, &LinkSupervisor::clearAllFields, this, &DeviceSession::clearAllFields);
    // The dispatcher wakes supervision through its timer, as it does every consumer it does not call.
    connect(&dispatcher_, &ReplyDispatcher::wakeSupervision, &supervisor_, [this] { supervisor_.startSupervision(1); });
    connect(&dispatcher_, &ReplyDispatcher::remoteLineArrived, &supervisor_,
            [this] { supervisor_.startSupervision(5000); });
    connect(&mqtt_, &Transport::stateChanged, this, &DeviceSession::followRemoteSession);
    // The probe's answer is awaited by supervision, slowly, as the broker's round trip asks.
    connect(&mqtt_, &MqttTransport::probeSent, &supervisor_, [this] { supervisor_.startSupervision(8000); });
}

void DeviceSession::BConnectarMQTTClick()
{
    channel_.activate(mqtt_);
    mqtt_.open();
}

// A refused session leaves the program on the local side; a lost one also forgets the device.
void DeviceSession::followRemoteSession(Transport::State state)
{
    if (state == Transport::State::Open) {
        channel_.activate(mqtt_);
    } else if (state == Transport::State::Closed && link_.isRemote()) {
        channel_.activate(channel_.serial());
    } else if (state == Transport::State::Lost) {
        link_.tempsllegir = 0;
        supervisor_.stopSupervision();
        channel_.activate(channel_.serial());
        link_.circuit = link_.circuittrobat = false;
        emit clearAllFields();
    }
}

void DeviceSession::startLink()
{
    supervisor_.setState(LinkSupervisor::SessionState::NoConnection);
    link_.comunicacioLocal = true;
    supervisor_.start();
}

void DeviceSession::openPortAndIdentify()
{
    channel_.serial().open();
    channel_.sendIdentificationRequest();
    supervisor_.startSupervision(100);
}

void DeviceSession::close()
{
    supervisor_.stopSupervision();
    if (link_.isLocal() && link_.circuittrobat)
        leaveLocalDevice();
    else if (link_.isRemote())
        channel_.endRemoteSession();
}

// Lock the device again and silence its frames before letting the port go.
void DeviceSession::leaveLocalDevice()
{
    channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("cdp=*")));
    delay(100);
    channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("inf")));
    delay(100);
    channel_.serial().clearBuffers();
    channel_.serial().close();
}

void DeviceSession::CCBPortClick(const QString &name)
{
    SerialTransport &serial = channel_.serial();
    serial.close();
    serial.setPortName(name);
    if (!name.isEmpty() && !serial.open() && serial.openError() == QSerialPort::DeviceNotFoundError)
        context_.prompter().ElMeuMessageDlg(
            dialog::warning(tr("No se puede abrir este puerto\r\nDesconecte el cable y vuelva a conectarlo")));
    context_.settings().values().port = name;
    context_.settings().GuardarConfigInicial();
}

// The device left behind is locked again; the one now on the port is asked who it is.
void DeviceSession::CCBPortChange()
{
    channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("cdp=*")));
    channel_.serial().open();
    context_.settings().GuardarConfigInicial();
    link_.protegit = false;
    emit clearAllFields();
    channel_.sendIdentificationRequest();
    if (!channel_.serial().portName().isEmpty())
        supervisor_.startSupervision(500);
}

void DeviceSession::MIIComunicacioLocalClick()
{
    channel_.endRemoteSession();
    channel_.activate(channel_.serial());
    if (!context_.views().isShown(View::LlistaCircuits))
        CCBPortChange();
    link_.comunicacioLocal = true;
    emit localLinkSelected();
}

} // namespace quelta
