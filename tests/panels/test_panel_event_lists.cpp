#include "PanelFixture.h"

#include <QtTest>

using namespace quelta;
using namespace quelta::test;

class TestPanelEventLists : public QObject
{
    Q_OBJECT

private slots:
    void bcListFromTheCloud()
    {
        PanelFixture f(QStringLiteral("BC600"));
        f.format.shortTimeFormat = QStringLiteral("hh:mm");
        const QString time = QString::number(QDateTime(QDate(2026, 5, 1), QTime(14, 5)).toSecsSinceEpoch(), 16);
        f.source.records.insert(QStringLiteral("Equipments/3A0F2C1B84D95E07/BC600/Events/Fault"),
                                QStringLiteral(R"({"EVT00012_FFF":{"time":"%1","eventText":"Fault","zoneText":"Kitchen","elementText":""},)"
                                               R"("EVT00120_003":{"time":"%1","eventText":"Open loop","zoneText":"Hall","elementText":"Detector 3"}})")
                                    .arg(time));
        f.display.setCounter(QStringLiteral("LNumBC600Avaries"), 2);
        f.events.selectBcCounter(PanelFamily::Bc600, 4);
        QCOMPARE(f.display.control(QStringLiteral("LNumBC600")).caption, QStringLiteral("2     Averías"));
        QCOMPARE(f.display.lines(QStringLiteral("REBC600")),
                 (QStringList{"  12      Fault   14:05", "  \tKitchen", "  \t", QString(75, u'-'),
                              "  120/003 Open loop   14:05", "  \tHall", "  \tDetector 3"}));
        QCOMPARE(f.display.control(QStringLiteral("REBC600")).font, colour::red);

        // A counter at zero shows an empty blue box.
        f.events.selectBcCounter(PanelFamily::Bc600, 1);
        QVERIFY(f.display.lines(QStringLiteral("REBC600")).isEmpty());
        QCOMPARE(f.display.control(QStringLiteral("REBC600")).font, colour::blue);
    }

    void bcNoticeReloadsOnlyTheSelectedList()
    {
        PanelFixture f(QStringLiteral("BC600"));
        f.display.setCounter(QStringLiteral("LNumBC600Avaries"), 1);
        f.events.selectBcCounter(PanelFamily::Bc600, 4);
        f.source.reads.clear();
        f.events.Event_Central_BC(PanelFamily::Bc600, QStringLiteral("0001"));
        QVERIFY(f.source.reads.isEmpty());
        f.events.Event_Central_BC(PanelFamily::Bc600, QStringLiteral("0004"));
        QCOMPARE(f.source.reads.size(), 1);
    }

    void syncroLines_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fire in a zone") << "1|00|05|1|03|Kitchen"
                                        << QStringList{"FUEGO: \t* FUEGO: ZONA  03 *", "AD=005.00   LP=1   CENT= 01", "Kitchen"};
        QTest::newRow("short circuit on the loop") << "6|1C|01|2|00|x"
                                                   << QStringList{"AVERÍA: \t* AVERÍA:  *", "LOOP= 2   CENT= 1", "Corto circuito en lazo"};
        QTest::newRow("zone disabled") << "7|00|00|1|04|x"
                                       << QStringList{"DESACTIVACIÓN: \t* DESACTIVACIÓN:  *", "ZONA=4", "desactivado zona"};
        QTest::newRow("supervised sounder") << "6|12|02|1|00|x"
                                            << QStringList{"AVERÍA: \t* AVERIAS: ACUSTICO 3 ZONA 0 *", "Avería de salida supervisada"};
        QTest::newRow("kind without caption") << "12|00|05|1|03|x" << QStringList{};
        QTest::newRow("five fields") << "1|00|05|1|03" << QStringList{};
    }
    void syncroLines()
    {
        QFETCH(QString, payload);
        QFETCH(QStringList, lines);
        PanelFixture f(QStringLiteral("Syncro"));
        f.events.Event_Central_Syncro(payload);
        QCOMPARE(f.display.lines(QStringLiteral("MSyncroPantalla")), lines);
    }

    void syncroCloudList()
    {
        PanelFixture f(QStringLiteral("Syncro"));
        f.source.records.insert(QStringLiteral("Equipments/3A0F2C1B84D95E07/Syncro/Events/Test"),
                                QStringLiteral("{\"0009000A0102:x:Hall\r\"}"));
        QCOMPARE(f.events.AgafaEventsSyncro(QStringLiteral("Test")),
                 QStringLiteral("\t* MODO DE PRUEBA *\r\nZONA=2   CENT=1\r\nModo de prueba audible"));
    }

    void id3000Event()
    {
        PanelFixture f(QStringLiteral("ID3000"));
        f.events.Event_Central_ID3000(QStringLiteral("0001EVTDET02017: {eventText:TIPO  03 PUNT Kitchen"));
        QCOMPARE(f.display.lines(QStringLiteral("REID3000Pantalla")),
                 (QStringList{QStringLiteral("Alarma: ZONA   17") + QString(36, u' '), "DESCRIPCION: ID3000           L2  DET",
                              "Kitchen", "Sensor Óptico (Fotoeléctrico)", ""}));
        const DisplayLine heading = f.display.control(QStringLiteral("REID3000Pantalla")).lines->first();
        QVERIFY(heading.bold);
        QCOMPARE(heading.colour, colour::black);
        QCOMPARE(f.display.control(QStringLiteral("REID3000Pantalla")).fill, colour::darkYellow);
    }

    void noticesNeedTheStatusScreenAndAnIdentifier()
    {
        PanelFixture f(QStringLiteral("Syncro"));
        f.views.setPanelmostrat(View::Programacio);
        f.events.Event_Central_Syncro(QStringLiteral("1|00|05|1|03|Kitchen"));
        f.views.setPanelmostrat(View::Estat);
        f.link.identConnectar.clear();
        f.events.Event_Central_Syncro(QStringLiteral("1|00|05|1|03|Kitchen"));
        QVERIFY(f.display.lines(QStringLiteral("MSyncroPantalla")).isEmpty());
    }

    void aCloudErrorIsShown()
    {
        PanelFixture f(QStringLiteral("BC600"));
        f.source.error = QStringLiteral("Network unreachable");
        f.display.setCounter(QStringLiteral("LNumBC600Alarmes"), 1);
        f.events.selectBcCounter(PanelFamily::Bc600, 1);
        QCOMPARE(f.prompter.asked.size(), 1);
        QCOMPARE(f.prompter.asked.first().message, QStringLiteral("Network unreachable\nCompruebe la conexión a internet"));
        QCOMPARE(f.prompter.asked.first().autoCloseSeconds, 8);
    }
};

QTEST_GUILESS_MAIN(TestPanelEventLists)
#include "test_panel_event_lists.moc"
