#include "PacedWriter.h"

#include <QElapsedTimer>
#include <QTest>

using namespace quelta::devsim;

class TestDevsimPacing : public QObject
{
    Q_OBJECT

private slots:
    // A fifth of a second of serial traffic must take about that long: loose bounds, so that a
    // busy machine does not fail the test, but far from "at once" and from "much too slow".
    void releasesBytesAtTheSerialRate()
    {
        QByteArray received;
        PacedWriter writer([&](QByteArrayView bytes) {
            received.append(bytes);
            return bytes.size();
        }, PacedWriter::kSerialBytesPerSecond);
        const QByteArray line(96, 'x');
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 24; ++i) // 2304 bytes = 200 ms
            writer.enqueue(line);
        QVERIFY(received.size() < 200);
        QTest::qWait(50);
        QVERIFY2(received.size() < 1500, qPrintable(QString::number(received.size())));
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 2304, 3000);
        QVERIFY2(clock.elapsed() >= 170, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(received, line.repeated(24));
    }

    void unpacedWritesAtOnce()
    {
        QByteArray received;
        PacedWriter writer([&](QByteArrayView bytes) {
            received.append(bytes);
            return bytes.size();
        }, 0);
        writer.enqueue(QByteArray(5000, 'y'));
        QCOMPARE(received.size(), 5000);
        QCOMPARE(writer.pending(), 0);
    }

    void keepsWhatTheSinkRefusesAndDropsAllWhenNobodyListens()
    {
        int accepting = 0;
        QByteArray received;
        PacedWriter writer([&](QByteArrayView bytes) -> qint64 {
            if (accepting < 0)
                return -1;
            const qsizetype taken = std::min<qsizetype>(bytes.size(), accepting);
            received.append(bytes.first(taken));
            return taken;
        }, 0);
        writer.enqueue("abcdef");
        QCOMPARE(writer.pending(), 6);
        accepting = 4;
        QTRY_COMPARE(received, QByteArray("abcdef"));
        accepting = 0;
        writer.enqueue("ghi");
        QCOMPARE(writer.pending(), 3);
        accepting = -1;
        writer.enqueue("jkl");
        QCOMPARE(writer.pending(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDevsimPacing)
#include "test_devsim_pacing.moc"
