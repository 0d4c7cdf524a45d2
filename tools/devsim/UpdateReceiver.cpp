#include "UpdateReceiver.h"

#include "core/codecs/Crc32.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace quelta::devsim {
namespace {

constexpr qsizetype kHeaderLength = 5; // "+U" and three hexadecimal digits
constexpr qsizetype kCrcLength = 8;
constexpr qint64 kNsPerMs = 1000000;

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

QByteArray statusLine(int code)
{
    return "+U" + QByteArray::number(code, 16).toUpper().rightJustified(3, '0') + '\r';
}

// Status codes in the place of a block number.
constexpr int kTimedOut = 0xFF0;
constexpr int kBadStart = 0xFF1;
constexpr int kBadEnd = 0xFF2;
constexpr int kBadCrc = 0xFFC;
constexpr int kImageBad = 0xFFE;
constexpr int kImageGood = 0xFFF;

std::optional<qint64> positiveNumber(const QString &text)
{
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    return ok && number > 0 ? std::optional(number) : std::nullopt;
}

} // namespace

std::optional<UpdateOffer> UpdateOffer::parse(const QString &text)
{
    const QStringList fields = text.split(u',');
    if (fields.size() != 4)
        return std::nullopt;
    const std::optional<qint64> blockSize = positiveNumber(fields.at(0));
    const std::optional<qint64> fileSize = positiveNumber(fields.at(1));
    bool crcOk = false;
    const quint32 crc = fields.at(2).toUInt(&crcOk, 16);
    if (!blockSize || !fileSize || *blockSize > kMaxBlockSize || !crcOk || fields.at(2).size() > 8
        || fields.at(3).isEmpty())
        return std::nullopt;
    UpdateOffer offer{static_cast<int>(*blockSize), *fileSize, crc, fields.at(3)};
    if (*fileSize > qint64(kMaxBlocks) * offer.blockSize)
        return std::nullopt;
    return offer;
}

int UpdateOffer::blockLength(int block) const
{
    return static_cast<int>(std::min<qint64>(blockSize, fileSize - qint64(block) * blockSize));
}

