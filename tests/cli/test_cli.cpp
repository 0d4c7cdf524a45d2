#include "CliRun.h"
#include "SimulatedDevice.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelta;
using test::CliRun;
using test::runCli;

namespace {

// A shipped device description with some members changed, written into dir.
QString deviceVariant(const QTemporaryDir &dir, const QString &base, const QByteArray &members)
{
    const QString path = dir.filePath(QStringLiteral("device.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(R"({"base": ")" + test::SimulatedDevice::config(base).toUtf8() + "\", " + members + "}");
    return path;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QTemporaryDir configs_;

private slots:
    void identifyPrintsTheDevice()
    {
        test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--config"), test::SimulatedDevice::config(QStringLiteral("bc600.json"))}));
        const CliRun run = runCli({QStringLiteral("--port"), device.portPath(), QStringLiteral("identify")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject identity = QJsonDocument::fromJson(run.out.toUtf8()).object();
        for (const char *key : {"firmware", "identifier", "hardware", "parts"})
            QVERIFY2(!identity.value(QLatin1String(key)).toString().isEmpty(), key);
        QCOMPARE(identity.value(QLatin1String("panel")).toString(), QStringLiteral("BC600"));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("deviceOptions");
        QTest::addColumn<QStringList>("cliOptions");
        QTest::addColumn<int>("exitCode");

        const QStringList locked{QStringLiteral("--config"), deviceVariant(configs_, QStringLiteral("standard.json"),
                                                                           R"("accessCode": "482913")")};
        QTest::newRow("usage") << QStringList() << QStringList{QStringLiteral("identify")} << 1;
        QTest::newRow("silent device") << QStringList{QStringLiteral("--fault"), QStringLiteral("silent")}
                                       << QStringList{QStringLiteral("--timeout"), QStringLiteral("3")} << 2;
        QTest::newRow("locked, no code") << locked << QStringList() << 5;
        QTest::newRow("locked, wrong code") << locked << QStringList{QStringLiteral("--code"), QStringLiteral("111111")} << 5;
        QTest::newRow("locked, code given") << locked << QStringList{QStringLiteral("--code"), QStringLiteral("482913")} << 0;
    }

    void exitCodes()
    {
        QFETCH(QStringList, deviceOptions);
        QFETCH(QStringList, cliOptions);
        QFETCH(int, exitCode);
        test::SimulatedDevice device;
        QVERIFY(device.start(deviceOptions));
        QStringList arguments = cliOptions;
        if (exitCode != 1)
            arguments = QStringList{QStringLiteral("--port"), device.portPath()} + arguments;
        const CliRun run = runCli(arguments << QStringLiteral("identify"));
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.isEmpty(), exitCode == 0);
        QVERIFY2(exitCode != 0 || run.out.contains(QLatin1String("firmware")), qPrintable(run.err));
    }

    // A run that unlocked the device leaves it locked and silent, whether the command worked or not:
    // the next run without the code is refused.
    void theSessionEndsLocked_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("identify") << QStringList{QStringLiteral("identify")} << 0;
        QTest::newRow("write of a missing template")
            << QStringList{QStringLiteral("write"), configs_.filePath(QStringLiteral("missing.pla"))} << 4;
    }

    void theSessionEndsLocked()
    {
        QFETCH(QStringList, command);
        QFETCH(int, exitCode);
        test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--config"),
                              deviceVariant(configs_, QStringLiteral("standard.json"), R"("accessCode": "482913")")}));
        const QStringList port{QStringLiteral("--port"), device.portPath()};
        const CliRun unlocked = runCli(port + QStringList{QStringLiteral("--verbose"), QStringLiteral("--code"),
                                                          QStringLiteral("482913")} + command);
        QCOMPARE(unlocked.exitCode, exitCode);
        const qsizetype relock = unlocked.err.lastIndexOf(QLatin1String("> qz+cdp=*\n"));
        QVERIFY2(relock > 0, qPrintable(unlocked.err));
        QVERIFY(unlocked.err.indexOf(QLatin1String("> qz+inf\n"), relock) > relock);
        QCOMPARE(runCli(port + QStringList{QStringLiteral("identify")}).exitCode, 5);
    }

    void aPortThatIsNotThere()
    {
        const CliRun run = runCli({QStringLiteral("--port"), QStringLiteral("/dev/quelta-unplugged"), QStringLiteral("identify")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QLatin1String("/dev/quelta-unplugged")));
    }

    // The device's port goes away in the middle of a read: the link is lost, nothing is written.
    void aPortThatVanishesDuringARead()
    {
        QTemporaryDir dir;
        test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--config"), test::SimulatedDevice::config(QStringLiteral("aesa.json")),
                              QStringLiteral("--fault"), QStringLiteral("vanish:2500")}));
        const QString file = dir.filePath(QStringLiteral("lost.pla"));
        const CliRun run = runCli({QStringLiteral("--port"), device.portPath(), QStringLiteral("--timeout"),
                                   QStringLiteral("20"), QStringLiteral("read"), QStringLiteral("-o"), file});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(file));
    }

    void sendPrintsTheReply()
    {
        test::SimulatedDevice device;
        QVERIFY(device.start());
        const CliRun run = runCli({QStringLiteral("--port"), device.portPath(), QStringLiteral("--verbose"),
                                   QStringLiteral("send"), QStringLiteral("0102")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("+0102:Protecciones Ibéricas SL\n"));
        QVERIFY(run.err.contains(QLatin1String("> qz+0102")));
        QVERIFY2(run.err.contains(QStringLiteral("< +0102:Protecciones Ibéricas SL")), qPrintable(run.err));
    }

    // A template read from one device is written to another: what the device refuses, and a
    // template for another panel or no template at all, end with their own exit codes.
    void templatesReadAndWritten_data()
    {
        QTest::addColumn<QString>("readFrom");
        QTest::addColumn<QStringList>("writtenTo");
        QTest::addColumn<bool>("garbled");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("report");

        const QString standard = QStringLiteral("standard.json");
        QTest::newRow("same panel") << standard << QStringList() << false << 0 << "refused 0, unconfirmed 0";
        QTest::newRow("a code refused") << standard << QStringList{QStringLiteral("--fault"), QStringLiteral("refuse:0104=NO_PAR")}
                                        << false << 3 << "0104 refused";
        QTest::newRow("another panel") << QStringLiteral("bc600.json") << QStringList() << false << 4 << "";
        QTest::newRow("not a template") << standard << QStringList() << true << 4 << "";
    }

    void templatesReadAndWritten()
    {
        QFETCH(QString, readFrom);
        QFETCH(QStringList, writtenTo);
        QFETCH(bool, garbled);
        QFETCH(int, exitCode);
        QFETCH(QString, report);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("device.pla"));
        {
            test::SimulatedDevice source;
            QVERIFY(source.start({QStringLiteral("--config"), test::SimulatedDevice::config(readFrom), QStringLiteral("--unpaced")}));
            const CliRun read = runCli({QStringLiteral("--port"), source.portPath(), QStringLiteral("read"), QStringLiteral("-o"), file});
            QCOMPARE(read.exitCode, 0);
        }
        if (garbled) {
            QFile broken(file);
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write("not a template\r\n");
        }
        test::SimulatedDevice target;
        QVERIFY(target.start(writtenTo << QStringLiteral("--unpaced")));
        const CliRun written = runCli({QStringLiteral("--port"), target.portPath(), QStringLiteral("write"), file});
        QCOMPARE(written.exitCode, exitCode);
        QVERIFY2(written.out.contains(report), qPrintable(written.out));
        QCOMPARE(written.out.startsWith(QLatin1String("written ")), exitCode == 0 || exitCode == 3);
    }

    void readPrintsACompleteTemplate()
    {
        test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--unpaced")}));
        QProcess cli;
        cli.start(QStringLiteral(QUELTA_CLI_BINARY), {QStringLiteral("--port"), device.portPath(), QStringLiteral("read")});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QByteArray bytes = cli.readAllStandardOutput();
        QVERIFY(bytes.startsWith("PLANTILLA COMPLETA\r\n"));
        QVERIFY(bytes.contains("102=Protecciones Ib\xE9ricas SL")); // Windows-1252, as the window saves it
    }

    void restoreDefaultsReadsBack()
    {
        test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--unpaced")}));
        const CliRun run = runCli({QStringLiteral("--port"), device.portPath(), QStringLiteral("--verbose"),
                                   QStringLiteral("restore-defaults"), QStringLiteral("--yes")});
        QCOMPARE(run.exitCode, 0);
        const qsizetype restore = run.err.indexOf(QLatin1String("> qz+Xxxx=0"));
        const qsizetype initialised = run.err.indexOf(QLatin1String("< +Xxxx:Initialized"));
        QVERIFY2(restore > 0 && initialised > restore, qPrintable(run.err));
        QVERIFY(run.err.indexOf(QLatin1String("> qz+Xxxx\n"), initialised) > initialised);
    }

    void statusPrintsDecodedFrames()
    {
        test::SimulatedDevice device;
        QVERIFY(device.start());
        const CliRun run = runCli({QStringLiteral("--port"), device.portPath(), QStringLiteral("status"),
                                   QStringLiteral("-n"), QStringLiteral("2"), QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        const QStringList frames = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(frames.size(), 2);
        for (const QString &frame : frames) {
            const QJsonObject status = QJsonDocument::fromJson(frame.toUtf8()).object();
            QCOMPARE(status.value(QLatin1String("inputs")).toArray().size(), 16);
            QVERIFY(status.value(QLatin1String("datetime")).toString().startsWith(QLatin1String("Fecha:")));
        }
    }

    void statusShowsTheFirePanelAndOrdersReachIt()
    {
        test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--config"), test::SimulatedDevice::config(QStringLiteral("aec5.json"))}));
        const CliRun run = runCli({QStringLiteral("--port"), device.portPath(), QStringLiteral("status"),
                                   QStringLiteral("-n"), QStringLiteral("2"), QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject status =
            QJsonDocument::fromJson(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).last().toUtf8()).object();
        const QJsonObject panel = status.value(QLatin1String("panel")).toObject();
        QCOMPARE(panel.value(QLatin1String("family")).toString(), QStringLiteral("Aguilera AE/C5"));
        QCOMPARE(panel.value(QLatin1String("link")).toInt(), 2);
        QVERIFY(panel.value(QLatin1String("lamps")).toObject().contains(QLatin1String("SZona1")));
        QCOMPARE(status.value(QLatin1String("identity")).toObject().value(QLatin1String("central")).toString(),
                 QStringLiteral("AE/C5"));

        const CliRun order = runCli({QStringLiteral("--port"), device.portPath(), QStringLiteral("order"), QStringLiteral("Rearme")});
        QCOMPARE(order.exitCode, 0);
        QCOMPARE(order.out.trimmed(), QStringLiteral("Rearmando la Central desde PC"));
        QCOMPARE(runCli({QStringLiteral("--port"), device.portPath(), QStringLiteral("order"), QStringLiteral("Explode")}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
