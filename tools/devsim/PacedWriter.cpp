#include "PacedWriter.h"

#include <algorithm>

namespace quelta::devsim {
namespace {

constexpr int kPumpIntervalMs = 2;
// Time the sink spent refusing bytes is not made up for afterwards beyond this.
constexpr qint64 kMaxBurst = 64;

} // namespace

PacedWriter::PacedWriter(Sink sink, int bytesPerSecond, QObject *parent)
    : QObject(parent), sink_(std::move(sink)), bytesPerSecond_(bytesPerSecond)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kPumpIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &PacedWriter::pump);
}

void PacedWriter::enqueue(const QByteArray &bytes)
{
    if (queue_.isEmpty()) {
        clock_.start();
        sent_ = 0;
    }
    queue_.append(bytes);
    pump();
}

void PacedWriter::clear()
{
    queue_.clear();
    timer_.stop();
}

void PacedWriter::pump()
{
    qint64 allowed = queue_.size();
    if (bytesPerSecond_ > 0) {
        const qint64 due = clock_.elapsed() * bytesPerSecond_ / 1000;
        sent_ = std::max(sent_, due - kMaxBurst);
        allowed = std::min(allowed, due - sent_);
    }
    if (allowed > 0) {
        const qint64 written = sink_(QByteArrayView(queue_).first(allowed));
        if (written < 0) {
            clear();
            return;
        }
        queue_.remove(0, written);
        sent_ += written;
    }
    if (queue_.isEmpty())
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

} // namespace quelta::devsim
