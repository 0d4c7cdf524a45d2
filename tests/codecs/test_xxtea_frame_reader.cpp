#include "core/codecs/Xxtea.h"
#include "core/codecs/XxteaFrameReader.h"

#include <QTest>

using namespace quelta;

namespace {

const QByteArray Key = QByteArrayLiteral("Qu3lt@Upd8");

QByteArray blockLike(int dataBytes)
{
    QByteArray block = "+U01A";
    for (int i = 0; i < dataBytes; ++i)
        block.append(static_cast<char>((i * 131 + 7) & 0xFF));
    return block + "0123ABCD";
}

const QList<QByteArray> Plains = {
    QByteArrayLiteral("qz+act=1024,65536,1A2B3C4D,2.1\r{=}89ABCDEF"),
    blockLike(1024),
    QByteArrayLiteral("+UFFF"),
    blockLike(7),
};

QByteArray stream(const QList<QByteArray> &plains)
{
    QByteArray bytes;
    for (const QByteArray &plain : plains)
        bytes += xxtea::encrypt(plain, Key);
    return bytes;
}

// The stream cut into chunks of the given sizes, the rest in one last chunk.
QList<QByteArray> chunks(const QByteArray &bytes, const QList<int> &sizes)
{
    QList<QByteArray> pieces;
    qsizetype at = 0;
    for (int size : sizes) {
        pieces.append(bytes.mid(at, size));
        at += size;
    }
    if (at < bytes.size())
        pieces.append(bytes.mid(at));
    return pieces;
}

QList<int> frameSizes(const QList<QByteArray> &plains)
{
    QList<int> sizes;
    for (const QByteArray &plain : plains)
        sizes.append(int(xxtea::encrypt(plain, Key).size()));
    return sizes;
}

} // namespace

class TestXxteaFrameReader : public QObject
{
    Q_OBJECT

private slots:
    void rebuildsFrames_data()
    {
        QTest::addColumn<QList<QByteArray>>("plains");
        QTest::addColumn<QList<int>>("chunkSizes");
        const QList<int> eachFrame = frameSizes(Plains);
        QTest::newRow("one chunk per frame") << Plains << eachFrame;
        QTest::newRow("split frames") << Plains << QList<int>{5, 40, 3, eachFrame[0] + eachFrame[1] - 48, 9};
        QTest::newRow("one byte at a time") << Plains.mid(0, 1) << QList<int>(eachFrame[0], 1);
        QTest::newRow("joined frames") << Plains << QList<int>{};
        QTest::newRow("long frame joined to a short one") << Plains.mid(1, 2) << QList<int>{};
        QTest::newRow("joined and split") << Plains << QList<int>{eachFrame[0] + 6, eachFrame[1] + eachFrame[2] - 4, 1};
    }
    void rebuildsFrames()
    {
        QFETCH(QList<QByteArray>, plains);
        QFETCH(QList<int>, chunkSizes);
        XxteaFrameReader reader(Key);
        QList<QByteArray> frames;
        for (const QByteArray &chunk : chunks(stream(plains), chunkSizes)) {
            const XxteaFrameReader::Output output = reader.feed(chunk);
            QCOMPARE(output.droppedBytes, 0);
            frames += output.frames;
        }
        QCOMPARE(frames, plains);
        QCOMPARE(reader.bufferedBytes(), 0);
    }

    void frameIsDeliveredAsSoonAsItIsComplete()
    {
        XxteaFrameReader reader(Key);
        const QByteArray first = xxtea::encrypt(Plains[0], Key);
        const QByteArray second = xxtea::encrypt(Plains[1], Key);
        QVERIFY(reader.feed(first.left(8)).frames.isEmpty());
        // The next frame's first bytes leave the buffer short of a whole word.
        QCOMPARE(reader.feed(first.mid(8) + second.left(3)).frames, QList<QByteArray>{Plains[0]});
        QCOMPARE(reader.bufferedBytes(), 3);
        QCOMPARE(reader.feed(second.mid(3)).frames, QList<QByteArray>{Plains[1]});
    }

    void wrongKeyYieldsNothing()
    {
        XxteaFrameReader reader(QByteArrayLiteral("0123456789"));
        const QByteArray bytes = stream(Plains.mid(0, 1));
        QVERIFY(reader.feed(bytes).frames.isEmpty());
        QCOMPARE(reader.bufferedBytes(), bytes.size());
    }

    // Bytes that never form a frame cannot pile up: past the limit they are dropped, and frames
    // after them are read again.
    void garbageIsBounded()
    {
        XxteaFrameReader reader(Key, 1000);
        QByteArray garbage(300, Qt::Uninitialized);
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>(i * 89 + 3);
        qsizetype dropped = 0;
        for (int i = 0; i < 4; ++i) {
            const XxteaFrameReader::Output output = reader.feed(garbage);
            QVERIFY(output.frames.isEmpty());
            dropped += output.droppedBytes;
        }
        QCOMPARE(dropped, 1200);
        QCOMPARE(reader.bufferedBytes(), 0);
        QCOMPARE(reader.feed(stream(Plains.mid(2, 1))).frames, Plains.mid(2, 1));
    }
};

QTEST_GUILESS_MAIN(TestXxteaFrameReader)
#include "test_xxtea_frame_reader.moc"
