#include "core/base/DiagnosticTrace.h"

#include <QRegularExpression>
#include <QTest>

using namespace quelta;

namespace {

const qsizetype kStamp = QStringLiteral("hh:mm:ss.zzz ").size();

struct Traced
{
    QStringList lines;  // without their time stamps
    QStringList stamps;
    QList<TraceColour> colours;
};

Traced traced(DiagnosticTrace &trace, const QString &text, std::optional<TraceColour> colour = std::nullopt)
{
    Traced out;
    const auto connection = QObject::connect(&trace, &DiagnosticTrace::lineAdded, &trace,
                                             [&out](const QString &line, TraceColour c) {
                                                 out.stamps.append(line.left(kStamp));
                                                 out.lines.append(line.mid(kStamp));
                                                 out.colours.append(c);
                                             });
    trace.Escriure_REPortserie(text, colour);
    QObject::disconnect(connection);
    return out;
}

QStringList tracedLines(const QString &text)
{
    DiagnosticTrace trace;
    return traced(trace, text).lines;
}

QStringList keptTexts(const DiagnosticTrace &trace)
{
    QStringList texts;
    for (const TraceLine &line : trace.linesFrom(0))
        texts.append(line.text);
    return texts;
}

// Traces "0", "1", ... as plain lines ("n" plus the padding of a text without a break).
void traceNumbers(DiagnosticTrace &trace, int from, int to)
{
    for (int i = from; i < to; ++i)
        trace.Escriure_REPortserie(QStringLiteral("L%1").arg(i));
}

QStringList numberLines(int from, int to)
{
    QStringList lines;
    for (int i = from; i < to; ++i)
        lines.append(QStringLiteral("L%1   ").arg(i));
    return lines;
}

QStringList withoutStamps(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out.append(line.mid(kStamp));
    return out;
}

} // namespace

class TestDiagnosticTrace : public QObject
{
    Q_OBJECT

private slots:
    void splitsIntoLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no break: padded") << "abc" << QStringList{"abc   "};
        QTest::newRow("ending in CR") << "abc\r" << QStringList{"abc"};
        QTest::newRow("CR LF") << "a\r\nb\n" << QStringList{"a", "b"};
        QTest::newRow("two replies after a CR") << "+ver:1\r+Inf:Ena\r" << QStringList{"+ver:1", "+Inf:Ena"};
        QTest::newRow("one character after the last break is dropped") << "abc\rX" << QStringList{"abc"};
        QTest::newRow("two characters after the last break are kept") << "abc\rXY" << QStringList{"abc", "XY   "};
        QTest::newRow("a single character alone is dropped") << "X" << QStringList{};
        QTest::newRow("leading breaks") << "\r\rxy" << QStringList{"xy   "};
        QTest::newRow("LF before CR") << "a\nb\rc\r" << QStringList{"a", "b", "c"};
        QTest::newRow("NUL shown as 0x01") << QStringLiteral("a") + QChar(0) + QStringLiteral("b\r") << QStringList{"a\x01" "b"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void splitsIntoLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(tracedLines(text), lines);
    }

    // One entry carries one time stamp, in the program's long time format, on each of its lines.
    void linesOfOneEntryShareTheirStamp()
    {
        DiagnosticTrace trace;
        const Traced out = traced(trace, QStringLiteral("+ver:1\r+Inf:Ena\r"));
        QCOMPARE(out.stamps.size(), 2);
        QCOMPARE(out.stamps.at(0), out.stamps.at(1));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d $")).match(out.stamps.at(0)).hasMatch());
    }

