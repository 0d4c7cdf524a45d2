#include "DeviceConfig.h"
#include "DeviceModel.h"
#include "Protocol.h"
#include "TestDevice.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta::devsim;
using namespace quelta::devsim::test;

using Lines = QList<QByteArray>;

class TestDevsimProtocol : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("accessCode");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<Lines>("expected");

        QTest::newRow("identification")
            << QString() << QByteArray("\rqz+ver\r\rqz+vEr\r")
            << Lines{"+ver:Quelta_v8.7.12,0123456789ABCDEF,BC600\r", "+vEr:Quelta_v8.7.12,0123456789ABCDEF,QZ20K3,1110\r"};
        QTest::newRow("read") << QString() << QByteArray("\rqz+0102\r") << Lines{"+0102:Acme\r"};
        QTest::newRow("unknown code") << QString() << QByteArray("\rqz+0999\r\rqz+0999=1\r")
                                      << Lines{"+0999:NO_PAR\r", "+0999:NO_PAR\r"};
        QTest::newRow("write echoes and keeps the value")
            << QString() << QByteArray("\rqz+0102=Oficina 3\r\rqz+0102\r") << Lines{"+0102:Oficina 3\r", "+0102:Oficina 3\r"};
        QTest::newRow("clear") << QString() << QByteArray("\rqz+0102=\r\rqz+0102\r") << Lines{"+0102:\r", "+0102:\r"};
        QTest::newRow("the identifier is read-only") << QString() << QByteArray("\rqz+0101=FFFF\r\rqz+0101\r")
                                                     << Lines{"+0101:errprg\r", "+0101:0123456789ABCDEF\r"};
        QTest::newRow("Windows-1252 both ways")
            << QString() << QByteArray("\rqz+0103\r\rqz+0102=Almac\xe9n\r") << Lines{"+0103:P\xe9rez\r", "+0102:Almac\xe9n\r"};
        QTest::newRow("block read ends with its marker")
            << QString() << QByteArray("\rqz+30xx\r")
            << Lines{"+3001:0;0;0;Entrada 1\r", "+3002:0;0;0;Entrada 2\r", "+3003:0;0;0;Entrada 3\r", "+30xx:Ok\r"};
        QTest::newRow("operators block")
            << QString() << QByteArray("\rqz+85xx\r") << Lines{"+8501:Movistar;movistar.es;;;\r", "+8502:\r", "+85xx:Ok\r"};
        QTest::newRow("digit wildcard") << QString() << QByteArray("\rqz+3xxx\r")
                                        << Lines{"+3001:0;0;0;Entrada 1\r", "+3002:0;0;0;Entrada 2\r",
                                                 "+3003:0;0;0;Entrada 3\r", "+3201:1;0;0;;Disparo/Fin\r", "+3xxx:Ok\r"};
        QTest::newRow("a wildcard without codes still ends") << QString() << QByteArray("\rqz+97xx\r") << Lines{"+97xx:Ok\r"};
        QTest::newRow("erase empties but keeps the codes")
            << QString() << QByteArray("\rqz+30xx=0\r\rqz+3002\r\rqz+3002=1;1;0;E2\r")
            << Lines{"+30xx:Erased\r", "+3002:\r", "+3002:1;1;0;E2\r"};
        QTest::newRow("erase part of a block") << QString() << QByteArray("\rqz+320x=0\r\rqz+3201\r\rqz+3001\r")
                                               << Lines{"+320x:Erased\r", "+3201:\r", "+3001:0;0;0;Entrada 1\r"};
        QTest::newRow("factory restore")
            << QString() << QByteArray("\rqz+0103=x\r\rqz+Xxxx=0\r\rqz+0102\r\rqz+0103\r\rqz+0101\r\rqz+1590\r")
            << Lines{"+0103:x\r", "+Xxxx:Initialized\r", "+0102:F\xe1" "brica\r", "+0103:\r", "+0101:0123456789ABCDEF\r",
                     "+1590:BC600\r"};
        QTest::newRow("stream switches") << QString() << QByteArray("\rqz+inf\r\rqz+INf\r\rqz+Inf\r")
                                         << Lines{"+inf:Dis\r", "+Inf:Ena\r", "+Inf:Ena\r"};
        QTest::newRow("lines that are not commands") << QString()
                                                     << QByteArray("noise\r\rxx+0102\r\rqz+Nuar\r\rqz+0102=\r\n\rqz+0102") << Lines{"+0102:\r"};
        QTest::newRow("device commands answer in the frames only")
            << QString() << QByteArray("\rqz+sor=1...\r\rqz+cra\r\rqz+ord=Rearme\r\rqz+Obrir1\r") << Lines{};

        QTest::newRow("locked: programming refused, identification and stream answered")
            << "246810" << QByteArray("\rqz+0102\r\rqz+Xxxx\r\rqz+0102=x\r\rqz+ver\r\rqz+INf\r")
            << Lines{"+0102:Protect\r", "+Xxxx:Protect\r", "+0102:Protect\r", "+ver:Quelta_v8.7.12,0123456789ABCDEF,BC600\r",
                     "+Inf:Protect\r"};
        QTest::newRow("locked: the code line is ended by the next command")
            << "246810" << QByteArray("\rqz+cdp=246810\rqz+INf\r\rqz+0102\r")
            << Lines{"+cdp:Ok\r", "+Inf:Ena\r", "+0102:Acme\r"};
        QTest::newRow("locked: a wrong code")
            << "246810" << QByteArray("\rqz+cdp=111111\rqz+INf\r\rqz+0102\r")
            << Lines{"+cdp:Protect\r", "+Inf:Protect\r", "+0102:Protect\r"};
        QTest::newRow("locked: cdp=* locks again")
            << "246810" << QByteArray("\rqz+cdp=246810\r\rqz+cdp=*\r\rqz+0102\r")
            << Lines{"+cdp:Ok\r", "+cdp:Ok\r", "+0102:Protect\r"};
        QTest::newRow("locked: the code is parameter 0111")
            << "246810" << QByteArray("\rqz+cdp=246810\r\rqz+0111=135790\r\rqz+cdp=*\r\rqz+cdp=135790\r\rqz+0102\r")
            << Lines{"+cdp:Ok\r", "+0111:135790\r", "+cdp:Ok\r", "+cdp:Ok\r", "+0102:Acme\r"};
        QTest::newRow("no access code: cdp=* does not lock")
            << QString() << QByteArray("\rqz+cdp=*\r\rqz+0102\r") << Lines{"+cdp:Ok\r", "+0102:Acme\r"};
    }
    void answers()
    {
        QFETCH(QString, accessCode);
        QFETCH(QByteArray, sent);
        QFETCH(Lines, expected);
        DeviceModel model(testDevice(accessCode), {}, 1);
        Protocol protocol(model);
        QCOMPARE(sendBytewise(protocol, sent), expected);
    }

    void fullReadStreamsEveryCodeInAscendingOrder()
    {
        DeviceModel model(testDevice(), {}, 1);
        Protocol protocol(model);
        const Lines lines = protocol.receive("\rqz+Xxxx\r");
        QStringList codes;
        for (const QByteArray &line : lines)
            codes << QString::fromLatin1(line.mid(1, 4));
        QCOMPARE(codes, QStringList({"0101", "0102", "0103", "0111", "1590", "3001", "3002", "3003", "3201", "8501",
                                     "8502", "Xxxx"}));
        QCOMPARE(lines.last(), QByteArray("+Xxxx:Ok\r"));
    }

    void streamCommandsSwitchTheStream()
    {
        DeviceModel model(testDevice(), {}, 1);
        Protocol protocol(model);
        protocol.receive("\rqz+INf\r");
        QVERIFY(model.streamOn);
        protocol.receive("\rqz+inf\r");
        QVERIFY(!model.streamOn);
    }

    void shippedConfigurationsLoad_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("identification");
        QTest::addColumn<int>("panelCodes"); // codes from 9000 on
        QTest::newRow("standard") << "standard.json" << QByteArray("+ver:Quelta_v8.7.12,3A0F2C1B84D95E07,\r") << 0;
        QTest::newRow("bc600") << "bc600.json" << QByteArray("+ver:Quelta_v8.7.12,3A0F2C1B84D96A11,BC600\r") << 256;
        QTest::newRow("aesa") << "aesa.json" << QByteArray("+ver:Quelta_v8.7.12,3A0F2C1B84D95E22,AE/SA\r") << 1033;
        QTest::newRow("syncro") << "syncro.json" << QByteArray("+ver:Quelta_v8.7.12,3A0F2C1B84D97B33,Syncro\r") << 256;
        QTest::newRow("puertas") << "puertas.json" << QByteArray("+ver:Quelta_v8.7.12,3A0F2C1B84D98C44,Puertas\r") << 0;
    }
    void shippedConfigurationsLoad()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, identification);
        QFETCH(int, panelCodes);
        const ConfigResult result = loadConfig(QDir(QStringLiteral(DEVSIM_CONFIGS)).filePath(file));
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        DeviceModel model(result.config, {}, 1);
        Protocol protocol(model);
        QCOMPARE(protocol.receive("\rqz+ver\r"), Lines{identification});
        QCOMPARE(protocol.receive("\rqz+9xxx\r").size() - 1, panelCodes);
    }

    void aguileraZoneListHasEveryZone()
    {
        const ConfigResult result = loadConfig(QStringLiteral(DEVSIM_CONFIGS "/aesa.json"));
        DeviceModel model(result.config, {}, 1);
        Protocol protocol(model);
        const Lines zones = protocol.receive("\rqz+91xx\r\rqz+92xx\r\rqz+93xx\r\rqz+94xx\r");
        QCOMPARE(zones.size(), 1023 + 4);
        QCOMPARE(zones.first(), QByteArray("+9101:110;Recepci\xf3n\r"));
        QCOMPARE(zones.at(zones.size() - 2), QByteArray("+94FF:110;Zona 1023\r"));
    }

    void builtInDeviceIsTheStandardFile()
    {
        const ConfigResult builtIn = builtInConfig();
        const ConfigResult file = loadConfig(QStringLiteral(DEVSIM_CONFIGS "/standard.json"));
        QVERIFY2(builtIn.error.isEmpty(), qPrintable(builtIn.error));
        QCOMPARE(builtIn.config.parameters, file.config.parameters);
        QCOMPARE(builtIn.config.factory, file.config.factory);
        QVERIFY(builtIn.config.parameters.value(QStringLiteral("0111")).isEmpty());
        QVERIFY(builtIn.config.parameters.value(QStringLiteral("1590")).isEmpty());
    }

    void baseIsExtendedMemberByMember()
    {
        QTemporaryDir dir;
        QFile base(dir.filePath(QStringLiteral("base.json")));
        QVERIFY(base.open(QIODevice::WriteOnly));
        base.write(R"({"identity": {"firmware": "F", "identifier": "I", "parts": "1111"},
                       "parameters": {"0102": "A", "0103": "B", "3001+2": "x{n}"}})");
        base.close();
        const ConfigResult result = parseConfig(
            R"({"base": "base.json", "identity": {"hardware": "H"}, "parameters": {"0103": null, "3002": "y"}})", dir.path());
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.config.identity.firmware, QStringLiteral("F"));
        QCOMPARE(result.config.identity.hardware, QStringLiteral("H"));
        QCOMPARE(result.config.parameters.value(QStringLiteral("0102")), QStringLiteral("A"));
        QVERIFY(!result.config.parameters.contains(QStringLiteral("0103")));
        QCOMPARE(result.config.parameters.value(QStringLiteral("3001")), QStringLiteral("x1"));
        QCOMPARE(result.config.parameters.value(QStringLiteral("3002")), QStringLiteral("y"));
    }

    void badConfigurationsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        const QByteArray identity = R"("identity": {"firmware": "F", "identifier": "I", "parts": "1111"})";
        QTest::newRow("not JSON") << QByteArray("{");
        QTest::newRow("no identity") << QByteArray("{}");
        QTest::newRow("three-part mask") << QByteArray(R"({"identity": {"firmware": "F", "identifier": "I", "parts": "111"}})");
        QTest::newRow("unknown member") << "{" + identity + R"(, "panelType": "BC600"})";
        QTest::newRow("bad code") << "{" + identity + R"(, "parameters": {"01G2": "x"}})";
        QTest::newRow("five digits") << "{" + identity + R"(, "parameters": {"01020": "x"}})";
        QTest::newRow("empty range") << "{" + identity + R"(, "parameters": {"3001+0": "x"}})";
        QTest::newRow("range past FFFF") << "{" + identity + R"(, "parameters": {"FFFF+2": "x"}})";
        QTest::newRow("value not a text") << "{" + identity + R"(, "parameters": {"0102": 5}})";
        QTest::newRow("missing base") << "{" + identity + R"(, "base": "nowhere.json"})";
        QTest::newRow("too fast") << "{" + identity + R"(, "framePeriodMs": 10})";
    }
    void badConfigurationsAreRefused()
    {
        QFETCH(QByteArray, json);
        QVERIFY(!parseConfig(json, QDir::tempPath()).error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDevsimProtocol)
#include "test_devsim_protocol.moc"
