#pragma once

#include "Device.h"
#include "PacedWriter.h"
#include "core/link/MqttClient.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace quelta::devsim {

// The device's end of an MQTT broker, as a remote device meets the tool. Every topic is a prefix,
// the device's identifier and a tail. Commands arrive on scfa/scfg (programming) and ssts (status
// side), panel bytes on scea/sceg; replies leave on gcfg, frames on gsts, the panel's answers on
// gcea/gceg, one whole line a message.
class MqttPort : public QObject
{
    Q_OBJECT
public:
    // What the fire panel answers to bytes passed to it.
    using Panel = std::function<QByteArray(QByteArrayView)>;

    // The client id and the will are set here from the identifier. A rate of 0 publishes at once.
    MqttPort(MqttSettings settings, const QString &identifier, int bytesPerSecond, Panel panel,
             QObject *parent = nullptr);
    ~MqttPort() override;

    // Connects and subscribes; then `ready`, or `unreachable` if the first connection fails.
    void open();
    // DISCONNECT: the broker forgets the will.
    void close();
    // Gone without a DISCONNECT, as a device that loses power: the broker publishes the will.
    void vanish();
    // Queued to leave at the link's pace; lost while the broker is away.
    void send(const QByteArray &line, quelta::devsim::Device::LineKind kind);
    // The device restarts: once what it has said is out, it leaves the broker with a DISCONNECT
    // (the will stays unpublished), and hears and says nothing until it is powered up again.
    void powerDown();
    // Connects again, with the same will, and subscribes afresh.
    void powerUp();

signals:
    // Connected and subscribed for the first time: commands are heard from now on.
    void ready();
    void unreachable(const QString &reason);
    // Bytes for the device's command interpreter, each command between CRs.
    void commandReceived(const QByteArray &bytes);
    // A firmware block frame ("+U...") that came whole on a programming topic.
    void frameReceived(const QByteArray &frame);

private:
    struct Message
    {
        QString topic;
        QByteArray payload;
    };

    QString topic(QLatin1String prefix) const;
    void followClient(bool connected, MqttState state);
    void giveUp(const QString &reason);
    void subscribe();
    void acknowledged(int packetId, bool accepted);
    void received(const QString &from, const QByteArray &payload);
    void queue(const QString &topic, const QByteArray &payload);
    qint64 release(QByteArrayView bytes);
    void forget();
    void leaveBroker();

    const QString identifier_;
    MqttSettings settings_;
    Panel panel_;
    std::unique_ptr<MqttClient> client_;
    PacedWriter writer_;
    QList<Message> queue_; // in the writer's order
    qint64 released_ = 0;  // bytes the writer let through of the first queued message
    QHash<int, QString> subscriptions_; // packet id -> filter, not yet acknowledged
    bool ready_ = false;
    bool gaveUp_ = false;
    bool poweredDown_ = false;
    bool leaving_ = false; // powered down, waiting for the queue to go out
    QTimer startTimeout_;
};

} // namespace quelta::devsim
