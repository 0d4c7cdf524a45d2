#include "MqttPort.h"

#include <cstdio>
#include <utility>

namespace quelta::devsim {
namespace {

// Without a connection and its subscriptions by then, the broker is taken as unreachable.
constexpr int kStartTimeoutMs = 10000;

constexpr QLatin1String kCommandPrefixes[] = {QLatin1String("scfa"), QLatin1String("scfg"), QLatin1String("ssts"),
                                              QLatin1String("scea"), QLatin1String("sceg")};

void note(const QString &text)
{
    std::fprintf(stderr, "quelta-devsim: %s\n", qPrintable(text));
}

// Each payload is one command line, or several separated by CRs: the interpreter sees them as if
// they had come between CRs on the serial link.
QByteArray commandLines(const QByteArray &payload)
{
    return '\r' + payload + '\r';
}

// On the status side, "{#Obrir1}" and "{#Tancar2}" move doors and "{#Rearme}" is an order for
// the panel; anything else is a command line.
QByteArray statusCommand(const QByteArray &payload)
{
    if (!payload.startsWith("{#") || !payload.endsWith('}'))
        return commandLines(payload);
    const QByteArray name = payload.sliced(2, payload.size() - 3);
    const bool door = name.startsWith("Obrir") || name.startsWith("Tancar");
    return commandLines("qz+" + (door ? name : "ord=" + name));
}

// What the broker tells the tool when the device is gone without a word.
QString willMessage(const QString &clientId)
{
    return QStringLiteral("Connection lost: ") + clientId + u'\r';
}

QString refusal(MqttState state)
{
    switch (state) {
    case MqttState::RejectedInvalidProtocolVersion: return QStringLiteral("it does not accept MQTT 3.1.1");
    case MqttState::RejectedInvalidIdentifier: return QStringLiteral("the client id is not accepted");
    case MqttState::RejectedServerUnavailable: return QStringLiteral("the server is unavailable");
    case MqttState::RejectedInvalidCredentials: return QStringLiteral("bad user name or password");
    case MqttState::RejectedClientNotAuthorized: return QStringLiteral("not authorised");
    default: return {};
    }
}

// Connecting, up, or on the way back: everything else means the client gave up.
bool givenUp(MqttState state)
{
    return state == MqttState::NotConnected || !refusal(state).isEmpty();
}

} // namespace

MqttPort::MqttPort(MqttSettings settings, const QString &identifier, int bytesPerSecond, Panel panel, QObject *parent)
    : QObject(parent),
      identifier_(identifier),
      settings_(std::move(settings)),
      panel_(std::move(panel)),
      client_(std::make_unique<MqttClient>()),
      writer_([this](QByteArrayView bytes) { return release(bytes); }, bytesPerSecond)
{
    settings_.clientId = QStringLiteral("quelta-devsim-") + identifier_;
    settings_.willTopic = topic(QLatin1String("gsts"));
    settings_.willMessage = willMessage(settings_.clientId);
    client_->configure(settings_);
    connect(client_.get(), &MqttClient::stateChanged, this, &MqttPort::followClient);
    connect(client_.get(), &MqttClient::subscriptionAcknowledged, this, &MqttPort::acknowledged);
    connect(client_.get(), &MqttClient::publishReceived, this, &MqttPort::received);
    startTimeout_.setSingleShot(true);
    connect(&startTimeout_, &QTimer::timeout, this, [this] {
        giveUp(QStringLiteral("no answer from the broker at %1:%2").arg(settings_.host).arg(settings_.port));
    });
}

// The client closes its socket without a DISCONNECT when it goes: a port not closed on purpose
// leaves the will behind.
MqttPort::~MqttPort() = default;

QString MqttPort::topic(QLatin1String prefix) const
{
    return prefix + u'/' + identifier_ + QLatin1String("/.");
}

void MqttPort::open()
{
    if (!client_)
        return;
    startTimeout_.start(kStartTimeoutMs);
    client_->connectToBroker();
}

void MqttPort::close()
{
    forget();
    if (client_)
        client_->disconnectFromBroker();
}

void MqttPort::vanish()
{
    forget();
    startTimeout_.stop();
    client_.reset();
}

void MqttPort::followClient(bool connected, MqttState state)
{
    if (connected) {
        if (ready_)
            note(QStringLiteral("connected to the broker again"));
        subscribe();
        return;
    }
    forget();
    if (state == MqttState::Reconnecting && ready_)
        note(QStringLiteral("lost the broker; trying again"));
    if (!givenUp(state))
        return;
    const QString where = QStringLiteral("%1:%2").arg(settings_.host).arg(settings_.port);
    const QString reason = state == MqttState::NotConnected
        ? QStringLiteral("cannot connect to the broker at %1").arg(where)
        : QStringLiteral("the broker at %1 refused the connection: %2").arg(where, refusal(state));
    if (!ready_) {
        giveUp(reason);
        return;
    }
    // Once it has served, the device keeps trying as a real one does.
    note(reason + QStringLiteral("; trying again"));
    QTimer::singleShot(settings_.reconnectSeconds * 1000, this, [this] {
        if (client_ && !client_->isConnected() && !poweredDown_)
            client_->connectToBroker();
    });
}

// Said once: the program ends on it.
void MqttPort::giveUp(const QString &reason)
{
    startTimeout_.stop();
    if (!std::exchange(gaveUp_, true))
        emit unreachable(reason);
}

// The session is clean: the subscriptions are made again on every connection.
void MqttPort::subscribe()
{
    subscriptions_.clear();
    for (const QLatin1String prefix : kCommandPrefixes) {
        const QString filter = prefix + u'/' + identifier_ + QLatin1String("/#");
        if (const int packetId = client_->subscribe(filter); packetId >= 0)
            subscriptions_.insert(packetId, filter);
    }
}

void MqttPort::acknowledged(int packetId, bool accepted)
{
    const QString filter = subscriptions_.take(packetId);
    if (filter.isEmpty())
        return;
    if (!accepted) {
        const QString reason = QStringLiteral("the broker refused the subscription to %1").arg(filter);
        if (!ready_)
            giveUp(reason);
        else
            note(reason);
        return;
    }
    if (!subscriptions_.isEmpty() || ready_)
        return;
    ready_ = true;
    startTimeout_.stop();
    emit ready();
}

void MqttPort::received(const QString &from, const QByteArray &payload)
{
    const QStringList parts = from.split(u'/');
    if (parts.size() < 3 || parts.at(1) != identifier_)
        return;
    const QString &prefix = parts.at(0);
    if (poweredDown_)
        return;
    if ((prefix == QLatin1String("scfa") || prefix == QLatin1String("scfg")) && payload.startsWith("+U"))
        emit frameReceived(payload);
    else if (prefix == QLatin1String("scfa") || prefix == QLatin1String("scfg"))
        emit commandReceived(commandLines(payload));
    else if (prefix == QLatin1String("ssts"))
        emit commandReceived(statusCommand(payload));
    else if (prefix == QLatin1String("scea"))
        queue(topic(QLatin1String("gcea")), panel_(payload));
    else if (prefix == QLatin1String("sceg"))
        queue(topic(QLatin1String("gceg")), panel_(payload));
}

void MqttPort::send(const QByteArray &line, Device::LineKind kind)
{
    queue(topic(kind == Device::LineKind::Reply ? QLatin1String("gcfg") : QLatin1String("gsts")), line);
}

void MqttPort::powerDown()
{
    poweredDown_ = true;
    if (queue_.isEmpty())
        leaveBroker();
    else
        leaving_ = true;
}

void MqttPort::powerUp()
{
    poweredDown_ = false;
    if (std::exchange(leaving_, false))
        return; // still connected: never left
    if (client_ && !client_->isConnected())
        client_->connectToBroker();
}

void MqttPort::leaveBroker()
{
    leaving_ = false;
    if (client_ && poweredDown_)
        client_->disconnectFromBroker();
}

void MqttPort::queue(const QString &topic, const QByteArray &payload)
{
    if (payload.isEmpty() || poweredDown_ || !client_ || !client_->isConnected())
        return;
    queue_.append({topic, payload});
    writer_.enqueue(payload);
}

// The writer paces the bytes as the serial link would; a message is published whole once the
// last of its bytes is through.
qint64 MqttPort::release(QByteArrayView bytes)
{
    if (!client_ || !client_->isConnected()) {
        forget();
        return -1;
    }
    released_ += bytes.size();
    while (!queue_.isEmpty() && queue_.first().payload.size() <= released_) {
        const Message message = queue_.takeFirst();
        released_ -= message.payload.size();
        client_->publish(message.topic, message.payload);
    }
    // Not from inside the writer, which is still at work.
    if (leaving_ && queue_.isEmpty())
        QMetaObject::invokeMethod(this, &MqttPort::leaveBroker, Qt::QueuedConnection);
    return bytes.size();
}

void MqttPort::forget()
{
    writer_.clear();
    queue_.clear();
    released_ = 0;
    // Nothing left to wait for before leaving.
    if (leaving_)
        QMetaObject::invokeMethod(this, &MqttPort::leaveBroker, Qt::QueuedConnection);
}

} // namespace quelta::devsim