UpdateReceiver::UpdateReceiver(const FaultPlan &faults, QObject *parent) : QObject(parent), faults_(faults)
{
    clock_.start();
    for (QTimer *timer : {&frameTimer_, &quietTimer_, &idleTimer_, &pendingTimer_}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    frameTimer_.setInterval(kFrameTimeoutMs);
    quietTimer_.setInterval(kResyncQuietMs);
    idleTimer_.setInterval(timing_.abandonMs);
    connect(&frameTimer_, &QTimer::timeout, this, &UpdateReceiver::frameTimedOut);
    connect(&quietTimer_, &QTimer::timeout, this, &UpdateReceiver::resynchronised);
    connect(&idleTimer_, &QTimer::timeout, this, &UpdateReceiver::abandon);
    connect(&pendingTimer_, &QTimer::timeout, this, &UpdateReceiver::runDue);
}

void UpdateReceiver::setTiming(const Timing &timing)
{
    timing_ = timing;
    idleTimer_.setInterval(timing_.abandonMs);
}

void UpdateReceiver::start(const UpdateOffer &offer)
{
    stopTimers();
    pending_.clear();
    offer_ = offer;
    next_ = 0;
    image_.clear();
    image_.reserve(offer.fileSize);
    failedOnPurpose_.clear();
    frame_.clear();
    discarding_ = false;
    phase_ = Phase::Receiving;
    idleTimer_.start();
    say(statusLine(next_));
}

// The block number in a frame's first bytes ("+U01A" -> 26); -1 when they cannot start a frame
// of this image, nothing while too few have come to tell.
std::optional<int> UpdateReceiver::headerBlock(QByteArrayView head) const
{
    const qsizetype known = std::min(head.size(), kHeaderLength);
    for (qsizetype i = 0; i < known; ++i) {
        const bool fits = i == 0 ? head[i] == '+' : i == 1 ? head[i] == 'U' : isHexDigit(head[i]);
        if (!fits)
            return -1;
    }
    if (known < kHeaderLength)
        return std::nullopt;
    const int block = head.sliced(2, 3).toByteArray().toInt(nullptr, 16);
    return block < offer_.blockCount() ? block : -1;
}

void UpdateReceiver::receiveBytes(QByteArrayView bytes)
{
    if (phase_ != Phase::Receiving || bytes.isEmpty())
        return;
    idleTimer_.start();
    while (!bytes.isEmpty() && phase_ == Phase::Receiving) {
        if (discarding_) {
            discarded_ += bytes.size();
            quietTimer_.start();
            return;
        }
        append(bytes);
    }
}

// Takes from `bytes` what belongs to the frame coming in, and hands the frame on once whole.
void UpdateReceiver::append(QByteArrayView &bytes)
{
    if (frame_.isEmpty()) {
        frameStartNs_ = clock_.nsecsElapsed();
        frameTimer_.start();
    }
    const std::optional<int> known = headerBlock(frame_);
    const qsizetype wanted = known ? offer_.frameLength(*known) : kHeaderLength;
    const qsizetype taken = std::min(bytes.size(), wanted - frame_.size());
    frame_.append(bytes.first(taken));
    bytes = bytes.sliced(taken);
    const std::optional<int> block = headerBlock(frame_);
    if (block == -1) {
        startDiscarding(bytes.size());
        bytes = {};
        return;
    }
    if (block && frame_.size() == offer_.frameLength(*block)) {
        frameTimer_.stop();
        take(std::exchange(frame_, {}), frameStartNs_);
    }
}

// What cannot start a frame has no length to go by: everything goes until the line is quiet.
void UpdateReceiver::startDiscarding(qsizetype alsoDiscarded)
{
    frameTimer_.stop();
    discarding_ = true;
    discarded_ = frame_.size() + alsoDiscarded;
    frame_.clear();
    quietTimer_.start();
}

void UpdateReceiver::resynchronised()
{
    discarding_ = false;
    askAgain(wireDue(frameStartNs_, discarded_), kBadStart);
}

void UpdateReceiver::frameTimedOut()
{
    const qsizetype received = std::exchange(frame_, {}).size();
    askAgain(wireDue(frameStartNs_, received), kTimedOut);
}

void UpdateReceiver::receiveFrame(const QByteArray &frame)
{
    if (phase_ != Phase::Receiving)
        return;
    if (!frame.startsWith("+U")) {
        qWarning("quelta-devsim: not a firmware block, ignored during the update: %s", frame.left(40).toHex(' ').constData());
        return;
    }
    idleTimer_.start();
    const qint64 arrived = clock_.nsecsElapsed();
    const std::optional<int> block = headerBlock(frame);
    if (!block || *block < 0)
        askAgain(wireDue(arrived, frame.size()), kBadStart);
    else
        take(frame, arrived);
}

// A frame with a block number of this image: the one asked for, of the right length and CRC, is
// kept and the next one asked for.
void UpdateReceiver::take(const QByteArray &frame, qint64 firstByteNs)
{
    const qint64 due = wireDue(firstByteNs, frame.size());
    const int block = headerBlock(frame).value_or(-1);
    if (block != next_)
        return askAgain(due, kBadStart);
    if (frame.size() != offer_.frameLength(block))
        return askAgain(due, kBadEnd);
    const QByteArrayView data = QByteArrayView(frame).sliced(kHeaderLength, offer_.blockLength(block));
    if (failsOnPurpose(faults_.updateLateBlocks, block))
        return askAgain(due, kTimedOut);
    if (blockFails(block, data, QByteArrayView(frame).last(kCrcLength)))
        return askAgain(due, kBadCrc);
    image_.append(data);
    if (++next_ == offer_.blockCount())
        return finish(due);
    later(due, [this, line = statusLine(next_)] { say(line); });
}

// A block named by a fault fails once, at its first arrival.
bool UpdateReceiver::failsOnPurpose(const QSet<int> &blocks, int block)
{
    if (!blocks.contains(block) || failedOnPurpose_.contains(block))
        return false;
    failedOnPurpose_.insert(block);
    return true;
}

bool UpdateReceiver::blockFails(int block, QByteArrayView data, QByteArrayView crc)
{
    if (failsOnPurpose(faults_.updateBadBlocks, block))
        return true;
    bool ok = false;
    const quint32 expected = crc.toByteArray().toUInt(&ok, 16);
    return !ok || !std::all_of(crc.begin(), crc.end(), isHexDigit) || CalcCRC32(data.toByteArray()) != expected;
}

// The status, then the block asked for once more.
void UpdateReceiver::askAgain(qint64 dueNs, int status)
{
    later(dueNs, [this, status, line = statusLine(next_)] {
        say(statusLine(status));
        say(line);
    });
}

void UpdateReceiver::finish(qint64 dueNs)
{
    stopTimers();
    phase_ = Phase::Finishing;
    const bool good = !faults_.updateImageCrc && CalcCRC32(image_) == offer_.imageCrc;
    image_.clear();
    later(dueNs, [this, good] {
        say(statusLine(good ? kImageGood : kImageBad));
        phase_ = Phase::Idle;
        emit finished(good, offer_.version);
    });
}

void UpdateReceiver::abandon()
{
    qWarning("quelta-devsim: no firmware block for %d s: update to %s given up", timing_.abandonMs / 1000,
             qPrintable(offer_.version));
    stopTimers();
    pending_.clear();
    frame_.clear();
    image_.clear();
    discarding_ = false;
    phase_ = Phase::Idle;
    emit abandoned();
}

// When the last of `bytes` bytes, the first of which came at `firstByteNs`, would have crossed the
// serial line.
qint64 UpdateReceiver::wireDue(qint64 firstByteNs, qsizetype bytes) const
{
    if (timing_.bytesPerSecond <= 0)
        return firstByteNs;
    return firstByteNs + (qint64(bytes) * 1000000000 + timing_.bytesPerSecond - 1) / timing_.bytesPerSecond;
}

// Answers leave in the order given, none before its time.
void UpdateReceiver::later(qint64 dueNs, std::function<void()> action)
{
    if (!pending_.isEmpty())
        dueNs = std::max(dueNs, pending_.last().first);
    pending_.append({dueNs, std::move(action)});
    runDue();
}

void UpdateReceiver::runDue()
{
    while (!pending_.isEmpty() && pending_.first().first <= clock_.nsecsElapsed())
        pending_.takeFirst().second();
    if (pending_.isEmpty())
        return;
    const qint64 waitNs = pending_.first().first - clock_.nsecsElapsed();
    pendingTimer_.start(static_cast<int>(std::max<qint64>(1, (waitNs + kNsPerMs - 1) / kNsPerMs)));
}

void UpdateReceiver::say(const QByteArray &line)
{
    if (!faults_.updateSilent)
        emit lineReady(line);
}

void UpdateReceiver::stopTimers()
{
    for (QTimer *timer : {&frameTimer_, &quietTimer_, &idleTimer_})
        timer->stop();
}

} // namespace quelta::devsim
