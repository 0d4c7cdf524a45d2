// The device's side of a firmware update: blocks asked for, checked and kept, the image checked,
// the restart into the new firmware; through the library, a pseudo-terminal and a broker.

#include "core/codecs/Crc32.h"

#include "Device.h"
#include "Faults.h"
#include "RemoteEnd.h"
#include "SerialEnd.h"
#include "TestDevice.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using namespace quelta::devsim;

using Lines = QList<QByteArray>;

namespace {

constexpr int kWaitMs = 5000;
const QByteArray kNewFirmware = "Quelta_v9.0.1";

QByteArray crcText(const QByteArray &bytes)
{
    return QByteArray::number(CalcCRC32(bytes), 16).toUpper().rightJustified(8, '0');
}

QByteArray request(int block)
{
    return "+U" + QByteArray::number(block, 16).toUpper().rightJustified(3, '0') + '\r';
}

// A firmware image cut into blocks. Its bytes hold CRs and pieces of frames and commands, which the
// device must take as data.
struct Image
{
    QByteArray bytes;
    int blockSize;

    Image(int size, int blockSize_) : blockSize(blockSize_)
    {
        const QByteArray tricky("\r+U001\rqz+ver\r\n\0", 16);
        for (int i = 0; bytes.size() < size; ++i)
            bytes += (i % 3 == 0) ? tricky : QByteArray(1, char(i * 37 + 11));
        bytes.truncate(size);
    }

    int blocks() const { return static_cast<int>((bytes.size() + blockSize - 1) / blockSize); }
    QByteArray data(int block) const { return bytes.mid(qsizetype(block) * blockSize, blockSize); }
    QByteArray frame(int block) const { return request(block).chopped(1) + data(block) + crcText(data(block)); }
    QByteArray offer(bool rightCrc = true) const
    {
        const QByteArray crc = rightCrc ? crcText(bytes) : crcText(bytes + 'x');
        return "qz+act=" + QByteArray::number(blockSize) + ',' + QByteArray::number(bytes.size()) + ',' + crc + ','
            + kNewFirmware + '\r';
    }
};

FaultPlan plan(const QStringList &texts)
{
    FaultPlan faults;
    for (const QString &text : texts) {
        if (const QString error = addFault(faults, text); !error.isEmpty())
            qFatal("%s", qPrintable(error));
    }
    return faults;
}

// A device in the library, and what it says.
struct Bench
{
    Device device;
    QSignalSpy lines;

    explicit Bench(const QStringList &faults = {}, Device::UpdateTiming timing = quickTiming())
        : device(devsim::test::testDevice(), plan(faults), 1), lines(&device, &Device::lineReady)
    {
        device.setUpdateTiming(timing);
    }

    static Device::UpdateTiming quickTiming()
    {
        Device::UpdateTiming timing;
        timing.rebootMs = 300;
        return timing;
    }

    // The lines said since last asked, of one kind.
    Lines take(Device::LineKind kind)
    {
        Lines taken;
        QList<QList<QVariant>> others;
        while (!lines.isEmpty()) {
            const QList<QVariant> line = lines.takeFirst();
            if (line.at(1).value<Device::LineKind>() == kind)
                taken << line.at(0).toByteArray();
            else
                others << line;
        }
        for (const QList<QVariant> &other : others)
            lines.append(other);
        return taken;
    }

    // The replies to `bytes`, once the first has come (they come together).
    Lines exchange(const QByteArray &bytes, int timeoutMs = kWaitMs)
    {
        take(Device::LineKind::Reply);
        device.receive(bytes);
        Lines replies = take(Device::LineKind::Reply);
        QElapsedTimer clock;
        clock.start();
        while (replies.isEmpty() && clock.elapsed() < timeoutMs) {
            lines.wait(50);
            replies = take(Device::LineKind::Reply);
        }
        return replies;
    }

