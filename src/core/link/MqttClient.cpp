#include "core/link/MqttClient.h"

#include <QSocketNotifier>
#include <QUrl>

#include <mosquitto.h>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/ioctl.h>
#endif

namespace quelta {
namespace {

// Opens the library once for the whole program.
struct Library
{
    Library() { mosquitto_lib_init(); }
    ~Library() { mosquitto_lib_cleanup(); }
};

MqttState rejection(int connack)
{
    switch (connack) {
    case 1: return MqttState::RejectedInvalidProtocolVersion;
    case 2: return MqttState::RejectedInvalidIdentifier;
    case 3: return MqttState::RejectedServerUnavailable;
    case 4: return MqttState::RejectedInvalidCredentials;
    case 5: return MqttState::RejectedClientNotAuthorized;
    default: return MqttState::NotConnected;
    }
}

constexpr int kMiscIntervalMs = 1000;
constexpr int kFlushTries = 100; // reads or writes of what is waiting when the connection is closed on purpose

// How many received bytes wait on the socket.
int bytesWaiting(int socket)
{
#ifdef Q_OS_WIN
    u_long waiting = 0;
    return ioctlsocket(SOCKET(socket), FIONREAD, &waiting) == 0 ? int(waiting) : 0;
#else
    int waiting = 0;
    return socket >= 0 && ioctl(socket, FIONREAD, &waiting) == 0 ? waiting : 0;
#endif
}

} // namespace

std::optional<MqttSettings> brokerAddress(const QString &text)
{
    MqttSettings broker;
    const QUrl url(QStringLiteral("mqtt://") + text.trimmed(), QUrl::StrictMode);
    const int port = url.port(broker.port);
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || !url.path().isEmpty() || url.hasQuery()
        || url.hasFragment() || port < 1)
        return std::nullopt;
    broker.host = url.host();
    broker.port = port;
    return broker;
}

MqttClient::MqttClient(QObject *parent) : QObject(parent)
{
    static Library library;
    misc_.setInterval(kMiscIntervalMs);
    connect(&misc_, &QTimer::timeout, this, &MqttClient::keepAlive);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] {
        if (wanted_ && !openSocket(true))
            retry_.start(settings_.reconnectSeconds * 1000);
    });
}

MqttClient::~MqttClient()
{
    dropSocket();
    if (mosq_)
        mosquitto_destroy(mosq_);
}

void MqttClient::setState(MqttState state)
{
    state_ = state;
    emit stateChanged(state == MqttState::Connected, state);
}

