#pragma once

#include "DeviceModel.h"
#include "Faults.h"
#include "Protocol.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace quelta::devsim {

// The device in time: answers commands, sends status frames while the stream is on, goes quiet
// while it restarts, and applies the faults that act on its output.
class Device : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRestartSilenceMs = 2000;
    // The identification frame is repeated every so many status frames.
    static constexpr int kIdentityEvery = 10;

    // A reply to a command, or a status or event frame: a link that keeps the two apart (MQTT)
    // sends them on different topics.
    enum class LineKind { Reply, Frame };
    Q_ENUM(LineKind)

    Device(const DeviceConfig &config, const FaultPlan &faults, quint32 seed, QObject *parent = nullptr);

    void receive(QByteArrayView bytes);
    // Bytes for the fire panel, which the device passes on unread; returns what the panel answers.
    // The panel answers nothing while the device restarts.
    QByteArray passToPanel(QByteArrayView bytes) const;

signals:
    // One whole line, CR included.
    void lineReady(const QByteArray &line, quelta::devsim::Device::LineKind kind);

private:
    void tick();
    void sendReplies(const QList<QByteArray> &replies);
    void releaseDelayedReplies();
    void sendEvents();
    void sendIdentity();
    void sendFrame(const QString &frame);
    void send(const QByteArray &line, LineKind kind);
    void beginRestart();
    void endRestart();

    DeviceModel model_;
    Protocol protocol_;
    LineFaults lineFaults_;
    QTimer ticker_;
    QTimer delayTimer_;
    QElapsedTimer clock_;
    QList<std::pair<qint64, QList<QByteArray>>> delayed_; // due time, replies
    bool restarting_ = false;
    int ticks_ = 0;
};

} // namespace quelta::devsim
