#include "core/status/BlinkEngine.h"

#include "ColourNames.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using test::colourName;

namespace {

QString describe(const LampLook &look)
{
    QString text = look.visible ? colourName(look.colour) : QStringLiteral("hidden");
    if (look.picture == LampPicture::Detector)
        text += QStringLiteral(" detector");
    if (look.picture == LampPicture::CallPoint)
        text += QStringLiteral(" call point");
    if (!look.caption.isEmpty())
        text += QLatin1Char(' ') + look.caption;
    if (look.bold)
        text += QStringLiteral(" bold");
    return text;
}

// The ticks (1-based) on which the lamp changed, over the given number of ticks.
QList<int> changes(BlinkEngine &engine, const QString &lamp, int ticks)
{
    QList<int> at;
    for (int tick = 1; tick <= ticks; ++tick) {
        const LampLook before = engine.look(lamp);
        engine.TimerLedsTick();
        if (!(engine.look(lamp) == before))
            at << tick;
    }
    return at;
}

} // namespace

class TestBlinkEngine : public QObject
{
    Q_OBJECT

private slots:
    void everyLampHasItsOwnName()
    {
        QSet<QString> names;
        qsizetype lamps = 0;
        for (const LampGroup &group : blinkGroups()) {
            for (const LampDefinition &lamp : group.lamps)
                names.insert(lamp.name);
            lamps += group.lamps.size();
        }
        QCOMPARE(lamps, 234);
        QCOMPARE(names.size(), lamps);
        QVERIFY(names.contains(QStringLiteral("SLed121")) && names.contains(QStringLiteral("SKLed122")));
    }

    // Slow lamps change every six ticks (600 ms), fast ones every three, all in step.
    void slowAndFastPhases()
    {
        BlinkEngine engine;
        engine.setTag(QStringLiteral("SAL1"), 2);
        engine.setTag(QStringLiteral("SAL12"), 2);
        engine.setTag(QStringLiteral("SLed12"), 2);
        BlinkEngine twin;
        twin.setTag(QStringLiteral("SAL12"), 2);
        QCOMPARE(changes(engine, QStringLiteral("SAL1"), 18), (QList<int>{6, 12, 18}));
        QCOMPARE(changes(twin, QStringLiteral("SAL12"), 18), (QList<int>{6, 12, 18}));
        QCOMPARE(engine.look(QStringLiteral("SAL1")), engine.look(QStringLiteral("SAL12")));
        BlinkEngine fast;
        fast.setTag(QStringLiteral("SLed12"), 2);
        QCOMPARE(changes(fast, QStringLiteral("SLed12"), 9), (QList<int>{3, 6, 9}));
        QCOMPARE(describe(fast.look(QStringLiteral("SLed12"))), QStringLiteral("amber"));
    }

    // However many lamps blink on a counter, a tick steps it once; a counter nobody uses rests.
    void oneStepPerCounterAndTick()
    {
        BlinkEngine engine;
        for (int zone = 1; zone <= 12; ++zone)
            engine.setTag(QStringLiteral("SAL%1").arg(zone), 2);
        engine.setTag(QStringLiteral("SEstatAvaria"), 2);
        engine.TimerLedsTick();
        QCOMPARE(engine.counter(BlinkCounter::Zones), BlinkEngine::kZonesReload - 1);
        QCOMPARE(engine.counter(BlinkCounter::Estat), BlinkEngine::kEstatReload - 1);
        QCOMPARE(engine.counter(BlinkCounter::ZonesRapid), BlinkEngine::kZonesRapidReload);

        engine.restartPhase(BlinkCounter::Zones);
        QCOMPARE(engine.counter(BlinkCounter::Zones), BlinkEngine::kZonesReload);
        engine.setTelecontrolConnected(true);
        engine.TimerLedsTick();
        QCOMPARE(engine.counter(BlinkCounter::Zones), BlinkEngine::kZonesReload);
    }

