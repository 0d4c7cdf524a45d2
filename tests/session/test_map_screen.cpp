// The "Mapa" button and the device's marker: which position texts are a place, what the marker
// shows, and what a click does in each state of the link, the lock and the internet.

#include "ShellHarness.h"

#include "core/session/MapScreen.h"
#include "core/status/MapPosition.h"
#include "core/status/StatusScreen.h"

#include <QSignalSpy>
#include <QTest>

#include <optional>

using namespace quelta;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

const QString kPopupHeading = QStringLiteral("<h2>Coordenadas del equipo</h2> ");

// The map screen over a shell made as the window makes it.
struct MapFixture
{
    test::ShellHarness harness;
    Shell &shell = harness.create();
    MapScreen map{shell.context(), shell.device(), shell.screens().statusScreen()};

    void place(const QString &position, const QString &reference)
    {
        shell.screens().statusScreen().setECoordenadesMapa(position);
        shell.device().link().refmap = reference;
    }
};

} // namespace

class TestMapScreen : public QObject
{
    Q_OBJECT

private slots:
    void positionTexts_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<std::optional<double>>("latitude"); // nothing: no place
        QTest::addColumn<double>("longitude");

        const auto place = [](const char *position, double latitude, double longitude) {
            QTest::newRow(position) << QString::fromLatin1(position) << std::optional<double>(latitude) << longitude;
        };
        const auto none = [](const char *name, const char *position) {
            QTest::newRow(name) << QString::fromLatin1(position) << std::optional<double>() << 0.0;
        };
        place("41.38,2.17", 41.38, 2.17);
        place(" 41.3851 , 2.1734 ", 41.3851, 2.1734);
        place("-33.9,151.2", -33.9, 151.2);
        place("+40.4168,-3.7038", 40.4168, -3.7038);
        place("90,-180", 90, -180);
        place("-90,180", -90, 180);
        place("41.,.5", 41, 0.5);
        none("empty", "");
        none("blank", "   ");
        none("words", "abc");
        none("latitude past the pole", "95,10");
        none("longitude past the antimeridian", "41.38,180.5");
        none("decimal commas", "41,38,2,17");
        none("one number", "41.38");
        none("missing longitude", "41.38,");
        none("missing latitude", ",2.17");
        none("semicolon", "41.38;2.17");
        none("two points", "41.3.8,2.17");
        none("exponent", "1e1,2");
        none("not a number", "nan,2");
        none("infinity", "inf,2");
        none("hexadecimal", "0x29,2");
        none("no fix", "0.000000,0.000000");
    }

    void positionTexts()
    {
        QFETCH(QString, position);
        QFETCH(std::optional<double>, latitude);
        QFETCH(double, longitude);

        const std::optional<MapMarker> marker = mapMarker(position, QStringLiteral("Ref"));
        QCOMPARE(marker.has_value(), latitude.has_value());
        if (!marker)
            return;
        QCOMPARE(marker->latitude, *latitude);
        QCOMPARE(marker->longitude, longitude);
        QCOMPARE(marker->popupHtml, kPopupHeading + position.trimmed());
    }

    void titleIsTheReferenceOrElseThePosition_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("title");
        QTest::newRow("reference") << QStringLiteral("Almacén Zona Franca") << QStringLiteral("Almacén Zona Franca");
        QTest::newRow("none") << QString() << QStringLiteral("41.3851 , 2.1734");
        QTest::newRow("blank") << QStringLiteral("   ") << QStringLiteral("41.3851 , 2.1734");
        // The title is plain text to the page; markup in a reference stays text, the popup keeps out of it.
        QTest::newRow("markup") << QStringLiteral("<img src=x onerror=alert(1)>&\"'")
                                << QStringLiteral("<img src=x onerror=alert(1)>&\"'");
    }

    void titleIsTheReferenceOrElseThePosition()
    {
        QFETCH(QString, reference);
        QFETCH(QString, title);
        const std::optional<MapMarker> marker = mapMarker(QStringLiteral(" 41.3851 , 2.1734 "), reference);
        QVERIFY(marker);
        QCOMPARE(marker->title, title);
        QCOMPARE(marker->popupHtml, kPopupHeading + QStringLiteral("41.3851 , 2.1734"));
    }

    void click_data()
    {
        QTest::addColumn<bool>("updating");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("outcome"); // nothing, code, offline, nogps, map

        const QString good = QStringLiteral("41.3275,2.0863");
        QTest::newRow("update running") << true << false << true << good << "nothing";
        QTest::newRow("update running, locked") << true << true << false << good << "nothing";
        QTest::newRow("locked") << false << true << true << good << "code";
        QTest::newRow("locked, no internet") << false << true << false << good << "code";
        QTest::newRow("no internet") << false << false << false << good << "offline";
        QTest::newRow("no position") << false << false << true << QString() << "nogps";
        QTest::newRow("position out of range") << false << false << true << QStringLiteral("95,10") << "nogps";
        QTest::newRow("garbled position") << false << false << true << QStringLiteral("41,32,2,08") << "nogps";
        QTest::newRow("position") << false << false << true << good << "map";
    }

    void click()
    {
        QFETCH(bool, updating);
        QFETCH(bool, locked);
        QFETCH(bool, online);
        QFETCH(QString, position);
        QFETCH(QString, outcome);

        MapFixture fixture;
        fixture.place(position, QStringLiteral("Almacén Zona Franca"));
        LinkState &link = fixture.shell.device().link();
        link.tempsActu = updating ? 20 : 0;
        link.protegit = locked;
        fixture.harness.internet.online = online;
        ViewState &views = fixture.shell.context().views();
        QSignalSpy codeAsked(&fixture.shell.device().lock(), &ProgrammingLock::accessCodeRequested);
        QSignalSpy offline(&fixture.map, &MapScreen::offline);
        QSignalSpy shown(&fixture.map, &MapScreen::shown);

        fixture.map.BBMapaClick();

        const QList<DialogRequest> &asked = fixture.harness.prompter.asked;
        QCOMPARE(codeAsked.count(), outcome == "code" ? 1 : 0);
        QCOMPARE(offline.count(), outcome == "offline" ? 1 : 0);
        QCOMPARE(shown.count(), outcome == "map" ? 1 : 0);
        QCOMPARE(views.panelmostrat(), outcome == "map" ? View::Mapa : View::Estat);
        // The internet probe can take seconds: not asked when the click stops before it.
        QCOMPARE(fixture.harness.internet.checks, outcome == "nothing" || outcome == "code" ? 0 : 1);
        if (outcome == "nothing" || outcome == "code" || outcome == "map") {
            QVERIFY(asked.isEmpty());
        } else {
            QCOMPARE(asked.size(), 1);
            QCOMPARE(asked.first().autoCloseSeconds, 5);
            if (outcome == "nogps") {
                QCOMPARE(asked.first().caption, QStringLiteral("INFO GPS"));
                QCOMPARE(asked.first().message, QStringLiteral("No se dispone de las coordenadas del equipo"));
            }
        }
        if (outcome == "map") {
            const auto marker = shown.first().first().value<MapMarker>();
            QCOMPARE(marker.latitude, 41.3275);
            QCOMPARE(marker.longitude, 2.0863);
            QCOMPARE(marker.title, QStringLiteral("Almacén Zona Franca"));
            QCOMPARE(fixture.map.marker()->popupHtml, kPopupHeading + position);
        } else {
            QVERIFY(!fixture.map.marker());
        }
    }

    // The position a status frame reports, and the cloud record's, are what the next click shows.
    void theLatestPositionIsShown()
    {
        MapFixture fixture;
        fixture.harness.internet.online = true;
        QSignalSpy shown(&fixture.map, &MapScreen::shown);
        fixture.place(QStringLiteral("41.38,2.17"), QString());
        fixture.map.BBMapaClick();
        fixture.place(QStringLiteral("40.4168,-3.7038"), QString());
        fixture.map.BBMapaClick();
        QCOMPARE(shown.count(), 2);
        QCOMPARE(fixture.map.marker()->latitude, 40.4168);
        QCOMPARE(fixture.map.marker()->title, QStringLiteral("40.4168,-3.7038"));
        // Cleared fields leave no place: the dialog, not the previous marker.
        fixture.shell.Esborra_Camps();
        fixture.map.BBMapaClick();
        QCOMPARE(shown.count(), 2);
        QCOMPARE(fixture.harness.prompter.asked.last().caption, QStringLiteral("INFO GPS"));
    }
};

QTEST_GUILESS_MAIN(TestMapScreen)
#include "test_map_screen.moc"
