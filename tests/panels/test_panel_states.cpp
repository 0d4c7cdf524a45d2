#include "PanelFixture.h"

#include "core/link/PanelType.h"

#include <QtTest>

using namespace quelta;
using namespace quelta::test;

namespace {

// "name=tag" pairs as the display holds them.
QStringList tagsOf(const PanelDisplay &display, const QStringList &lamps)
{
    QStringList tags;
    for (const QString &lamp : lamps)
        tags << lamp + QLatin1Char('=') + QString::number(display.tag(lamp));
    return tags;
}

QStringList pairs(const QStringList &lamps, const QList<int> &tags)
{
    QStringList result;
    for (qsizetype i = 0; i < lamps.size(); ++i)
        result << lamps.at(i) + QLatin1Char('=') + QString::number(tags.at(i));
    return result;
}

const QStringList kAgui2State = {"SEstatAlarma", "SEstatAvaria", "SEstatSirenes", "SEstatRetard",
                                 "SEstatDescon", "SEstatProva",  "SEstat220"};

} // namespace

class TestPanelStates : public QObject
{
    Q_OBJECT

private slots:
    void panelTypes_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<QString>("screen");
        QTest::newRow("AE/SA") << "AE/SA" << "PEstatAgui";
        QTest::newRow("AGE 44") << "AGE 44" << "PEstatAgui";
        QTest::newRow("AE/C5") << "AE/C5" << "PEstatAgui2";
        QTest::newRow("Cofem-A is not Cofem") << "Cofem-A" << "PEstatCofemZafir";
        QTest::newRow("Cofem CLVR") << "Cofem CLVR" << "PEstatCofem";
        QTest::newRow("matching is case-sensitive") << "COFEM" << "PEstatQuelta";
        QTest::newRow("Komttech") << "Komttech" << "PEstatKomttech";
        QTest::newRow("Fred has no screen") << "Fred" << "PEstatQuelta";
        QTest::newRow("none") << "" << "PEstatQuelta";
    }
    void panelTypes()
    {
        QFETCH(QString, central);
        QFETCH(QString, screen);
        QCOMPARE(QLatin1String(panelType(central).screen), screen);
    }

    // AE/C5 zone bytes: 0x80 present, 0x01/0x02 alarm, 0x04/0x08 fault, 0x40 call point, 0x20 marker.
    void aeC5Zones_data()
    {
        QTest::addColumn<QString>("byte");
        QTest::addColumn<QList<int>>("tags"); // alarm, fault, picture, number
        QTest::newRow("C5: steady alarm and fault, call point") << "C5" << QList<int>{1, 3, 2, 0};
        QTest::newRow("A2: blinking alarm, marked detector") << "A2" << QList<int>{2, 8, 1, 1};
        QTest::newRow("8A: both blinking") << "8A" << QList<int>{2, 4, 1, 0};
        QTest::newRow("80: quiet zone") << "80" << QList<int>{8, 8, 1, 0};
        QTest::newRow("45: no zone") << "45" << QList<int>{0, 0, 0, 0};
    }
    void aeC5Zones()
    {
        QFETCH(QString, byte);
        QFETCH(QList<int>, tags);
        PanelFixture f(QStringLiteral("AE/C5"));
        f.states.Info_Central_AEC5(QStringLiteral("00|00|1000001|") + byte + QString(30, u'0'));
        const QStringList lamps = {"SZona1", "SSZona1", "IZona1", "PZona1"};
        QCOMPARE(tagsOf(f.display, lamps), pairs(lamps, tags));
        QCOMPARE(f.display.tag(QStringLiteral("Pzona16")), 0);
    }

    void aeC5PanelState_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QList<int>>("tags");
        QTest::newRow("seven digits") << "" << "1002001" << QList<int>{1, 0, 0, 2, 0, 0, 1};
        QTest::newRow("fourteen characters are hexadecimal") << "" << "01020304100607" << QList<int>{1, 2, 3, 4, 16, 6, 7};
        QTest::newRow("non-digits and missing digits keep the lamp") << "2222222" << "1x0" << QList<int>{1, 2, 0, 2, 2, 2, 2};
    }
    void aeC5PanelState()
    {
        QFETCH(QString, before);
        QFETCH(QString, state);
        QFETCH(QList<int>, tags);
        PanelFixture f(QStringLiteral("AE/C5"));
        if (!before.isEmpty())
            f.states.Info_Central_AEC5(QStringLiteral("00|00|") + before + QLatin1Char('|'));
        f.states.Info_Central_AEC5(QStringLiteral("00|00|") + state + QLatin1Char('|'));
        QCOMPARE(tagsOf(f.display, kAgui2State), pairs(kAgui2State, tags));
    }

    void aeC5Interface()
    {
        PanelFixture f(QStringLiteral("AE/C5"));
        f.states.Info_Central_AEC5(QStringLiteral("20|00|0000000|"));
        QVERIFY(f.screen.REInterCentralVisible());
        QVERIFY(f.screen.REInterCentralError());
        f.states.Info_Central_AEC5(QStringLiteral("00|00|0000000|"));
        QVERIFY(!f.screen.REInterCentralError());
    }

    void aeSaListsAndMemo()
    {
        PanelFixture f(QStringLiteral("AE/SA"));
        f.states.Info_Central_AESA(QStringLiteral("4|x|0|1:12=Kitchen;9999=x;5=Hall;7=Extra|||3=  *Lab"));
        QCOMPARE(f.display.list(QStringLiteral("zalarma")),
                 (QStringList{"0012  Kitchen", "9999 Zona de sistema", "0005  Hall"}));
        QCOMPARE(f.display.counters().value(QStringLiteral("nAlarmes")), 4);
        QCOMPARE(f.display.counters().value(QStringLiteral("nAvaries")), 0);
        QCOMPARE(f.display.control(QStringLiteral("LAguiInfo")).caption, QStringLiteral(" ESTADO DE ALARMA: 4 zonas"));
        QCOMPARE(f.display.lines(QStringLiteral("MAguiInfo")),
                 (QStringList{" 1/4 ZONA EN ALARMA", "   0012  Kitchen", "", " 3/4 ZONA EN ALARMA",
                              "   9999 Zona de sistema", "", " 4/4 ZONA EN ALARMA", "   0005  Hall"}));
        QCOMPARE(f.display.control(QStringLiteral("SAguiLedsAlarma")).fill, colour::red);
        QCOMPARE(f.display.control(QStringLiteral("SAguiLedsAvaria")).fill, colour::silver);

        f.states.BBAguiProvaClick();
        QCOMPARE(f.display.lines(QStringLiteral("MAguiInfo")),
                 (QStringList{" 1/1 ZONA EN PRUEBA (PRUEBAS)", "   0003    Lab"}));
        QCOMPARE(f.display.control(QStringLiteral("BBAguiProva")).font, colour::green);
        QCOMPARE(f.display.control(QStringLiteral("BBAguiAlarma")).font, colour::grey);
    }

    void aeSaGreyedWithoutPanel()
    {
        PanelFixture f(QStringLiteral("AE/SA"), 1);
        f.states.Info_Central_AESA(QStringLiteral("1|0|0|0:12=Kitchen|||"));
        QCOMPARE(f.display.control(QStringLiteral("MAguiInfo")).visible, false);
        QCOMPARE(f.display.control(QStringLiteral("LAguiInfo")).caption, QString());
    }

    // Three characters per zone: alarm, fault, mode (0 annulled, 1 test, 2 normal).
    void threeCharacterZones_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Urano 201: steady alarm, zone in test") << "Urano" << "201"
                                                                << QStringList{"SLed11=2", "SLed12=3", "SLedZTest=2"};
        QTest::newRow("Urano 121: fast fault in test") << "Urano" << "121" << QStringList{"SLed11=1", "SLed12=2"};
        QTest::newRow("Urano 012: normal fault") << "Urano" << "012" << QStringList{"SLed11=0", "SLed12=1", "SLedZTest=0"};
        QTest::newRow("Komttech annulled") << "Komttech" << "000" << QStringList{"SKLed11=0", "SKLed12=4"};
        QTest::newRow("Supra annulled") << "Supra" << "200" << QStringList{"SAlLZ1=2", "SAvLZ1=3"};
    }
    void threeCharacterZones()
    {
        QFETCH(QString, central);
        QFETCH(QString, zone);
        QFETCH(QStringList, expected);
        PanelFixture f(central);
        const QString text = QStringLiteral("1234|") + zone;
        if (central == QLatin1String("Urano"))
            f.states.Info_Central_Urano(text);
        else if (central == QLatin1String("Komttech"))
            f.states.Info_Central_Komttech(text);
        else
            f.states.Info_Central_Supra(text);
        for (const QString &pair : expected) {
            const QString lamp = pair.section(u'=', 0, 0);
            QCOMPARE(lamp + u'=' + QString::number(f.display.tag(lamp)), pair);
        }
        // A zone the text does not reach is off.
        QCOMPARE(f.display.tag(central == QLatin1String("Supra") ? QStringLiteral("SAlLZ12") : central == QLatin1String("Urano") ? QStringLiteral("SLed121") : QStringLiteral("SKLed121")), 0);
    }

    void uranoGeneralFlags()
    {
        PanelFixture f(QStringLiteral("Urano"));
        QString state = QString(36, u'0') + QString(31, u'0');
        state[51] = u'1'; // earth fault
        state[52] = u'4'; // power fault
        state[55] = u'2';
        state[57] = u'1'; // the later sounder flag decides
        f.states.Info_Central_Urano(QStringLiteral("1234|") + state);
        QCOMPARE(f.display.control(QStringLiteral("SLedFalloTerra")).fill, colour::amber);
        QCOMPARE(f.display.tag(QStringLiteral("SLedFalloAlim")), 3);
        QCOMPARE(f.display.tag(QStringLiteral("SLedFalloSirenes")), 1);
        QCOMPARE(f.display.control(QStringLiteral("SLedFalloServei")).fill, colour::lime);

        f.states.Info_Central_Urano(QStringLiteral("1234|") + state.left(51));
        QCOMPARE(f.display.tag(QStringLiteral("SLedFalloAlim")), 0);
        QCOMPARE(f.display.control(QStringLiteral("SLedFalloTerra")).fill, colour::silver);
    }

    void cofemZones_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("tags"); // alarm, fault, test
        QTest::newRow("A9 steady alarm") << "A9" << QList<int>{1, 0, 0};
        QTest::newRow("13 alarm in test") << "13" << QList<int>{2, 0, 2};
        QTest::newRow("8C blinking fault") << "8C" << QList<int>{0, 2, 0};
        QTest::newRow("an unknown code keeps the zone") << "FF" << QList<int>{1, 1, 1};
    }
    void cofemZones()
    {
        QFETCH(QString, code);
        QFETCH(QList<int>, tags);
        PanelFixture f(QStringLiteral("Cofem K-CONECTA"));
        for (const char *lamp : {"SAL1", "SAV1", "STE1"})
            f.display.setTag(QLatin1String(lamp), 1);
        f.states.Info_Central_Cofem(QStringLiteral("00100000|") + code);
        QCOMPARE(tagsOf(f.display, {"SAL1", "SAV1", "STE1"}), pairs({"SAL1", "SAV1", "STE1"}, tags));
        QCOMPARE(f.display.tag(QStringLiteral("SLAvBat")), 2);   // the battery digit is 1
        QCOMPARE(f.display.tag(QStringLiteral("SAL12")), 0);     // a short zone field pads with code 0
    }

    void countersOfEventPanels()
    {
        PanelFixture f(QStringLiteral("Syncro"));
        f.states.Info_Central_Syncro(QStringLiteral("00|0|0|0|0|0|3|0|0|0"));
        QCOMPARE(f.display.tag(QStringLiteral("SSyncroAvaria")), 2);
        QCOMPARE(f.display.lines(QStringLiteral("MSyncroPantalla")).first(),
                 QStringLiteral(" ZONA EN ALARMA=000  AVER=003  DESACT=000"));
        QCOMPARE(f.source.reads, QStringList{"Equipments/3A0F2C1B84D95E07/Syncro/Events/Fault"});

        PanelFixture id(QStringLiteral("ID3000"));
        id.states.Info_Central_ID3000(QStringLiteral("00|1|0|0|0|0|0|0|0|2"));
        QCOMPARE(id.display.control(QStringLiteral("LAlarmaID3000")).left, 40);
        QCOMPARE(id.display.control(QStringLiteral("LProvaID3000")).left, 114);
        QCOMPARE(id.display.control(QStringLiteral("LAvariaID3000")).visible, false);
        QCOMPARE(id.display.tag(QStringLiteral("SAlimID3000")), 1);

        PanelFixture bc(QStringLiteral("BC216"));
        bc.states.Info_Central_BC216(QStringLiteral("01|2|0|0|1|0|0|2"));
        QCOMPARE(bc.display.control(QStringLiteral("REBC216Autoritzacio")).caption, QStringLiteral("Nivel instalador"));
        QCOMPARE(bc.display.control(QStringLiteral("LNumBC216Alarmes")).caption, QStringLiteral("2"));
        QCOMPARE(bc.display.control(QStringLiteral("PBC216ResetZumb")).fill, colour::signalAmber);
        QCOMPARE(bc.display.control(QStringLiteral("PBC216Alarmes")).fill, colour::red);
    }

    void cofemAEventsUnderTheirHeadings()
    {
        PanelFixture f(QStringLiteral("Cofem-A"));
        f.states.Info_Central_CofemZafir(QStringLiteral("100000|04011A1B0203"));
        QCOMPARE(f.display.lines(QStringLiteral("RECofemZafirPantalla")),
                 (QStringList{"ALARMAS                                     TIPO:",
                              "01>Bucle  001  Punto 026      humo",
                              "AVERIAS                                      TIPO:",
                              "02>Bucle  002  Punto 003      bucle abierto"}));
        QCOMPARE(f.display.tag(QStringLiteral("SZafirLedAlarma")), 1);
    }

    // Sections that are short, not hexadecimal or have extra fields change nothing they cannot read.
    void malformedStatesKeepTheScreen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("separators only") << "||||:|||";
        QTest::newRow("not hexadecimal") << "ZZ|QQ|ZZZZZZZ|GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG";
        QTest::newRow("extra fields") << "00|00|1000001|C5|extra|more|{}";
    }
    void malformedStatesKeepTheScreen()
    {
        QFETCH(QString, text);
        PanelFixture f(QStringLiteral("AE/C5"));
        f.states.Info_Central_AEC5(QStringLiteral("00|00|2000000|C5"));
        for (auto routine : {&PanelStates::Info_Central_AESA, &PanelStates::Info_Central_AEC5,
                             &PanelStates::Info_Central_BC600, &PanelStates::Info_Central_Cofem,
                             &PanelStates::Info_Central_Urano, &PanelStates::Info_Central_Supra,
                             &PanelStates::Info_Central_CofemZafir, &PanelStates::Info_Central_AvenarBosch,
                             &PanelStates::Info_Central_ID3000})
            (f.states.*routine)(text);
        if (!text.contains(QLatin1String("C5"))) {
            QCOMPARE(f.display.tag(QStringLiteral("SEstatAlarma")), 2);
            QCOMPARE(f.display.tag(QStringLiteral("SZona1")), text.isEmpty() || text.startsWith(u'|') ? 0 : 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestPanelStates)
#include "test_panel_states.moc"
