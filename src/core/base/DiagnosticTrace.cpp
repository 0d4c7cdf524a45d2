#include "core/base/DiagnosticTrace.h"

#include <QTime>

#include <algorithm>

namespace quelta {

DiagnosticTrace::DiagnosticTrace(QObject *parent)
    : QObject(parent)
    , ring_(kDefaultCapacity)
{
}

void DiagnosticTrace::setPaused(bool paused)
{
    if (paused_ == paused)
        return;
    paused_ = paused;
    emit settingsChanged();
}

void DiagnosticTrace::setHexa(bool hexa)
{
    if (hexa_ == hexa)
        return;
    hexa_ = hexa;
    emit settingsChanged();
}

qsizetype DiagnosticTrace::slot(quint64 sequence) const
{
    return (oldest_ + qsizetype(sequence - firstKept())) % capacity();
}

const TraceLine &DiagnosticTrace::at(quint64 sequence) const
{
    Q_ASSERT(sequence >= firstKept() && sequence < next_);
    return ring_[size_t(slot(sequence))];
}

QList<TraceLine> DiagnosticTrace::linesFrom(quint64 sequence) const
{
    QList<TraceLine> lines;
    const quint64 from = std::max(sequence, firstKept());
    if (from >= next_)
        return lines;
    lines.reserve(qsizetype(next_ - from));
    for (quint64 s = from; s < next_; ++s)
        lines.append(at(s));
    return lines;
}

void DiagnosticTrace::setCapacity(qsizetype lines)
{
    lines = std::max<qsizetype>(lines, 1);
    const quint64 first = next_ - quint64(std::min(size_, lines));
    std::vector<TraceLine> kept(static_cast<size_t>(lines));
    qsizetype n = 0;
    for (quint64 s = first; s < next_; ++s)
        kept[size_t(n++)] = std::move(ring_[size_t(slot(s))]);
    ring_ = std::move(kept);
    oldest_ = 0;
    size_ = n;
}

void DiagnosticTrace::clear()
{
    for (TraceLine &line : ring_)
        line = {};
    oldest_ = 0;
    size_ = 0;
    emit cleared();
}

QString DiagnosticTrace::hexRendering(const QString &text)
{
    const qsizetype separator = text.indexOf(QLatin1String(": "));
    QString rendering = separator >= 0 ? text.left(separator + 1) : QString();
    const qsizetype from = separator >= 0 ? separator + 2 : 1;
    for (qsizetype i = from; i < text.size(); ++i)
        rendering += QStringLiteral(" %1").arg(text.at(i).unicode(), 2, 16, QLatin1Char('0')).toUpper();
    return rendering;
}

TraceColour DiagnosticTrace::colourOf(const QString &line)
{
    if (line.contains(QLatin1String("APayload")))
        return TraceColour::Blue;
    if (line.contains(QLatin1String("AGE44")))
        return TraceColour::Green;
    return TraceColour::Black;
}

qsizetype DiagnosticTrace::nextBreak(const QString &text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n'))
            return i;
    }
    return -1;
}

void DiagnosticTrace::addLine(QString line, TraceColour colour)
{
    // Full: the newest line takes the oldest one's place.
    TraceLine &entry = ring_[size_t((oldest_ + size_) % capacity())];
    if (size_ == capacity())
        oldest_ = (oldest_ + 1) % capacity();
    else
        ++size_;
    entry.text = std::move(line);
    entry.colour = colour;
    ++next_;
    // A copy: a listener that traces in turn may reuse the slot.
    const QString added = entry.text;
    emit lineAdded(added, colour);
}

// Each line of the text becomes one trace line with the same time stamp; line breaks are dropped.
void DiagnosticTrace::Escriure_REPortserie(const QString &text, std::optional<TraceColour> colour)
{
    if (paused_)
        return;
    const QString stamp = QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")) + QLatin1Char(' ');
    QString rest = text;
    rest.replace(QChar(0), QChar(1));
    // Each break is a step of its own; a last single character left after one is dropped. The
    // text is walked once, however many lines it holds.
    qsizetype start = 0;
    while (rest.size() - start > 1) {
        const qsizetype lineBreak = nextBreak(rest, start);
        if (lineBreak < 0) {
            const QString line = stamp + rest.mid(start) + QStringLiteral("   ");
            addLine(line, colour.value_or(colourOf(line)));
            break;
        }
        if (lineBreak > start) {
            const QString line = stamp + rest.mid(start, lineBreak - start);
            addLine(line, colour.value_or(colourOf(line)));
            start = lineBreak;
        } else {
            start = lineBreak + 1;
        }
    }
    if (hexa_) {
        addLine(stamp + hexRendering(text), TraceColour::Red);
        addLine(QStringLiteral(" "), TraceColour::Black);
    }
}

} // namespace quelta
