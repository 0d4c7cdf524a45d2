#include "core/base/DiagnosticTrace.h"

#include <QTime>

namespace quelta {

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

void DiagnosticTrace::addLine(const QString &line, TraceColour colour)
{
    emit lineAdded(line, colour);
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