    // The replies to `bytes` sent in pieces of `piece` bytes.
    Lines exchangeInPieces(const QByteArray &bytes, int piece)
    {
        for (qsizetype at = 0; at + piece < bytes.size(); at += piece)
            device.receive(bytes.sliced(at, piece));
        return exchange(bytes.last(bytes.size() % piece == 0 ? piece : bytes.size() % piece));
    }

    // Whether a status frame comes within the time.
    bool frameComes(int timeoutMs = kWaitMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (take(Device::LineKind::Frame).isEmpty()) {
            if (clock.elapsed() > timeoutMs)
                return false;
            lines.wait(20);
        }
        return true;
    }

    // What "qz+ver" is answered within the time, if anything.
    QByteArray version(int timeoutMs = kWaitMs)
    {
        const Lines replies = exchange("\rqz+ver\r", timeoutMs);
        return replies.isEmpty() ? QByteArray() : replies.first();
    }
};

QByteArray versionReply(const QByteArray &firmware)
{
    return "+ver:" + firmware + ",0123456789ABCDEF,BC600\r";
}

// What the tool sends during an update, step by step.
struct Step
{
    enum Kind { Good, BadCrc, CutShort, NotAFrame };
    Kind kind;
    int block = 0;
};
using Steps = QList<Step>;

QByteArray bytesOf(const Step &step, const Image &image)
{
    QByteArray frame = image.frame(step.block);
    switch (step.kind) {
    case Step::Good: return frame;
    case Step::BadCrc: frame[6] = char(frame[6] ^ 0x01); return frame;
    case Step::CutShort: return frame.chopped(3);
    case Step::NotAFrame: return "+UXYZ\rqz+ver\r";
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TestDevsimUpdate : public QObject
{
    Q_OBJECT

private slots:
    // piece 0: each frame at once.
    void transfersTheImageAndRestartsIntoTheNewFirmware_data()
    {
        QTest::addColumn<int>("blockSize");
        QTest::addColumn<int>("fileSize");
        QTest::addColumn<int>("piece");
        QTest::newRow("short last block") << 64 << 300 << 0;
        QTest::newRow("whole blocks only") << 64 << 256 << 0;
        QTest::newRow("one block") << 1024 << 10 << 0;
        QTest::newRow("byte by byte") << 32 << 100 << 1;
        QTest::newRow("in odd pieces") << 64 << 300 << 7;
    }
    void transfersTheImageAndRestartsIntoTheNewFirmware()
    {
        QFETCH(int, blockSize);
        QFETCH(int, fileSize);
        QFETCH(int, piece);
        const Image image(fileSize, blockSize);
        Bench bench;
        QCOMPARE(bench.exchange("\rqz+Inf\r"), Lines{"+Inf:Ena\r"});
        QVERIFY(bench.frameComes());

        QCOMPARE(bench.exchange(image.offer()), Lines{request(0)});
        QTest::qWait(120); // frame periods with no frame
        for (int block = 0; block < image.blocks(); ++block) {
            const QByteArray frame = image.frame(block);
            const Lines answer = piece == 0 ? bench.exchange(frame) : bench.exchangeInPieces(frame, piece);
            QCOMPARE(answer, Lines{block + 1 < image.blocks() ? request(block + 1) : QByteArray("+UFFF\r")});
        }

        // Restarting: deaf and mute, then the new firmware answers and the stream carries on.
        QCOMPARE(bench.version(150), QByteArray());
        QVERIFY(bench.take(Device::LineKind::Frame).isEmpty());
        QTest::qWait(300);
        QCOMPARE(bench.version(), versionReply(kNewFirmware));
        QVERIFY(bench.frameComes());
    }

    void answersFramesThatGoWrong_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<bool>("rightImageCrc");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Lines>("expected"); // after "+U000"
        QTest::addColumn<QByteArray>("firmware");

        const QByteArray old = "Quelta_v8.7.12";
        const Steps straight{{Step::Good, 0}, {Step::Good, 1}, {Step::Good, 2}};
        QTest::newRow("bad CRC, sent again") << QStringList{} << true
            << Steps{{Step::Good, 0}, {Step::BadCrc, 1}, {Step::Good, 1}, {Step::Good, 2}}
            << Lines{"+U001\r", "+UFFC\r", "+U001\r", "+U002\r", "+UFFF\r"} << kNewFirmware;
        QTest::newRow("a block not asked for") << QStringList{} << true
            << Steps{{Step::Good, 0}, {Step::Good, 2}, {Step::Good, 1}, {Step::Good, 2}}
            << Lines{"+U001\r", "+UFF1\r", "+U001\r", "+U002\r", "+UFFF\r"} << kNewFirmware;
        QTest::newRow("a block twice") << QStringList{} << true
            << Steps{{Step::Good, 0}, {Step::Good, 0}, {Step::Good, 1}, {Step::Good, 2}}
            << Lines{"+U001\r", "+UFF1\r", "+U001\r", "+U002\r", "+UFFF\r"} << kNewFirmware;
        QTest::newRow("bytes that cannot start a frame") << QStringList{} << true
            << Steps{{Step::Good, 0}, {Step::NotAFrame}, {Step::Good, 1}, {Step::Good, 2}}
            << Lines{"+U001\r", "+UFF1\r", "+U001\r", "+U002\r", "+UFFF\r"} << kNewFirmware;
        QTest::newRow("frame cut short times out") << QStringList{} << true
            << Steps{{Step::Good, 0}, {Step::CutShort, 1}, {Step::Good, 1}, {Step::Good, 2}}
            << Lines{"+U001\r", "+UFF0\r", "+U001\r", "+U002\r", "+UFFF\r"} << kNewFirmware;
        QTest::newRow("image CRC wrong") << QStringList{} << false << straight
            << Lines{"+U001\r", "+U002\r", "+UFFE\r"} << old;
        QTest::newRow("fault: image CRC") << QStringList{"update-image-crc"} << true << straight
            << Lines{"+U001\r", "+U002\r", "+UFFE\r"} << old;
        QTest::newRow("fault: block CRC") << QStringList{"update-block-crc=1"} << true
            << Steps{{Step::Good, 0}, {Step::Good, 1}, {Step::Good, 1}, {Step::Good, 2}}
            << Lines{"+U001\r", "+UFFC\r", "+U001\r", "+U002\r", "+UFFF\r"} << kNewFirmware;
    }
    void answersFramesThatGoWrong()
    {
        QFETCH(QStringList, faults);
        QFETCH(bool, rightImageCrc);
        QFETCH(Steps, steps);
        QFETCH(Lines, expected);
        QFETCH(QByteArray, firmware);
        const Image image(80, 32); // 32 + 32 + 16
        Bench bench(faults);
        QCOMPARE(bench.exchange(image.offer(rightImageCrc)), Lines{request(0)});
        Lines answers;
        for (const Step &step : steps)
            answers += bench.exchange(bytesOf(step, image));
        QCOMPARE(answers, expected);
        QTest::qWait(400); // the restart
        QCOMPARE(bench.version(), versionReply(firmware));
    }

    // Over a message link a frame comes whole: one of the wrong length is bad at its end.
    void answersWholeFrames_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Lines>("expected"); // after "+U000"
        QTest::newRow("straight") << Steps{{Step::Good, 0}, {Step::Good, 1}, {Step::Good, 2}}
                                  << Lines{"+U001\r", "+U002\r", "+UFFF\r"};
        QTest::newRow("cut short") << Steps{{Step::Good, 0}, {Step::CutShort, 1}, {Step::Good, 1}, {Step::Good, 2}}
                                   << Lines{"+U001\r", "+UFF2\r", "+U001\r", "+U002\r", "+UFFF\r"};
        QTest::newRow("bad CRC") << Steps{{Step::BadCrc, 0}, {Step::Good, 0}, {Step::Good, 1}, {Step::Good, 2}}
                                 << Lines{"+UFFC\r", "+U000\r", "+U001\r", "+U002\r", "+UFFF\r"};
        QTest::newRow("not asked for") << Steps{{Step::Good, 1}, {Step::Good, 0}, {Step::Good, 1}, {Step::Good, 2}}
                                       << Lines{"+UFF1\r", "+U000\r", "+U001\r", "+U002\r", "+UFFF\r"};
    }
    void answersWholeFrames()
    {
        QFETCH(Steps, steps);
        QFETCH(Lines, expected);
        const Image image(80, 32);
        Bench bench;
        bench.device.receiveCommands('\r' + image.offer());
        Lines answers = bench.take(Device::LineKind::Reply);
        QCOMPARE(answers, Lines{request(0)});
        answers.clear();
        for (const Step &step : steps) {
            bench.device.receiveFrame(bytesOf(step, image));
            answers += bench.take(Device::LineKind::Reply);
        }
        QCOMPARE(answers, expected);
    }

    // No answer before the frame could have crossed the serial line from its first byte on.
    void answersAfterTheFramesWireTime_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("firstPiece"); // bytes sent 50 ms before the rest; 0: all at once
        QTest::newRow("good, at once") << int(Step::Good) << 0;
        QTest::newRow("good, in two pieces") << int(Step::Good) << 100;
        QTest::newRow("bad CRC") << int(Step::BadCrc) << 0;
    }
    void answersAfterTheFramesWireTime()
    {
        QFETCH(int, kind);
        QFETCH(int, firstPiece);
        Device::UpdateTiming timing = Bench::quickTiming();
        timing.inboundBytesPerSecond = 11520;
        Bench bench({}, timing);
        const Image image(2048, 1024);
        QCOMPARE(bench.exchange(image.offer()), Lines{request(0)});
        const QByteArray frame = bytesOf({Step::Kind(kind), 0}, image);
        const qint64 wireMs = (frame.size() * 1000 + 11519) / 11520; // 1037 bytes: 91 ms
        QElapsedTimer clock;
        clock.start();
        if (firstPiece > 0) {
            bench.device.receive(frame.first(firstPiece));
            QTest::qWait(50);
        }
        const Lines answer = bench.exchange(frame.sliced(firstPiece));
        QVERIFY(!answer.isEmpty());
        QVERIFY2(clock.elapsed() >= wireMs - 1, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(clock.elapsed() < wireMs + 500, qPrintable(QString::number(clock.elapsed())));
    }

    void ignoresAMalformedOffer_data()
    {
        QTest::addColumn<QByteArray>("offer");
        QTest::newRow("three fields") << QByteArray("qz+act=1024,2048,1A2B3C4D\r");
        QTest::newRow("five fields") << QByteArray("qz+act=1024,2048,1A2B3C4D,v9,x\r");
        QTest::newRow("block size not a number") << QByteArray("qz+act=big,2048,1A2B3C4D,v9\r");
        QTest::newRow("file size not a number") << QByteArray("qz+act=1024,2k,1A2B3C4D,v9\r");
        QTest::newRow("no blocks") << QByteArray("qz+act=1024,0,1A2B3C4D,v9\r");
        QTest::newRow("more blocks than numbers") << QByteArray("qz+act=1,4081,1A2B3C4D,v9\r");
        QTest::newRow("error text") << QByteArray("qz+act=Version desconocida\r");
    }
    void ignoresAMalformedOffer()
    {
        QFETCH(QByteArray, offer);
        Bench bench;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("malformed update offer")));
        QCOMPARE(bench.exchange(offer + "\rqz+ver\r"), Lines{versionReply("Quelta_v8.7.12")});
    }

    // The tool's watchdog is what ends this; the device carries on with the firmware it has.
    void silentFaultAsksForNothingUntilTheUpdateIsGivenUp()
    {
        Device::UpdateTiming timing = Bench::quickTiming();
        timing.abandonMs = 600;
        Bench bench({QStringLiteral("update-silent")}, timing);
        const Image image(80, 32);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("given up")));
        QCOMPARE(bench.exchange(image.offer(), 300), Lines{});
        QCOMPARE(bench.exchange(image.frame(0), 200), Lines{});
        QCOMPARE(bench.exchange("\rqz+ver\r", 200), Lines{}); // still taken as frame bytes
        QTest::qWait(800);
        QCOMPARE(bench.version(), versionReply("Quelta_v8.7.12"));
    }

    // Paced as a serial line both ways; restarts deaf and mute.
    void transfersOverThePseudoTerminal()
    {
        quelta::test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--reboot-seconds"), QStringLiteral("0.5")}));
        const quelta::test::SerialEnd port(device.portPath());
        QVERIFY(port.isOpen());
        const Image image(4 * 1024 + 100, 1024);
        port.write(image.offer());
        QCOMPARE(port.readUntilLine("+U", kWaitMs), request(0));

        QElapsedTimer clock;
        clock.start();
        qint64 wireMs = 0;
        for (int block = 0; block < image.blocks(); ++block) {
            port.write(image.frame(block));
            wireMs += image.frame(block).size() * 1000 / 11520;
            const QByteArray expected = block + 1 < image.blocks() ? request(block + 1) : QByteArray("+UFFF\r");
            QCOMPARE(port.readUntilLine("+U", kWaitMs), expected);
        }
        QVERIFY2(clock.elapsed() >= wireMs, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));

        port.write("\rqz+ver\r");
        QCOMPARE(port.readUntilLine("+ver:", 250), QByteArray());
        QTest::qWait(400);
        port.write("\rqz+ver\r");
        QCOMPARE(port.readUntilLine("+ver:", kWaitMs), "+ver:" + kNewFirmware + ",3A0F2C1B84D95E07,\r");
    }

    // A frame a message; the restart leaves the broker cleanly and comes back to it.
    void transfersOverTheBroker()
    {
        quelta::test::Remote remote;
        // Paced: the last answer is still on its way out when the restart begins.
        QVERIFY(remote.start({QStringLiteral("--reboot-seconds"), QStringLiteral("0.5")}));
        const QString commands = remote.withId(QStringLiteral("scfa/%1/."));
        const QString replies = remote.withId(QStringLiteral("gcfg/%1/."));
        const Image image(300, 64);
        const qsizetype logBefore = remote.broker.log().size();
        QVERIFY(remote.tool.publish(commands, image.offer()).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(remote.payloads(replies), Lines{request(0)}, kWaitMs);
        for (int block = 0; block < image.blocks(); ++block) {
            QVERIFY(remote.tool.publish(commands, image.frame(block)).isEmpty());
            QTRY_COMPARE_WITH_TIMEOUT(remote.payloads(replies).size(), block + 2, kWaitMs);
        }
        QCOMPARE(remote.payloads(replies).last(), QByteArray("+UFFF\r"));

        // Left with a DISCONNECT, then subscribed afresh.
        const QString clientId = QLatin1String("quelta-devsim-") + remote.device.identifier();
        const auto cameBack = [&] {
            const QString log = remote.broker.log().mid(logBefore);
            const qsizetype left = log.indexOf(QLatin1String("Received DISCONNECT from ") + clientId);
            return left >= 0 && log.indexOf(clientId + QLatin1String(" 0 scfa/"), left) > left;
        };
        QTRY_VERIFY_WITH_TIMEOUT(cameBack(), kWaitMs);
        QVERIFY(remote.tool.publish(commands, "qz+ver").isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(remote.payloads(replies).last(), "+ver:" + kNewFirmware + ',' + remote.device.identifier().toLatin1() + ",\r",
                                  kWaitMs);
        QVERIFY(remote.payloads(remote.withId(QStringLiteral("gsts/%1/."))).isEmpty()); // no will
    }
};

QTEST_GUILESS_MAIN(TestDevsimUpdate)
#include "test_devsim_update.moc"
