#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace quelta::devsim {

// Releases queued bytes no faster than a serial line would carry them. Bytes leave in the order
// queued, so a line queued whole is never cut by another.
class PacedWriter : public QObject
{
    Q_OBJECT
public:
    // 115200 baud, 8N1: ten bits a byte.
    static constexpr int kSerialBytesPerSecond = 11520;

    // Takes bytes and says how many it accepted, or -1 when nobody is there to receive them.
    using Sink = std::function<qint64(QByteArrayView)>;

    // A rate of 0 writes at once.
    PacedWriter(Sink sink, int bytesPerSecond, QObject *parent = nullptr);

    void enqueue(const QByteArray &bytes);
    void clear();
    qsizetype pending() const { return queue_.size(); }

private:
    void pump();

    Sink sink_;
    const int bytesPerSecond_;
    QByteArray queue_;
    QTimer timer_;
    QElapsedTimer clock_; // since the queue last became busy
    qint64 sent_ = 0;     // bytes written since then
};

} // namespace quelta::devsim
