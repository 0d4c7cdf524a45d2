#pragma once

#include "Faults.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace quelta::devsim {

// What "qz+act=<block size>,<file size>,<image CRC>,<version>" announces: an image that comes in
// numbered blocks of the block size, the last one shorter when the size is not a multiple of it.
struct UpdateOffer
{
    // Block numbers are three hexadecimal digits, and FF0 onwards are status codes.
    static constexpr int kMaxBlocks = 0xFF0;
    static constexpr int kMaxBlockSize = 65536;

    int blockSize = 0;
    qint64 fileSize = 0;
    quint32 imageCrc = 0;
    QString version;

    // The offer in the text after "qz+act=", or nothing when it is not one.
    static std::optional<UpdateOffer> parse(const QString &text);

    int blockCount() const { return static_cast<int>((fileSize + blockSize - 1) / blockSize); }
    int blockLength(int block) const;
    // "+U" + three digits + data + eight digits of CRC.
    qsizetype frameLength(int block) const { return 5 + blockLength(block) + 8; }
};

// The device's side of a firmware update. It asks for the blocks one at a time ("+Unnn"), checks
// each against its CRC, and after the last one checks the whole image ("+UFFF" good, "+UFFE" bad).
// A frame with a bad CRC is answered "+UFFC", one for another block (or that cannot start a frame)
// "+UFF1", one still incomplete two seconds after its first byte "+UFF0"; each time the same block
// is asked for again.
//
// Frames come as a byte stream (serial link), where the block number gives the frame's length, or
// whole (one message each). The device answers a frame no sooner than the frame could have crossed
// the serial line from its first byte on.
class UpdateReceiver : public QObject
{
    Q_OBJECT
public:
    static constexpr int kFrameTimeoutMs = 2000;
    // After bytes that cannot start a frame, the rest of the frame is let go by until the line is
    // quiet this long; then the block is asked for again.
    static constexpr int kResyncQuietMs = 100;
    // Nothing at all arriving this long after a request: the update is given up and the device
    // carries on with the firmware it has.
    static constexpr int kAbandonMs = 20000;

    struct Timing
    {
        int bytesPerSecond = 0; // 0: a frame counts as arrived with its last byte
        int abandonMs = kAbandonMs;
    };

    explicit UpdateReceiver(const FaultPlan &faults, QObject *parent = nullptr);

    void setTiming(const Timing &timing);
    // From "qz+act=" until the last answer is out, or the update is given up.
    bool isActive() const { return phase_ != Phase::Idle; }

    // Begins an update and asks for block 0.
    void start(const UpdateOffer &offer);
    // Serial link: bytes as they come.
    void receiveBytes(QByteArrayView bytes);
    // Message link: one whole frame.
    void receiveFrame(const QByteArray &frame);

signals:
    // A line for the device's reply path, CR included.
    void lineReady(const QByteArray &line);
    // The last answer ("+UFFF" or "+UFFE") is out.
    void finished(bool imageGood, const QString &version);
    void abandoned();

private:
    enum class Phase { Idle, Receiving, Finishing };

    std::optional<int> headerBlock(QByteArrayView head) const;
    void append(QByteArrayView &bytes);
    void startDiscarding(qsizetype alsoDiscarded);
    void resynchronised();
    void frameTimedOut();
    void take(const QByteArray &frame, qint64 firstByteNs);
    bool failsOnPurpose(const QSet<int> &blocks, int block);
    bool blockFails(int block, QByteArrayView data, QByteArrayView crc);
    void askAgain(qint64 dueNs, int status);
    void finish(qint64 dueNs);
    void abandon();

    qint64 wireDue(qint64 firstByteNs, qsizetype bytes) const;
    void later(qint64 dueNs, std::function<void()> action);
    void runDue();
    void say(const QByteArray &line);
    void stopTimers();

    const FaultPlan faults_;
    Timing timing_;
    Phase phase_ = Phase::Idle;
    UpdateOffer offer_;
    int next_ = 0; // the block asked for
    QByteArray image_;
    QSet<int> failedOnPurpose_;

    // Serial link: the frame coming in.
    QByteArray frame_;
    qint64 frameStartNs_ = 0;
    bool discarding_ = false;
    qsizetype discarded_ = 0;
    QTimer frameTimer_;
    QTimer quietTimer_;
    QTimer idleTimer_;

    // Answers held back until their frame could have crossed the line, in order.
    QList<std::pair<qint64, std::function<void()>>> pending_;
    QTimer pendingTimer_;
    QElapsedTimer clock_;
};

} // namespace quelta::devsim
