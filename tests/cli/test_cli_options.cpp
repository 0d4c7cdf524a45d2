#include "CliOptions.h"

#include <QtTest>

using namespace quelta::cli;

class TestCliOptions : public QObject
{
    Q_OBJECT

private slots:
    void commandLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("valid");
        QTest::newRow("identify") << "--port /dev/ttyUSB0 identify" << true;
        QTest::newRow("every global option") << "--port P --code 123456 --timeout 5 --verbose status -n 3 --json" << true;
        QTest::newRow("read to a file") << "--port P read -o conf.pla" << true;
        QTest::newRow("restore confirmed") << "--port P restore-defaults --yes" << true;
        QTest::newRow("no port") << "identify" << false;
        QTest::newRow("no command") << "--port P" << false;
        QTest::newRow("unknown command") << "--port P format" << false;
        QTest::newRow("restore unconfirmed") << "--port P restore-defaults" << false;
        QTest::newRow("write without a file") << "--port P write" << false;
        QTest::newRow("send two texts") << "--port P send ver vEr" << false;
        QTest::newRow("frames not a number") << "--port P status -n many" << false;
        QTest::newRow("timeout zero") << "--port P --timeout 0 identify" << false;
        QTest::newRow("option of another command") << "--port P identify --json" << false;
        QTest::newRow("remote") << "--mqtt broker.lan:1884 --id 3A0F --gprs --mqtt-user u --mqtt-password p --client-id c read" << true;
        QTest::newRow("remote, default port") << "--mqtt localhost --id 3A0F identify" << true;
        QTest::newRow("remote without identifier") << "--mqtt localhost identify" << false;
        QTest::newRow("identifier without broker") << "--id 3A0F identify" << false;
        QTest::newRow("port and broker") << "--port P --mqtt localhost --id 3A0F identify" << false;
        QTest::newRow("broker port out of range") << "--mqtt localhost:70000 --id 3A0F identify" << false;
        QTest::newRow("broker without host") << "--mqtt :1883 --id 3A0F identify" << false;
    }

    void commandLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, valid);
        const ParsedOptions parsed = parseOptions(line.split(QLatin1Char(' ')));
        QCOMPARE(parsed.options.has_value(), valid);
        QCOMPARE(parsed.error.isEmpty(), valid);
    }

    void valuesAreTaken()
    {
        const ParsedOptions parsed = parseOptions(
            QStringLiteral("--port /tmp/pty --code 482913 --timeout 7 status -n 4 --json").split(QLatin1Char(' ')));
        QVERIFY(parsed.options);
        const CliOptions &options = *parsed.options;
        QCOMPARE(options.port, QStringLiteral("/tmp/pty"));
        QCOMPARE(options.code, QStringLiteral("482913"));
        QCOMPARE(options.timeoutSeconds, 7);
        QCOMPARE(options.command, Command::Status);
        QCOMPARE(options.frames, 4);
        QVERIFY(options.json);
        QVERIFY(!options.remote);
    }

    void remoteValuesAreTaken()
    {
        const ParsedOptions parsed = parseOptions(QStringLiteral("--mqtt 10.0.0.5:1884 --id 3A0F --gprs --mqtt-user u "
                                                                 "--mqtt-password p --client-id c identify")
                                                      .split(QLatin1Char(' ')));
        QVERIFY(parsed.options && parsed.options->remote);
        const RemoteOptions &remote = *parsed.options->remote;
        QCOMPARE(remote.broker.host, QStringLiteral("10.0.0.5"));
        QCOMPARE(remote.broker.port, 1884);
        QCOMPARE(remote.identifier, QStringLiteral("3A0F"));
        QVERIFY(remote.gprs);
        QCOMPARE(remote.broker.userName, QStringLiteral("u"));
        QCOMPARE(remote.broker.password, QStringLiteral("p"));
        QCOMPARE(remote.broker.clientId, QStringLiteral("c"));
    }
};

QTEST_GUILESS_MAIN(TestCliOptions)
#include "test_cli_options.moc"
