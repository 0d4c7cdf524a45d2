#include "core/session/DeviceSession.h"

#include "core/base/Prompter.h"
#include "core/session/ProgramContext.h"

#include <QRandomGenerator>

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
    , ownClientId_(QStringLiteral("quelta-") + QString::number(QRandomGenerator::global()->generate64(), 16))
{
    connect(&channel_, &CommandChannel::received, &dispatcher_, &ReplyDispatcher::ComPortRxChar);
    connect(&channel_, &CommandChannel::messageReceived, &dispatcher_, &ReplyDispatcher::RebutIP);
    connect(&channel_, &CommandChannel::panelBytesReceived, &dispatcher_, &ReplyDispatcher::RebutIPCentral);
    connect(&channel_, &CommandChannel::writeFailed, &supervisor_, &LinkSupervisor::portWriteFailed);
    connect(&supervisor_, &LinkSupervisor::clearAllFields, this, &DeviceSession::clearAllFields);
    connect(&dispatcher_, &ReplyDispatcher::versionReplyArrived, &supervisor_, &LinkSupervisor::versionReplyArrived);
    connect(&dispatcher_, &ReplyDispatcher::remoteLineArrived, &supervisor_, &LinkSupervisor::remoteLineArrived);
    connect(&mqtt_, &Transport::stateChanged, this, &DeviceSession::followRemoteSession);
    // The probe's answer is awaited by supervision, slowly, as the broker's round trip asks.
    connect(&mqtt_, &MqttTransport::probeSent, &supervisor_, [this] { supervisor_.startSupervision(8000); });
}

MqttSettings DeviceSession::broker() const
{
    const ConfigInicial &values = context_.settings().values();
    MqttSettings broker;
    if (brokerForThisRun_) {
        broker = *brokerForThisRun_;
    } else {
        broker.host = values.brokerHost;
        broker.port = values.brokerPort;
        broker.userName = values.brokerUser;
        broker.password = values.brokerPassword;
    }
    // The cloud user's identifier names the client, as the broker's access rules expect.
    const QString &userId = context_.cloud().state().CodiReg;
    if (broker.clientId.isEmpty())
        broker.clientId = userId.isEmpty() ? ownClientId_ : userId;
    return broker;
}

void DeviceSession::storeBroker(const MqttSettings &broker)
{
    ConfigInicial &values = context_.settings().values();
    values.brokerHost = broker.host;
    values.brokerPort = broker.port;
    values.brokerUser = broker.userName;
    values.brokerPassword = broker.password;
    context_.settings().GuardarConfigInicial();
    brokerForThisRun_.reset();
}

void DeviceSession::BConnectarMQTTClick()
{
    // Supervision waits for the probe, which the subscriptions' acknowledgement sends.
    supervisor_.stopSupervision();
    mqtt_.setBroker(broker());
    channel_.activate(mqtt_);
    mqtt_.open();
}

// A device linked on the port is locked and silenced first, so that only the remote device talks.
void DeviceSession::openRemoteSession(const QString &identifier)
{
    if (link_.isLocal() && link_.circuittrobat) {
        leaveLocalDevice();
        link_.circuit = link_.circuittrobat = false;
        emit clearAllFields();
    }
    link_.identConnectar = identifier.trimmed();
    BConnectarMQTTClick();
}

bool DeviceSession::connectRemote(const QString &identifier)
{
    if (link_.circuit && link_.isLocal()) {
        context_.prompter().ElMeuMessageDlg(dialog::warning(
            tr("Hay un equipo conectado al puerto USB.\r\nDesconecte el puerto USB antes de conectar por internet")));
        return false;
    }
    openRemoteSession(identifier);
    return true;
}

void DeviceSession::BBConnectarRemotClick(const QString &identifier)
{
    if (mqtt_.state() == Transport::State::Open)
        DesconnectarMQTT();
    else
        openRemoteSession(identifier);
}

// A refused session leaves the program on the local side; a lost one also forgets the device.
// A session reopened after a message without a topic leaves the screen as it was.
void DeviceSession::followRemoteSession(Transport::State state)
{
    if (state == Transport::State::Open) {
        channel_.activate(mqtt_);
        if (!mqtt_.reconnecting())
            remoteSessionEstablished();
    } else if (state == Transport::State::Closed && link_.isRemote()) {
        channel_.activate(channel_.serial());
    } else if (state == Transport::State::Lost && !mqtt_.reconnecting()) {
        resetAfterLostSession();
    }
}

void DeviceSession::remoteSessionEstablished()
{
    StatusBar &bar = context_.statusBar();
    bar.setPanel(0, tr("Conectando"));
    bar.setPanel(1, tr("Conectando con el circuito"));
    bar.setProgress(0);
    link_.comunicacioLocal = false;
    emit remoteSessionOpened();
    supervisor_.BBLlegirEstatClick();
}

// The broker keeps being retried; meanwhile the program is back on the local link, unless the
// editors hold an imported template that is waiting for the device.
void DeviceSession::resetAfterLostSession()
{
    channel_.activate(channel_.serial());
    supervisor_.remoteConnectionLost();
    emit remoteSessionLost();
    if (!link_.plantillaImportada)
        switchToLocal();
    context_.views().setPanelmostrat(View::Estat);
}

void DeviceSession::startLink()
{
    supervisor_.setState(LinkSupervisor::SessionState::NoConnection);
    link_.comunicacioLocal = true;
    supervisor_.start();
}

void DeviceSession::openPortAndIdentify()
{
    supervisor_.reopenAndIdentify(100);
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

void DeviceSession::releasePort()
{
    if (link_.circuittrobat) {
        channel_.serial().clearBuffers();
        channel_.serial().close();
    }
    supervisor_.stopSupervision();
    link_.circuittrobat = link_.circuit = false;
    link_.tempsllegir = 0;
    emit clearAllFields();
}

// The installer's own choice of the local link also ends the broker's reconnection attempts.
void DeviceSession::MIIComunicacioLocalClick()
{
    if (link_.updateRunning())
        return;
    mqtt_.client().stopReconnecting();
    switchToLocal();
}

void DeviceSession::switchToLocal()
{
    channel_.endRemoteSession();
    channel_.activate(channel_.serial());
    if (!context_.views().isShown(View::LlistaCircuits))
        CCBPortChange();
    link_.comunicacioLocal = true;
    emit localLinkSelected();
}

} // namespace quelta
