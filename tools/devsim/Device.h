#pragma once

#include "DeviceModel.h"
#include "Faults.h"
#include "Protocol.h"
#include "UpdateReceiver.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace quelta::devsim {

// The device in time: answers commands, sends status frames while the stream is on, goes quiet
// while it restarts, takes firmware updates, and applies the faults that act on its output.
class Device : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRestartSilenceMs = 2000;
    static constexpr int kDefaultRebootMs = 3000;
    // The identification frame is repeated every so many status frames.
    static constexpr int kIdentityEvery = 10;

    // A reply to a command, or a status or event frame: a link that keeps the two apart (MQTT)
    // sends them on different topics.
    enum class LineKind { Reply, Frame };
    Q_ENUM(LineKind)

    struct UpdateTiming
    {
        int inboundBytesPerSecond = 0; // the wire speed frames are taken to arrive at; 0 = at once
        int rebootMs = kDefaultRebootMs; // silence after an update
        int abandonMs = UpdateReceiver::kAbandonMs;
    };

    Device(const DeviceConfig &config, const FaultPlan &faults, quint32 seed, QObject *parent = nullptr);

    void setUpdateTiming(const UpdateTiming &timing);

    // Serial link: bytes as they come. During an update they are the blocks' frames.
    void receive(QByteArrayView bytes);
    // Message link: the command lines of one message, between CRs. Not heard during an update.
    void receiveCommands(QByteArrayView bytes);
    // Message link: one whole firmware block frame ("+U..."); heard only during an update.
    void receiveFrame(const QByteArray &frame);
    // Bytes for the fire panel, which the device passes on unread; returns what the panel answers.
    // The panel answers nothing while the device restarts.
    QByteArray passToPanel(QByteArrayView bytes) const;

signals:
    // One whole line, CR included.
    void lineReady(const QByteArray &line, quelta::devsim::Device::LineKind kind);
    // The device restarts after an update, and is up again: a link that has a connection of its
    // own (MQTT) drops it in between.
    void rebooting();
    void rebooted();

private:
    QByteArrayView interpretUntilUpdate(QByteArrayView bytes);
    void interpret(QByteArrayView line);
    void startUpdate(const QString &offerText);
    void updateFinished(bool imageGood, const QString &version);
    void tick();
    void sendReplies(const QList<QByteArray> &replies);
    void releaseDelayedReplies();
    void sendEvents();
    void sendIdentity();
    void sendFrame(const QString &frame);
    void send(const QByteArray &line, LineKind kind);
    void beginRestart();
    void goQuiet(int silenceMs, std::function<void()> then);
    void endRestart();

    DeviceModel model_;
    Protocol protocol_;
    LineFaults lineFaults_;
    UpdateReceiver update_;
    int rebootMs_ = kDefaultRebootMs;
    QTimer ticker_;
    QTimer delayTimer_;
    QElapsedTimer clock_;
    QList<std::pair<qint64, QList<QByteArray>>> delayed_; // due time, replies
    bool restarting_ = false;
    int ticks_ = 0;
};

} // namespace quelta::devsim
