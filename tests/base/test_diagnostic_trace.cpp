#include "core/base/DiagnosticTrace.h"

#include <QTest>

using namespace quelta;

namespace {

// The lines a text becomes, without their time stamps.
QStringList tracedLines(const QString &text)
{
    DiagnosticTrace trace;
    QStringList lines;
    QObject::connect(&trace, &DiagnosticTrace::lineAdded, &trace,
                     [&lines](const QString &line) { lines.append(line.mid(QStringLiteral("hh:mm:ss.zzz ").size())); });
    trace.Escriure_REPortserie(text);
    return lines;
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
        QTest::newRow("one character after the last break is dropped") << "abc\rX" << QStringList{"abc"};
        QTest::newRow("leading breaks") << "\r\rxy" << QStringList{"xy   "};
        QTest::newRow("NUL shown as 0x01") << QStringLiteral("a") + QChar(0) + QStringLiteral("b\r") << QStringList{"a\x01" "b"};
    }
    void splitsIntoLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(tracedLines(text), lines);
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
