#include "core/link/MqttTransport.h"

#include "core/base/DiagnosticTrace.h"
#include "core/codecs/AnsiCodec.h"
#include "core/link/LinkState.h"

namespace quelta {
namespace {

// What the console says of each connection state.
QString stateText(MqttState state)
{
    switch (state) {
    case MqttState::NotConnected: return QStringLiteral("Connexió SERVER: El client no s'ha pogut connectar");
    case MqttState::RejectedInvalidProtocolVersion: return QStringLiteral("Connexió SERVER: Versió del protocol invàlida");
    case MqttState::RejectedInvalidIdentifier: return QStringLiteral("Connexió SERVER: Identificador invàlid");
    case MqttState::RejectedServerUnavailable: return QStringLiteral("Connexió SERVER: El server no està disponible");
    case MqttState::RejectedInvalidCredentials: return QStringLiteral("Connexió SERVER: Credencials invàlides");
    case MqttState::RejectedClientNotAuthorized: return QStringLiteral("Connexió SERVER: Client no autoritzat");
    case MqttState::ConnectionLost: return QStringLiteral("Connexió SERVER: DESCONNECTAT");
    case MqttState::Connecting: return QStringLiteral("Connexió SERVER: El client s'està intentant connectar");
    case MqttState::Reconnecting: return QStringLiteral("Connexió SERVER: El client s'està intentant reconnectar");
    case MqttState::Connected: return QStringLiteral("Connexió SERVER: CONNECTAT");
    }
    return {};
}

constexpr int kReplyTimeoutTicks = 100;

} // namespace

MqttTransport::MqttTransport(LinkState &link, DiagnosticTrace &trace, QObject *parent)
    : Transport(parent), link_(link), trace_(trace)
{
    connect(&client_, &MqttClient::stateChanged, this, &MqttTransport::followClient);
    connect(&client_, &MqttClient::subscriptionAcknowledged, this, &MqttTransport::subscriptionAcknowledged);
    connect(&client_, &MqttClient::publishReceived, this, &MqttTransport::publishReceived);
}

QByteArray MqttTransport::lowBytes(const QString &text)
{
    QByteArray bytes(text.size(), '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = char(text.at(i).unicode() & 0xFF);
    return bytes;
}

QString MqttTransport::topic(const char *prefix, const char *tail) const
{
    return QLatin1String(prefix) + QLatin1Char('/') + identifier_ + QLatin1String(tail);
}

bool MqttTransport::open()
{
    if (client_.isConnected()) {
        trace_.Escriure_REPortserie(QStringLiteral("SERVER CONNECTAT: es desconnecta"));
        client_.disconnectFromBroker();
    }
    trace_.Escriure_REPortserie(QStringLiteral("Es vol connectar al server"));
    identifier_ = link_.identConnectar;
    MqttSettings settings = broker_;
    settings.willTopic = topic("scfg", "/");
    settings.willMessage = QStringLiteral("S'ha perdut la connexio amb el client: ") + broker_.clientId;
    client_.configure(settings);
    client_.connectToBroker();
    return state() != State::Closed;
}

void MqttTransport::close()
{
    if (!client_.isConnected())
        return;
    emit closing();
    Publica_MQTT(topicPublishCfg_, QStringLiteral("qz+cdp=*"));
    Publica_MQTT(topicPublishCfg_, QStringLiteral("qz+inf"));
    client_.disconnectFromBroker();
}

void MqttTransport::followClient(bool connected, MqttState state)
{
    trace_.Escriure_REPortserie(stateText(state));
    if (connected) {
        this->connected();
        return;
    }
    switch (state) {
    case MqttState::Connecting:
    case MqttState::Reconnecting: setState(State::Opening); break;
    case MqttState::ConnectionLost: setState(State::Lost); break;
    default:
        if (state == MqttState::RejectedServerUnavailable)
            reconnexio_mqtt_ = false;
        setState(State::Closed);
        break;
    }
}

// Subscribes to the answer topics and names the command topics by the device's path.
void MqttTransport::connected()
{
    for (const char *prefix : {"gsts", "gcfg", "gcea", "gceg"})
        subscribeTwice(prefix);
    topicPublishSts_ = topic("ssts", "/.");
    topicPublishCfg_ = topic(link_.connexADSL ? "scfa" : "scfg", "/.");
    setState(State::Open);
    reconnexio_mqtt_ = false;
}

// Sent twice; the broker takes the repeated filter as the same subscription. The last request's
// acknowledgement is the one that starts the probe.
void MqttTransport::subscribeTwice(const char *prefix)
{
    const QString filter = topic(prefix, "/#");
    client_.subscribe(filter);
    FSubscribeRequestPacketId1_ = client_.subscribe(filter);
}

void MqttTransport::subscriptionAcknowledged(int packetId, bool accepted)
{
    if (packetId != FSubscribeRequestPacketId1_ || !accepted)
        return;
    link_.StrCom.clear();
    link_.espero = QStringLiteral("+ver");
    Publica_MQTT(topicPublishCfg_, QStringLiteral("qz+ver"));
    link_.vegades_espero = 10;
    emit probeSent();
}

void MqttTransport::publishReceived(const QString &topic, const QByteArray &payload)
{
    const QString text = ansi::decode(payload);
    link_.StrCom = text;
    link_.tempsllegir = kReplyTimeoutTicks;
    if (topic.contains(QLatin1String("gcea")) || topic.contains(QLatin1String("gceg")))
        emit panelBytesReceived(payload);
    else
        emit messageReceived(text);
    if (topic.isEmpty()) {
        reconnexio_mqtt_ = true;
        open();
    }
}

bool MqttTransport::sendCommand(const QString &body, RemoteTopic topic)
{
    return sendRaw(QStringLiteral("qz+") + body, topic);
}

bool MqttTransport::sendRaw(const QString &text, RemoteTopic topic)
{
    return Publica_MQTT(topic == RemoteTopic::Sts ? topicPublishSts_ : topicPublishCfg_, text);
}

// The payload carries one character per byte, so the bytes travel unchanged.
bool MqttTransport::sendBytes(const QByteArray &bytes)
{
    return Publica_MQTT(topicPublishCfg_, QString::fromLatin1(bytes));
}

// Publica_MQTT: a publish without a broker connection closes the client, whose state events then
// bring the program back to the local side.
bool MqttTransport::Publica_MQTT(const QString &topic, const QString &text)
{
    trace_.Escriure_REPortserie(QStringLiteral("Publica_MQTT: topic=") + topic + QStringLiteral("  str=") + text);
    if (topic.isEmpty())
        return false;
    const QString error = client_.publish(topic, lowBytes(text));
    if (!error.isEmpty()) {
        trace_.Escriure_REPortserie(QStringLiteral(" Error enviar al server:") + text + QStringLiteral("  ") + error);
        if (error.contains(QLatin1String("This action requires a connected state")))
            client_.disconnectFromBroker();
        emit sendFailed();
        return false;
    }
    trace_.Escriure_REPortserie(QStringLiteral("Comunicació amb el server "));
    emit sent(text);
    return true;
}

bool MqttTransport::sendPanelBytes(const QByteArray &bytes)
{
    const QString panelTopic = topic(link_.connexADSL ? "scea" : "sceg", "/.");
    QString hex;
    for (const char byte : bytes)
        hex += QStringLiteral(" %1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    if (identifier_.isEmpty())
        return false;
    const QString error = client_.publish(panelTopic, bytes);
    if (!error.isEmpty()) {
        trace_.Escriure_REPortserie(QStringLiteral(" Error enviar array al server: ") + hex + QStringLiteral("  ") + error);
        return false;
    }
    trace_.Escriure_REPortserie(QStringLiteral("AGE44 Enviat per MQTT  Topic=") + panelTopic + QStringLiteral("   Info=") + hex);
    emit sent(hex);
    return true;
}

} // namespace quelta