void MqttClient::connectToBroker()
{
    if (mosq_)
        mosquitto_destroy(mosq_);
    dropSocket();
    const QByteArray id = settings_.clientId.toUtf8();
    mosq_ = mosquitto_new(id.isEmpty() ? nullptr : id.constData(), true, this);
    mosquitto_int_option(mosq_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(mosq_, &MqttClient::onConnect);
    mosquitto_disconnect_callback_set(mosq_, &MqttClient::onDisconnect);
    mosquitto_message_callback_set(mosq_, &MqttClient::onMessage);
    mosquitto_subscribe_callback_set(mosq_, &MqttClient::onSubscribe);
    if (!settings_.userName.isEmpty())
        mosquitto_username_pw_set(mosq_, settings_.userName.toUtf8().constData(), settings_.password.toUtf8().constData());
    if (!settings_.willTopic.isEmpty()) {
        const QByteArray will = settings_.willMessage.toLatin1();
        mosquitto_will_set(mosq_, settings_.willTopic.toUtf8().constData(), int(will.size()), will.constData(), 0, false);
    }
    wanted_ = true;
    setState(MqttState::Connecting);
    if (!openSocket(false)) {
        wanted_ = false;
        setState(MqttState::NotConnected);
    }
}

// The TCP connection and the CONNECT packet; the CONNACK arrives through the socket.
bool MqttClient::openSocket(bool reconnecting)
{
    // The TCP connection completes in the background: the socket notifiers carry on from there.
    const int result = reconnecting
        ? mosquitto_reconnect_async(mosq_)
        : mosquitto_connect_async(mosq_, settings_.host.toUtf8().constData(), settings_.port, settings_.keepAliveSeconds);
    if (result != MOSQ_ERR_SUCCESS)
        return false;
    watchSocket();
    return true;
}

void MqttClient::watchSocket()
{
    dropSocket();
    const int socket = mosquitto_socket(mosq_);
    if (socket < 0)
        return;
    reader_ = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(reader_, &QSocketNotifier::activated, this, &MqttClient::readSocket);
    writer_ = new QSocketNotifier(socket, QSocketNotifier::Write, this);
    connect(writer_, &QSocketNotifier::activated, this, &MqttClient::writeSocket);
    writer_->setEnabled(mosquitto_want_write(mosq_));
    misc_.start();
}

void MqttClient::dropSocket()
{
    delete reader_;
    delete writer_;
    reader_ = writer_ = nullptr;
    misc_.stop();
}

void MqttClient::wantWrite()
{
    if (writer_)
        writer_->setEnabled(mosquitto_want_write(mosq_));
}

void MqttClient::readSocket()
{
    if (mosquitto_loop_read(mosq_, 1) != MOSQ_ERR_SUCCESS)
        connectionLost();
    else
        wantWrite();
}

void MqttClient::writeSocket()
{
    if (mosquitto_loop_write(mosq_, 1) != MOSQ_ERR_SUCCESS)
        connectionLost();
    else
        wantWrite();
}

// PINGREQ when due, and the check that the broker still answers.
void MqttClient::keepAlive()
{
    if (mosquitto_loop_misc(mosq_) != MOSQ_ERR_SUCCESS)
        connectionLost();
    else
        wantWrite();
}

// A connection that was up is retried until it is closed on purpose; one that never came up is
// given up.
void MqttClient::connectionLost()
{
    dropSocket();
    switch (state_) {
    case MqttState::Connected:
        setState(MqttState::ConnectionLost);
        if (wanted_) {
            setState(MqttState::Reconnecting);
            retry_.start(settings_.reconnectSeconds * 1000);
        }
        break;
    case MqttState::Connecting:
        // A broker that refuses closes the socket after its CONNACK: the refusal, queued first,
        // is what the installer is told.
        QMetaObject::invokeMethod(this, [this] {
            if (state_ != MqttState::Connecting)
                return;
            wanted_ = false;
            setState(MqttState::NotConnected);
        }, Qt::QueuedConnection);
        break;
    case MqttState::Reconnecting:
        if (wanted_)
            retry_.start(settings_.reconnectSeconds * 1000);
        break;
    default: break;
    }
}

// Whatever is queued goes out now: a publication leaves at once, in its order, and the last ones
// and the DISCONNECT leave before the socket closes.
void MqttClient::flushOutput()
{
    for (int tries = 0; tries < kFlushTries && mosquitto_want_write(mosq_); ++tries) {
        if (mosquitto_loop_write(mosq_, 1) != MOSQ_ERR_SUCCESS)
            return;
    }
}

// Data left unread when the socket closes makes the system reset the connection, and the broker
// may then drop what it had not read yet: the last publications and the DISCONNECT. It is read
// first.
void MqttClient::drainInput()
{
    for (int tries = 0; tries < kFlushTries && bytesWaiting(mosquitto_socket(mosq_)) > 0; ++tries) {
        if (mosquitto_loop_read(mosq_, 1) != MOSQ_ERR_SUCCESS)
            return;
    }
}

void MqttClient::stopReconnecting()
{
    if (isConnected())
        return;
    wanted_ = false;
    retry_.stop();
}

void MqttClient::disconnectFromBroker()
{
    wanted_ = false;
    retry_.stop();
    if (!mosq_)
        return;
    if (isConnected()) {
        drainInput();
        mosquitto_disconnect(mosq_);
        flushOutput();
    }
    dropSocket();
    if (state_ != MqttState::NotConnected && state_ != MqttState::ConnectionLost)
        setState(MqttState::ConnectionLost);
}

int MqttClient::subscribe(const QString &filter)
{
    int packetId = -1;
    if (!mosq_ || mosquitto_subscribe(mosq_, &packetId, filter.toUtf8().constData(), 0) != MOSQ_ERR_SUCCESS)
        return -1;
    wantWrite();
    return packetId;
}

QString MqttClient::publish(const QString &topic, const QByteArray &payload)
{
    if (!isConnected())
        return QStringLiteral("This action requires a connected state");
    const int result =
        mosquitto_publish(mosq_, nullptr, topic.toUtf8().constData(), int(payload.size()), payload.constData(), 0, false);
    if (result != MOSQ_ERR_SUCCESS)
        return QString::fromUtf8(mosquitto_strerror(result));
    flushOutput();
    wantWrite();
    return {};
}

// The library calls back while it holds its locks: what the program does about an event runs
// once the library has returned.
void MqttClient::onConnect(mosquitto *, void *self, int result)
{
    auto *client = static_cast<MqttClient *>(self);
    QMetaObject::invokeMethod(client, [client, result] {
        if (result == 0) {
            client->setState(MqttState::Connected);
            return;
        }
        client->wanted_ = false;
        client->dropSocket();
        client->setState(rejection(result));
    }, Qt::QueuedConnection);
}

void MqttClient::onDisconnect(mosquitto *, void *self, int result)
{
    auto *client = static_cast<MqttClient *>(self);
    if (result != 0)
        QMetaObject::invokeMethod(client, &MqttClient::connectionLost, Qt::QueuedConnection);
}

void MqttClient::onMessage(mosquitto *, void *self, const mosquitto_message *message)
{
    auto *client = static_cast<MqttClient *>(self);
    const QString topic = QString::fromUtf8(message->topic);
    const QByteArray payload(static_cast<const char *>(message->payload), message->payloadlen);
    // What arrives after the session was closed (read while closing it) is not delivered.
    QMetaObject::invokeMethod(client, [client, topic, payload] {
        if (client->isConnected())
            emit client->publishReceived(topic, payload);
    }, Qt::QueuedConnection);
}

void MqttClient::onSubscribe(mosquitto *, void *self, int packetId, int count, const int *granted)
{
    auto *client = static_cast<MqttClient *>(self);
    const bool accepted = count > 0 && granted[0] < 128;
    QMetaObject::invokeMethod(client, [client, packetId, accepted] { emit client->subscriptionAcknowledged(packetId, accepted); },
                              Qt::QueuedConnection);
}

} // namespace quelta
