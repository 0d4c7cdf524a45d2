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
        QTest::newRow("devices, no port needed") << "devices --company ACME --key abcdef" << true;
        QTest::newRow("devices, every cloud option")
            << "--cloud-db http://127.0.0.1:9000/?ns=q --cloud-auth http://127.0.0.1:9099 --api-key k --email e@x "
               "--password p --timeout 5 devices --company ACME --installer I --reference R --key abcdef"
            << true;
        QTest::newRow("devices, numeric company without key") << "devices --company 1234" << true;
        QTest::newRow("devices, port given anyway") << "--port P devices --company ACME" << true;
        QTest::newRow("devices without company") << "devices --installer I --key abcdef" << false;
        QTest::newRow("reference without installer") << "devices --company ACME --reference R --key abcdef" << false;
        QTest::newRow("key of 6") << "devices --company ACME --key abcdef" << true;
        QTest::newRow("key of 20") << "devices --company ACME --key abcdefghijklmnopqrst" << true;
        QTest::newRow("key of 5") << "devices --company ACME --key abcde" << false;
        QTest::newRow("key of 21") << "devices --company ACME --key abcdefghijklmnopqrstu" << false;
        QTest::newRow("key without value") << "devices --company ACME --key" << false;
        QTest::newRow("search option before the command") << "--company ACME devices" << false;
        QTest::newRow("search option of another command") << "whoami --company ACME" << false;
        QTest::newRow("cloud address without scheme") << "--cloud-db 127.0.0.1:9000 whoami" << false;
        QTest::newRow("cloud address of another scheme") << "--cloud-auth ftp://127.0.0.1 whoami" << false;
        QTest::newRow("delete confirmed") << "delete-device 3A0F2C1B84D95E07 --yes" << true;
        QTest::newRow("delete unconfirmed") << "delete-device 3A0F2C1B84D95E07" << false;
        QTest::newRow("delete without identifier") << "delete-device --yes" << false;
        QTest::newRow("delete of two devices") << "delete-device 3A0F 3A10 --yes" << false;
        QTest::newRow("whoami") << "--email e@x --password p whoami" << true;
        QTest::newRow("whoami with an argument") << "whoami me" << false;
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

    void cloudValuesAreTaken()
    {
        const ParsedOptions parsed = parseOptions(
            {QStringLiteral("--cloud-db"), QStringLiteral("http://127.0.0.1:9000/?ns=quelta"), QStringLiteral("--cloud-auth"),
             QStringLiteral("http://127.0.0.1:9099"), QStringLiteral("--api-key"), QStringLiteral("K"),
             QStringLiteral("--email"), QStringLiteral("a@b.test"), QStringLiteral("--password"), QStringLiteral("secret"),
             QStringLiteral("devices"), QStringLiteral("--company"), QStringLiteral("Protecciones Ibéricas SL"),
             QStringLiteral("--installer"), QStringLiteral("Jordi Puig"), QStringLiteral("--reference"),
             QStringLiteral("Obra 2.B"), QStringLiteral("--key"), QStringLiteral("obra-2b-key")});
        QVERIFY2(parsed.options, qPrintable(parsed.error));
        const CliOptions &options = *parsed.options;
        QCOMPARE(options.command, Command::Devices);
        QCOMPARE(options.cloud.addresses.databaseUrl, QStringLiteral("http://127.0.0.1:9000/?ns=quelta"));
        QCOMPARE(options.cloud.addresses.identityUrl, QStringLiteral("http://127.0.0.1:9099"));
        QCOMPARE(options.cloud.addresses.apiKey, QStringLiteral("K"));
        QCOMPARE(options.cloud.email, QStringLiteral("a@b.test"));
        QCOMPARE(options.cloud.password, QStringLiteral("secret"));
        QCOMPARE(options.search.company, QStringLiteral("Protecciones Ibéricas SL"));
        QCOMPARE(options.search.installer, QStringLiteral("Jordi Puig"));
        QCOMPARE(options.search.reference, QStringLiteral("Obra 2.B"));
        QCOMPARE(options.key, QStringLiteral("obra-2b-key"));

        const ParsedOptions deletion = parseOptions(
            {QStringLiteral("delete-device"), QStringLiteral("--yes"), QStringLiteral("3A0F2C1B84D95E07")});
        QVERIFY(deletion.options);
        QCOMPARE(deletion.options->command, Command::DeleteDevice);
        QCOMPARE(deletion.options->identifier, QStringLiteral("3A0F2C1B84D95E07"));
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
