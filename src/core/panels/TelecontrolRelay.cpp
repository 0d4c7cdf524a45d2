#include "core/panels/TelecontrolRelay.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/Prompter.h"
#include "core/base/Settings.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/MqttTransport.h"
#include "core/status/StatusCloud.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace quelta {
namespace {

// The history code of the telecontrol entries.
const QString kHistoryCode = QStringLiteral("123456");

// Each byte as a blank and two upper-case hexadecimal digits.
QString spacedHex(const QByteArray &bytes)
{
    QString hex;
    hex.reserve(bytes.size() * 3);
    for (const char byte : bytes)
        hex += QStringLiteral(" %1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    return hex;
}

} // namespace

TelecontrolRelay::TelecontrolRelay(LinkState &link, MqttTransport &mqtt, AppSettings &settings, DiagnosticTrace &trace,
                                   StatusCloud &cloud, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , link_(link)
    , mqtt_(mqtt)
    , settings_(settings)
    , trace_(trace)
    , cloud_(cloud)
    , prompter_(prompter)
{
    connect(&server_, &QTcpServer::newConnection, this, &TelecontrolRelay::acceptPending);
}

// The sockets are the server's children: none may call back into a relay being destroyed.
TelecontrolRelay::~TelecontrolRelay()
{
    for (QTcpSocket *socket : server_.findChildren<QTcpSocket *>())
        socket->disconnect(this);
}

QString TelecontrolRelay::BidiIP() const
{
    return settings_.values().ipTelecontrol;
}

QString TelecontrolRelay::BidiPort() const
{
    return settings_.values().portTelecontrol;
}

// The error text, empty when the server listens.
QString TelecontrolRelay::listenOnBinding()
{
    const QHostAddress address(BidiIP().trimmed());
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return tr("La dirección no es una dirección IPv4");
    bool number = false;
    const uint port = BidiPort().trimmed().toUInt(&number);
    if (!number || port > 65535)
        return tr("El puerto no es válido");
    if (!server_.listen(address, quint16(port)))
        return server_.errorString();
    return {};
}

bool TelecontrolRelay::ConnexioAGE44()
{
    if (server_.isListening())
        return true;
    const QString error = listenOnBinding();
    if (error.isEmpty())
        return true;
    prompter_.ElMeuMessageDlg({dialog::error(),
                               error + QStringLiteral("\r\n") + BidiIP() + QLatin1Char(':') + BidiPort()
                                   + QStringLiteral("\r\n")
                                   + tr("Asegúrese que la IP y el puerto coinciden con los del programa AGE44"),
                               DialogType::Error, {DialogResult::Ok}, {dialog::cerrar()}, 5});
    return false;
}

bool TelecontrolRelay::BBidiAcceptarClick(const QString &ip, const QString &port)
{
    if (port.trimmed().isEmpty()) {
        prompter_.ElMeuMessageDlg(dialog::warning(tr("El puerto no puede estar vacío\r")));
        return false;
    }
    ConfigInicial &values = settings_.values();
    values.ipTelecontrol = ip;
    values.portTelecontrol = port;
    server_.close();
    const QString error = listenOnBinding();
    settings_.GuardarConfigInicial();
    if (!error.isEmpty()) {
        prompter_.ElMeuMessageDlg({dialog::error(), tr("Error al acceder a la IP de la Central : \r") + error,
                                   DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}, 0});
    }
    return true;
}

void TelecontrolRelay::acceptPending()
{
    while (QTcpSocket *socket = server_.nextPendingConnection())
        take(socket);
}

// TCPProgAguiConnect. A client that comes while another is served takes its place: the other is
// closed, and the panel stays in telecontrol for the new one. Keeping the other connection open
// would leave a client nobody answers, whose later disconnection would end the session of the
// client being served.
void TelecontrolRelay::take(QTcpSocket *socket)
{
    const QString peer = socket->peerAddress().toString() + QLatin1Char(':') + QString::number(socket->peerPort());
    trace_.Escriure_REPortserie(QStringLiteral(" --> AGE44 Connectat: ") + peer);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readClient(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { clientGone(socket); });
    if (QTcpSocket *replaced = client_) {
        const QString replacedPeer = peer_;
        client_ = socket;
        peer_ = peer;
        replaced->disconnect(this);
        replaced->abort();
        replaced->deleteLater();
        trace_.Escriure_REPortserie(QStringLiteral(" --> AGE44 Desconnectat: ") + replacedPeer);
        emit clientDisconnected(replacedPeer);
        emit clientConnected(peer);
        return;
    }
    client_ = socket;
    peer_ = peer;
    // The panel is in telecontrol before anything else runs: the waits and the cloud call below
    // must find the session's state already set.
    AguileraTelecontrol(true);
    emit clientConnected(peer);
    if (remoteOpen()) {
        mqtt_.Publica_MQTT(mqtt_.topicPublishCfg(), QStringLiteral("{#Ag=setBidi}"));
        // Over Ethernet the device's status stream is stopped while the panel talks.
        if (link_.connexADSL) {
            delay(200);
            mqtt_.Publica_MQTT(mqtt_.topicPublishCfg(), QStringLiteral("qz+inf"));
            delay(1000);
        }
    }
    cloud_.ActualitzaEventsRTDB(link_.identConnectar, tr("Entrada en Central en Telecontrol"), kHistoryCode);
}

// TCPProgAguiExecute: the client's bytes go to the panel unchanged.
void TelecontrolRelay::readClient(QTcpSocket *socket)
{
    const QByteArray bytes = socket->readAll();
    if (socket != client_ || bytes.isEmpty())
        return;
    trace_.Escriure_REPortserie(QStringLiteral(" --> AGE44: ") + spacedHex(bytes));
    emit clientBytes(bytes);
    if (remoteOpen())
        mqtt_.sendPanelBytes(bytes);
}

void TelecontrolRelay::RebutIPCentral(const QByteArray &payload)
{
    if (!client_ || client_->state() != QAbstractSocket::ConnectedState)
        return;
    client_->write(payload);
    emit panelBytes(payload);
}

// TCPProgAguiDisconnect, for the client served; a replaced one was let go already.
void TelecontrolRelay::clientGone(QTcpSocket *socket)
{
    socket->deleteLater();
    if (socket == client_)
        leaveTelecontrol();
}

void TelecontrolRelay::closeClient()
{
    QTcpSocket *socket = client_;
    if (!socket)
        return;
    socket->disconnect(this);
    leaveTelecontrol();
    socket->abort();
    socket->deleteLater();
}

void TelecontrolRelay::leaveTelecontrol()
{
    const QString peer = peer_;
    client_ = nullptr;
    peer_.clear();
    trace_.Escriure_REPortserie(QStringLiteral(" --> AGE44 Desconnectat: ") + peer);
    AguileraTelecontrol(false);
    emit clientDisconnected(peer);
    if (remoteOpen()) {
        mqtt_.Publica_MQTT(mqtt_.topicPublishCfg(), QStringLiteral("qz+INf"));
        delay(500);
        mqtt_.Publica_MQTT(mqtt_.topicPublishCfg(), QStringLiteral("{#Ag=outBidi}"));
    }
    cloud_.ActualitzaEventsRTDB(link_.identConnectar, tr("Salida de Central en Telecontrol"), kHistoryCode);
}

void TelecontrolRelay::AguileraTelecontrol(bool on)
{
    link_.bidiCentral = on;
    emit telecontrolChanged(on);
}

// The device hears the panel's bytes only through an open remote session; after its loss nothing
// is published (a publish without the broker would close the client and stop its reconnection).
bool TelecontrolRelay::remoteOpen() const
{
    return link_.isRemote() && mqtt_.state() == Transport::State::Open;
}

} // namespace quelta