    void tagRules_data()
    {
        QTest::addColumn<QString>("lamp");
        QTest::addColumn<QList<int>>("tags"); // set in turn
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("look");
        QTest::newRow("Aguilera alarm blinks steady") << "SEstatAlarma" << QList<int>{2} << 6 << "red";
        QTest::newRow("Aguilera mains blinks steady") << "SEstat220" << QList<int>{2} << 6 << "lime";
        QTest::newRow("Aguilera sirens on") << "SEstatSirenes" << QList<int>{1} << 0 << "yellow";
        QTest::newRow("Aguilera sirens blink") << "SEstatSirenes" << QList<int>{2} << 6 << "yellow";
        QTest::newRow("Aguilera zone hidden") << "SZona1" << QList<int>{0} << 0 << "hidden";
        QTest::newRow("Aguilera zone present") << "SSZona16" << QList<int>{8} << 0 << "silver";
        QTest::newRow("Aguilera zone fault") << "SZona4" << QList<int>{3} << 0 << "yellow";
        QTest::newRow("Aguilera zone fault blinks") << "SZona4" << QList<int>{4} << 6 << "yellow";
        QTest::newRow("Aguilera zone other") << "SZona4" << QList<int>{1, 5} << 0 << "silver";
        QTest::newRow("zone picture") << "IZona3" << QList<int>{2} << 0 << "silver call point";
        QTest::newRow("zone picture detector") << "IZona3" << QList<int>{1} << 0 << "silver detector";
        QTest::newRow("zone number") << "PZona7" << QList<int>{0} << 0 << "grayText 7";
        QTest::newRow("zone number marked") << "PZona7" << QList<int>{3} << 0 << "windowText >7 bold";
        QTest::newRow("last zone number") << "Pzona16" << QList<int>{1} << 0 << "windowText >16 bold";
        QTest::newRow("Cofem battery") << "SLBateria" << QList<int>{1} << 0 << "lime";
        QTest::newRow("Cofem sounder relay") << "SLReSir" << QList<int>{2} << 6 << "orange";
        QTest::newRow("Urano alarm blinks on 1") << "SLed11" << QList<int>{1} << 6 << "red";
        QTest::newRow("Urano alarm steady on 2") << "SLed121" << QList<int>{2} << 0 << "red";
        QTest::newRow("Urano test Tag 1 keeps") << "SLedZTest" << QList<int>{1} << 6 << "silver";
        QTest::newRow("Syncro fault") << "SSyncroAvaria" << QList<int>{2} << 6 << "orange";
        QTest::newRow("Komttech annulled") << "SKLed52" << QList<int>{3} << 0 << "hotLight";
        QTest::newRow("Komttech Tag 4") << "SKLed52" << QList<int>{4} << 0 << "black";
        QTest::newRow("Cofem-A off") << "SZafirLedBat" << QList<int>{0} << 0 << "grayText";
        QTest::newRow("ID3000 second alarm") << "SAlarmaID30002" << QList<int>{1} << 0 << "gold";
        QTest::newRow("ID3000 ninth steady") << "SAlimID3000" << QList<int>{1} << 0 << "lime";
        QTest::newRow("ID3000 ninth blinking") << "SAlimID3000" << QList<int>{2} << 6 << "lime";
        QTest::newRow("ID3000 ninth blinking back") << "SAlimID3000" << QList<int>{2} << 12 << "grayText";
    }
    void tagRules()
    {
        QFETCH(QString, lamp);
        QFETCH(QList<int>, tags);
        QFETCH(int, ticks);
        QFETCH(QString, look);
        BlinkEngine engine;
        QVERIFY(engine.contains(lamp));
        for (const int tag : tags)
            engine.setTag(lamp, tag);
        for (int tick = 0; tick < ticks; ++tick)
            engine.TimerLedsTick();
        QCOMPARE(describe(engine.look(lamp)), look);
        QCOMPARE(engine.tag(lamp), tags.last());
    }

    // A hidden zone that starts blinking shows, and a colour painted directly stays until the
    // next Tag.
    void blinkingShowsAndDirectColoursStay()
    {
        BlinkEngine engine;
        QSignalSpy changed(&engine, &BlinkEngine::lampChanged);
        engine.setTag(QStringLiteral("SZona2"), 2);
        QVERIFY(engine.look(QStringLiteral("SZona2")).visible);
        QCOMPARE(changed.size(), 1);
        engine.setColour(QStringLiteral("SEstatProva"), colour::rgb(0xDBDBDB));
        engine.TimerLedsTick();
        QCOMPARE(engine.look(QStringLiteral("SEstatProva")).colour, colour::rgb(0xDBDBDB));
        engine.setTag(QStringLiteral("SEstatProva"), 0);
        QCOMPARE(engine.look(QStringLiteral("SEstatProva")).colour, colour::silver);

        // A Tag the table gives no colour leaves the lamp as its last phase left it.
        BlinkEngine urano;
        urano.setTag(QStringLiteral("SLedFalloAlim"), 1);
        for (int tick = 0; tick < 3; ++tick)
            urano.TimerLedsTick();
        QCOMPARE(urano.look(QStringLiteral("SLedFalloAlim")).colour, colour::amber);
        urano.setTag(QStringLiteral("SLedFalloAlim"), 3);
        QCOMPARE(changes(urano, QStringLiteral("SLedFalloAlim"), 12), QList<int>{});
        QCOMPARE(urano.look(QStringLiteral("SLedFalloAlim")).colour, colour::amber);
    }
};

QTEST_GUILESS_MAIN(TestBlinkEngine)
#include "test_blink_engine.moc"
