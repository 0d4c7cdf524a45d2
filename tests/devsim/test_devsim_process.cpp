#include "SerialEnd.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>

using quelta::test::SerialEnd;

class TestDevsimProcess : public QObject
{
    Q_OBJECT

private slots:
    void servesThePseudoTerminalAcrossReopeningsAndCleansUp()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("quelta-port"));
        QProcess device;
        device.start(QStringLiteral(DEVSIM_BINARY), {QStringLiteral("--link"), link});
        QVERIFY(device.waitForStarted());
        QVERIFY(device.waitForReadyRead(5000));
        const QString slave = QString::fromLocal8Bit(device.readLine()).trimmed();
        QVERIFY2(slave.startsWith(QLatin1String("/dev/")), qPrintable(slave));
        QCOMPARE(QFileInfo(link).symLinkTarget(), slave);

        for (int session = 0; session < 2; ++session) {
            QThread::msleep(300); // long enough for the device to see the port closed
            const SerialEnd port(link);
            QVERIFY(port.isOpen());
            port.write("\rqz+ver\r");
            QCOMPARE(port.readUntilLine("+ver:", 5000), QByteArray("+ver:Quelta_v8.7.12,3A0F2C1B84D95E07,\r"));
        }

        device.terminate();
        QVERIFY(device.waitForFinished(5000));
        QCOMPARE(device.exitStatus(), QProcess::NormalExit);
        QCOMPARE(device.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void refusesAnUnknownFault()
    {
        QProcess device;
        device.start(QStringLiteral(DEVSIM_BINARY), {QStringLiteral("--fault"), QStringLiteral("explode")});
        QVERIFY(device.waitForFinished(5000));
        QCOMPARE(device.exitCode(), 2);
        QVERIFY(device.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDevsimProcess)
#include "test_devsim_process.moc"