    void hexRendering_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rendering");
        QTest::newRow("after the first \": \"") << "ComPortRx --> : +ver:1" << "ComPortRx --> : 2B 76 65 72 3A 31";
        QTest::newRow("only the first \": \" splits") << "a: b: c" << "a: 62 3A 20 63";
        QTest::newRow("none: from the second character") << "\rqz+\r" << " 71 7A 2B 0D";
        QTest::newRow("a colon without blank does not split") << "+ver:1" << " 76 65 72 3A 31";
        QTest::newRow("\": \" first") << ": A" << ": 41";
        QTest::newRow("nothing after \": \"") << "tx: " << "tx:";
        QTest::newRow("upper case, at least two digits") << QStringLiteral("x: \u00ab\t\u20ac") << "x: AB 09 20AC";
        QTest::newRow("NUL as it came") << QStringLiteral("x: a") + QChar(0) << "x: 61 00";
        QTest::newRow("one character") << "X" << "";
        QTest::newRow("empty") << "" << "";
    }
    void hexRendering()
    {
        QFETCH(QString, text);
        QFETCH(QString, rendering);
        QCOMPARE(DiagnosticTrace::hexRendering(text), rendering);
    }

    // With "Hexa", the entry's lines are followed by its rendering in red and a line with one blank.
    void hexaAddsTheRenderingInRed()
    {
        DiagnosticTrace trace;
        trace.setHexa(true);
        const Traced out = traced(trace, QStringLiteral("ComPortRx --> : AB\r"));
        QCOMPARE(out.lines, (QStringList{"ComPortRx --> : AB", "ComPortRx --> : 41 42 0D", ""}));
        QCOMPARE(out.colours, (QList<TraceColour>{TraceColour::Black, TraceColour::Red, TraceColour::Black}));
        QCOMPARE(out.stamps.at(2), QStringLiteral(" ")); // the blank line carries no time
        QCOMPARE(out.stamps.at(0), out.stamps.at(1));
    }

    void colours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<TraceColour>>("given");
        QTest::addColumn<QList<TraceColour>>("colours");
        const std::optional<TraceColour> none;
        QTest::newRow("fire-panel reply") << "MQTT APayload 01 02" << none << QList<TraceColour>{TraceColour::Blue};
        QTest::newRow("telecontrol") << "AGE44 <- 06" << none << QList<TraceColour>{TraceColour::Green};
        QTest::newRow("both: the panel reply wins") << "AGE44 APayload" << none << QList<TraceColour>{TraceColour::Blue};
        QTest::newRow("other") << "escriu_port" << none << QList<TraceColour>{TraceColour::Black};
        QTest::newRow("per line") << "APayload\rAGE44\rx1\r" << none
                                  << QList<TraceColour>{TraceColour::Blue, TraceColour::Green, TraceColour::Black};
        QTest::newRow("a given colour wins") << "APayload\rx1\r" << std::optional(TraceColour::DarkRed)
                                             << QList<TraceColour>{TraceColour::DarkRed, TraceColour::DarkRed};
    }
    void colours()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<TraceColour>, given);
        QFETCH(QList<TraceColour>, colours);
        DiagnosticTrace trace;
        QCOMPARE(traced(trace, text, given).colours, colours);
    }

    // "Parar": nothing is added, not even the hexadecimal rendering, and nothing is kept.
    void pausedAddsNothing()
    {
        DiagnosticTrace trace;
        trace.setHexa(true);
        trace.setPaused(true);
        QVERIFY(traced(trace, QStringLiteral("ComPortRx --> : +ver:1\r")).lines.isEmpty());
        QCOMPARE(trace.size(), 0);
        QCOMPARE(trace.nextSequence(), quint64(0));
        trace.setPaused(false);
        QCOMPARE(traced(trace, QStringLiteral("ab\r")).lines.size(), 3);
    }

    // The trace keeps its newest lines up to its bound, in order, whether or not anyone shows them.
    void keepsTheNewestLinesUpToItsBound_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("added");
        QTest::newRow("below the bound") << 5 << 3;
        QTest::newRow("at the bound") << 5 << 5;
        QTest::newRow("one over") << 5 << 6;
        QTest::newRow("wrapped several times") << 5 << 23;
        QTest::newRow("the usual bound") << int(DiagnosticTrace::kDefaultCapacity) << 12345;
    }
    void keepsTheNewestLinesUpToItsBound()
    {
        QFETCH(int, capacity);
        QFETCH(int, added);
        DiagnosticTrace trace;
        if (capacity != trace.capacity())
            trace.setCapacity(capacity);
        traceNumbers(trace, 0, added);
        const int kept = std::min(capacity, added);
        QCOMPARE(trace.size(), kept);
        QCOMPARE(trace.nextSequence(), quint64(added));
        QCOMPARE(trace.firstKept(), quint64(added - kept));
        QCOMPARE(withoutStamps(keptTexts(trace)), numberLines(added - kept, added));
        QCOMPARE(trace.at(quint64(added - 1)).text.mid(kStamp), QStringLiteral("L%1   ").arg(added - 1));
        // A viewer that showed up to some line gets the rest; one that fell behind gets what is kept.
        QCOMPARE(withoutStamps([&] {
                     QStringList t;
                     for (const TraceLine &l : trace.linesFrom(quint64(added - 1)))
                         t.append(l.text);
                     return t;
                 }()),
                 numberLines(added - 1, added));
        QCOMPARE(trace.linesFrom(quint64(added)).size(), 0);
    }

    void capacityChangesKeepTheNewest()
    {
        DiagnosticTrace trace;
        trace.setCapacity(6);
        traceNumbers(trace, 0, 9); // kept: 3..8, wrapped
        trace.setCapacity(4);
        QCOMPARE(withoutStamps(keptTexts(trace)), numberLines(5, 9));
        trace.setCapacity(10);
        QCOMPARE(withoutStamps(keptTexts(trace)), numberLines(5, 9));
        traceNumbers(trace, 9, 16);
        QCOMPARE(withoutStamps(keptTexts(trace)), numberLines(6, 16));
    }

    // "Borrar" empties the trace; the numbering goes on, so a viewer never takes new lines for old.
    void clearEmptiesAndNumberingGoesOn()
    {
        DiagnosticTrace trace;
        trace.setCapacity(4);
        traceNumbers(trace, 0, 7);
        trace.clear();
        QCOMPARE(trace.size(), 0);
        QCOMPARE(trace.linesFrom(0).size(), 0);
        QCOMPARE(trace.nextSequence(), quint64(7));
        traceNumbers(trace, 7, 9);
        QCOMPARE(trace.firstKept(), quint64(7));
        QCOMPARE(withoutStamps(keptTexts(trace)), numberLines(7, 9));
    }

    // A message of many short lines (a long stream mirrored at once) keeps every line in order.
    void aTextOfManyLines()
    {
        constexpr int kLines = 200000;
        QString text;
        for (int i = 0; i < kLines; ++i)
            text += QString::number(i % 10) + QLatin1Char('\r');
        const QStringList lines = tracedLines(text);
        QCOMPARE(lines.size(), kLines);
        QCOMPARE(lines.at(kLines - 1), QStringLiteral("9"));
        QCOMPARE(lines.at(12345), QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(TestDiagnosticTrace)
#include "test_diagnostic_trace.moc"
