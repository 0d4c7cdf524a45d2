#include "Device.h"
#include "Faults.h"
#include "TestDevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace quelta::devsim;
using namespace quelta::devsim::test;

using Lines = QList<QByteArray>;

namespace {

FaultPlan plan(const QStringList &texts)
{
    FaultPlan faults;
    for (const QString &text : texts) {
        const QString error = addFault(faults, text);
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
    }
    return faults;
}

} // namespace

class TestDevsimFaults : public QObject
{
    Q_OBJECT

private slots:
    void grammar_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("valid");
        for (const char *good : {"silent", "silent:ver", "silent:0102", "drop:3", "garble:100", "slow:250", "slow:0",
                                 "stopstream:0", "stopstream:40", "refuse:0102=errprg", "refuse:96ff=NO_PAR", "vanish:5000",
                                 "update-image-crc", "update-block-crc=0", "update-block-crc:12", "update-block-timeout=3", "update-silent"})
            QTest::newRow(good) << QString::fromLatin1(good) << true;
        for (const char *bad : {"", "loud", "silent:", "drop", "drop:0", "drop:x", "garble:-1", "slow:fast",
                                "refuse:0102", "refuse:0102=maybe", "refuse:01G2=errprg", "refuse:102=NO_PAR", "vanish:",
                                "update-block-crc", "update-block-crc=-1", "update-block-crc=x", "update-block-timeout", "update-silent:1",
                                "update-image-crc=1", "silent=ver"})
            QTest::newRow(bad) << QString::fromLatin1(bad) << false;
    }
    void grammar()
    {
        QFETCH(QString, fault);
        QFETCH(bool, valid);
        FaultPlan faults;
        QCOMPARE(addFault(faults, fault).isEmpty(), valid);
    }

    void commandFaults_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<Lines>("expected");
        QTest::newRow("one command silent") << QStringList{"silent:ver"} << QByteArray("\rqz+ver\r\rqz+0102\r")
                                            << Lines{"+0102:Acme\r"};
        QTest::newRow("a silent write is not carried out")
            << QStringList{"silent:0102"} << QByteArray("\rqz+0102=x\r\rqz+0103\r") << Lines{"+0103:P\xe9rez\r"};
        QTest::newRow("everything silent") << QStringList{"silent"} << QByteArray("\rqz+ver\r\rqz+INf\r\rqz+0102\r")
                                           << Lines{};
        QTest::newRow("refused write keeps the value")
            << QStringList{"refuse:0102=errprg"} << QByteArray("\rqz+0102=x\r\rqz+0102\r")
            << Lines{"+0102:errprg\r", "+0102:Acme\r"};
        QTest::newRow("code taken away")
            << QStringList{"refuse:3002=NO_PAR"} << QByteArray("\rqz+3002\r\rqz+3002=x\r\rqz+30xx\r")
            << Lines{"+3002:NO_PAR\r", "+3002:NO_PAR\r", "+3001:0;0;0;Entrada 1\r", "+3003:0;0;0;Entrada 3\r", "+30xx:Ok\r"};
        QTest::newRow("stream stopped midway")
            << QStringList{"stopstream:2"} << QByteArray("\rqz+30xx\r")
            << Lines{"+3001:0;0;0;Entrada 1\r", "+3002:0;0;0;Entrada 2\r"};
        QTest::newRow("a shorter stream ends normally")
            << QStringList{"stopstream:5"} << QByteArray("\rqz+85xx\r")
            << Lines{"+8501:Movistar;movistar.es;;;\r", "+8502:\r", "+85xx:Ok\r"};
    }
    void commandFaults()
    {
        QFETCH(QStringList, faults);
        QFETCH(QByteArray, sent);
        QFETCH(Lines, expected);
        DeviceModel model(testDevice(), plan(faults), 1);
        Protocol protocol(model);
        QCOMPARE(protocol.receive(sent), expected);
    }

    void dropRemovesEveryNthLine()
    {
        LineFaults faults(plan({"drop:3"}));
        Lines kept;
        for (int i = 1; i <= 9; ++i) {
            if (const std::optional<QByteArray> line = faults.apply(QByteArray::number(i)))
                kept << *line;
        }
        QCOMPARE(kept, Lines({"1", "2", "4", "5", "7", "8"}));
    }

    void garbleInvertsEveryNthByteAcrossLines()
    {
        LineFaults faults(plan({"garble:4"}));
        const QByteArray first = *faults.apply("abcdef");
        const QByteArray second = *faults.apply("ghij");
        QCOMPARE(first, QByteArray("abc") + char(~'d') + "ef");
        QCOMPARE(second, QByteArray("g") + char(~'h') + "ij");
    }

    void slowHoldsEachAnswer()
    {
        Device device(testDevice(), plan({"slow:300"}), 1);
        QSignalSpy lines(&device, &Device::lineReady);
        QElapsedTimer clock;
        clock.start();
        device.receive("\rqz+ver\r");
        QVERIFY(lines.isEmpty());
        QVERIFY(lines.wait(3000));
        QVERIFY(clock.elapsed() >= 250);
        QVERIFY(lines.first().first().toByteArray().startsWith("+ver:"));
    }
};

QTEST_GUILESS_MAIN(TestDevsimFaults)
#include "test_devsim_faults.moc"
