// quelta-cli's firmware update between quelta-updsim and quelta-devsim on a pseudo-terminal.
#include "CliRun.h"
#include "SimulatedDevice.h"
#include "UpdateServer.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace quelta;

namespace {

const QString kVersion = QStringLiteral("Quelta_v8.7.15");

struct Rig
{
    test::SimulatedDevice device;
    test::UpdateServer server;

    bool start(const QStringList &deviceOptions, const QStringList &serverOptions)
    {
        return server.start(serverOptions)
            && device.start(QStringList{QStringLiteral("--unpaced"), QStringLiteral("--reboot-seconds"), QStringLiteral("0.5")}
                            + deviceOptions);
    }

    test::CliRun cli(const QStringList &command) const
    {
        return test::runCli(QStringList{QStringLiteral("--port"), device.portPath(), QStringLiteral("--update-server"),
                                        QStringLiteral("127.0.0.1:%1").arg(server.port())}
                            + command);
    }
};

const QStringList kImages{QStringLiteral("--image"), kVersion + QStringLiteral("=5000:Nuevo modem"),
                          QStringLiteral("--image"), QStringLiteral("Quelta_v8.8.0=70000:MQTT seguro")};

} // namespace

class TestCliUpdate : public QObject
{
    Q_OBJECT

private slots:
    void listsTheVersions()
    {
        Rig rig;
        QVERIFY(rig.start({}, kImages));
        const test::CliRun run = rig.cli({QStringLiteral("update"), QStringLiteral("list")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("{\"version\":\"%1\",\"description\":\"Nuevo modem\",\"bytes\":5000}").arg(kVersion));
    }

    void listingAnswersWithoutVersions_data()
    {
        QTest::addColumn<QStringList>("serverOptions");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing new") << QStringList() << 0 << "No hay una nueva actualización";
        QTest::newRow("server's error") << QStringList{"--fault", "list-error=Equipo sin contrato"} << 6
                                        << "ERROR EN LA ACTUALIZACION: Equipo sin contrato";
    }

    void listingAnswersWithoutVersions()
    {
        QFETCH(QStringList, serverOptions);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        Rig rig;
        QVERIFY(rig.start({}, serverOptions));
        const test::CliRun run = rig.cli({QStringLiteral("update"), QStringLiteral("list")});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    // To the end: the window's progress texts on stderr, the closing message on stdout. A device
    // whose image fails its CRC ends with the window's dialog, caption first.
    void installs_data()
    {
        QTest::addColumn<QStringList>("deviceOptions");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("to the end") << QStringList() << 0 << "Quelta actualizado a la versión " + kVersion + "\n"
                                    << "Envío ... (Bloque 5 / 5)";
        QTest::newRow("image CRC") << QStringList{"--fault", "update-image-crc"} << 6 << QString()
                                   << "ACTUALIZACION DEL QUELTA: FALLO DE CRC: Quelta actualizado a la versión " + kVersion;
    }

    void installs()
    {
        QFETCH(QStringList, deviceOptions);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        Rig rig;
        QVERIFY(rig.start(deviceOptions, kImages));
        const test::CliRun run = rig.cli({QStringLiteral("update"), QStringLiteral("install"), kVersion});
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        QCOMPARE(run.out, out);
        QVERIFY2(run.err.contains(QStringLiteral("VERSION : %1 Petición bloque 1 / 5").arg(kVersion)), qPrintable(run.err));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
    }

    void anUnknownVersionIsRefused()
    {
        Rig rig;
        QVERIFY(rig.start({}, kImages));
        const test::CliRun run = rig.cli({QStringLiteral("update"), QStringLiteral("install"), QStringLiteral("9.9")});
        QCOMPARE(run.exitCode, 6);
        QVERIFY2(run.err.contains(QLatin1String("offers no version 9.9")), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCliUpdate)
#include "test_cli_update.moc"
