#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

struct mosquitto;
struct mosquitto_message;
class QSocketNotifier;

namespace quelta {

// Where and as whom the program meets the MQTT broker.
struct MqttSettings
{
    QString host = QStringLiteral("localhost");
    int port = 1883;
    QString userName;
    QString password;
    QString clientId;
    QString willTopic;
    QString willMessage;
    int keepAliveSeconds = 60;
    int reconnectSeconds = 5;
};

// "HOST" or "HOST:PORT" (1883 when no port is given; an IPv6 address in brackets) as a broker's
// endpoint; nullopt when the text is neither.
std::optional<MqttSettings> brokerAddress(const QString &text);

// The connection states an MQTT client reports, in the program's order.
enum class MqttState {
    NotConnected,
    RejectedInvalidProtocolVersion,
    RejectedInvalidIdentifier,
    RejectedServerUnavailable,
    RejectedInvalidCredentials,
    RejectedClientNotAuthorized,
    ConnectionLost,
    Connecting,
    Reconnecting,
    Connected,
};

// One MQTT 3.1.1 client on libmosquitto, driven by the Qt event loop: socket notifiers read and
// write, a timer keeps the connection alive, so every event arrives on the main thread. A lost
// connection is retried every few seconds until it is closed on purpose.
class MqttClient : public QObject
{
    Q_OBJECT
public:
    explicit MqttClient(QObject *parent = nullptr);
    ~MqttClient() override;

    void configure(const MqttSettings &settings) { settings_ = settings; }
    // Connects with a clean session; the outcome arrives as stateChanged.
    void connectToBroker();
    // DISCONNECT and close: the broker publishes no will.
    void disconnectFromBroker();
    bool isConnected() const { return state_ == MqttState::Connected; }
    // A lost connection is no longer retried; an open one stays as it is.
    void stopReconnecting();

    // The packet identifier of the SUBSCRIBE, or -1 when it could not be sent.
    int subscribe(const QString &filter);
    // QoS 0, retain off. The error text, empty when the message went out.
    QString publish(const QString &topic, const QByteArray &payload);

signals:
    void stateChanged(bool connected, quelta::MqttState state);
    void publishReceived(const QString &topic, const QByteArray &payload);
    void subscriptionAcknowledged(int packetId, bool accepted);

private:
    static void onConnect(mosquitto *, void *self, int result);
    static void onDisconnect(mosquitto *, void *self, int result);
    static void onMessage(mosquitto *, void *self, const mosquitto_message *message);
    static void onSubscribe(mosquitto *, void *self, int packetId, int count, const int *granted);

    void setState(MqttState state);
    bool openSocket(bool reconnecting);
    void watchSocket();
    void dropSocket();
    void wantWrite();
    void readSocket();
    void writeSocket();
    void keepAlive();
    void flushOutput();
    void drainInput();
    void connectionLost();

    mosquitto *mosq_ = nullptr;
    MqttSettings settings_;
    MqttState state_ = MqttState::NotConnected;
    bool wanted_ = false; // the connection should stay up: a loss is retried
    QSocketNotifier *reader_ = nullptr;
    QSocketNotifier *writer_ = nullptr;
    QTimer misc_;
    QTimer retry_;
};

} // namespace quelta
