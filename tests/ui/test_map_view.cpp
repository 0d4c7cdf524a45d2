// The map view: its offline state, and the marker as the page receives it, through the bundled
// page and Leaflet in the web engine, with tiles from a local server or from none.

#include "ui/map/MapView.h"

#include "ShellHarness.h"
#include "core/session/MapScreen.h"
#include "core/status/StatusScreen.h"

#include <QBuffer>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <memory>
#include <optional>

using namespace quelta;
using quelta::ui::MapView;

namespace {

constexpr int kPageTimeoutMs = 30000;

void screenshot(QWidget &widget, const QString &name)
{
    if (const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS"); !shots.isEmpty())
        widget.grab().save(shots + QLatin1Char('/') + name);
}

// Serves one plain tile for every request, as a tile server would.
class TileServer : public QObject
{
public:
    int requests = 0;

    bool start(quint16 port = 0)
    {
        QImage tile(256, 256, QImage::Format_RGB32);
        tile.fill(QColor(0xe8, 0xe4, 0xd8));
        QBuffer buffer(&png_);
        buffer.open(QIODevice::WriteOnly);
        tile.save(&buffer, "PNG");
        connect(&server_, &QTcpServer::newConnection, this, &TileServer::answer);
        return server_.listen(QHostAddress::LocalHost, port);
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(server_.serverPort()); }

private:
    void answer()
    {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains("\r\n\r\n"))
                    return;
                ++requests;
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nConnection: close\r\nContent-Length: "
                              + QByteArray::number(png_.size()) + "\r\n\r\n" + png_);
                socket->disconnectFromHost();
            });
        }
    }

    QTcpServer server_;
    QByteArray png_;
};

// The map screen and its view over a shell made as the window makes it, the device at a place.
struct MapFixture
{
    test::ShellHarness harness;
    Shell &shell = harness.create();
    MapScreen map{shell.context(), shell.device(), shell.screens().statusScreen()};
    MapView view{map};

    MapFixture(const QString &position, const QString &reference)
    {
        shell.screens().statusScreen().setECoordenadesMapa(position);
        shell.device().link().refmap = reference;
        view.resize(800, 600);
        view.show();
    }

    // What the page's script returns, as JSON text; nothing when it gives no answer in time.
    std::optional<QJsonObject> evaluate(const QString &script)
    {
        std::optional<QJsonObject> result;
        bool answered = false;
        view.webView()->page()->runJavaScript(QStringLiteral("JSON.stringify(%1)").arg(script), [&](const QVariant &value) {
            result = QJsonDocument::fromJson(value.toString().toUtf8()).object();
            answered = true;
        });
        if (!QTest::qWaitFor([&] { return answered; }, kPageTimeoutMs))
            return std::nullopt;
        return result;
    }
};

} // namespace

class TestMapView : public QObject
{
    Q_OBJECT

public:
    static void initMain() { MapView::prepareApplication(); }

private slots:
    // The core finds no internet: the view says so and the web engine is not even started.
    void noInternetShowsTheOfflineLabel()
    {
        MapFixture fixture(QStringLiteral("41.3275,2.0863"), QStringLiteral("Almacén Zona Franca"));
        fixture.harness.internet.online = false;
        fixture.map.BBMapaClick();
        QVERIFY(fixture.view.isOffline());
        const auto *label = fixture.view.findChild<QLabel *>(QStringLiteral("LMapaSinConexion"));
        QVERIFY(label && label->isVisible());
        QCOMPARE(label->text(), QStringLiteral("Mapa no disponible sin conexión a internet"));
        QVERIFY(!fixture.view.webView());
        screenshot(fixture.view, QStringLiteral("map-offline.png"));
    }

    // The texts reach the page as data: a reference full of markup is the marker's title, word for
    // word, and adds nothing to the page. A marker sent before the page has loaded waits for it,
    // and only the last one counts.
    void theMarkerReachesThePage()
    {
        TileServer tiles;
        QVERIFY(tiles.start());
        const QString reference = QStringLiteral("Nave \"3\" <img src=x onerror=\"document.title='hit'\">');//");
        MapFixture fixture(QStringLiteral("41.3851,2.1734"), QString());
        fixture.harness.internet.online = true;
        fixture.view.setTilesUrl(tiles.url());
        fixture.map.BBMapaClick();
        fixture.shell.screens().statusScreen().setECoordenadesMapa(QStringLiteral(" 41.3275 , 2.0863 "));
        fixture.shell.device().link().refmap = reference;
        fixture.map.BBMapaClick();
        QVERIFY(fixture.view.webView());
        QVERIFY(!fixture.view.isOffline());
        QTRY_VERIFY_WITH_TIMEOUT(fixture.view.pageReady(), kPageTimeoutMs);

        const std::optional<QJsonObject> state = fixture.evaluate(QStringLiteral("QueltaMap.state()"));
        QVERIFY(state);
        QCOMPARE(state->value("latitude").toDouble(), 41.3275);
        QCOMPARE(state->value("longitude").toDouble(), 2.0863);
        QCOMPARE(state->value("centreLatitude").toDouble(), 41.3275);
        QCOMPARE(state->value("centreLongitude").toDouble(), 2.0863);
        QCOMPARE(state->value("zoom").toInt(), 15);
        QCOMPARE(state->value("title").toString(), reference);
        QCOMPARE(state->value("popup").toString(), QStringLiteral("<h2>Coordenadas del equipo</h2> 41.3275 , 2.0863"));

        // The marker in the page: its tooltip is the reference as text, its popup the heading and position.
        const std::optional<QJsonObject> page = fixture.evaluate(QStringLiteral(R"((function () {
            var icon = document.querySelector('.leaflet-marker-icon');
            icon.click();
            var popup = document.querySelector('.leaflet-popup-content');
            return {markers: document.querySelectorAll('.leaflet-marker-icon').length, title: icon.title,
                    injected: document.querySelectorAll('img[src="x"]').length,
                    heading: popup.querySelector('h2').textContent, popup: popup.textContent};
        })())"));
        QVERIFY(page);
        QCOMPARE(page->value("markers").toInt(), 1);
        QCOMPARE(page->value("title").toString(), reference);
        QCOMPARE(page->value("injected").toInt(), 0);
        QCOMPARE(page->value("heading").toString(), QStringLiteral("Coordenadas del equipo"));
        QCOMPARE(page->value("popup").toString(), QStringLiteral("Coordenadas del equipo 41.3275 , 2.0863"));

        // Tiles that arrive keep the map in view.
        QTRY_VERIFY_WITH_TIMEOUT(tiles.requests > 0, kPageTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(fixture.view.webView()->title().startsWith(QLatin1String("quelta-map:online")),
                                 kPageTimeoutMs);
        QVERIFY(!fixture.view.isOffline());
        QTest::qWait(500);
        screenshot(fixture.view, QStringLiteral("map-marker.png"));
    }

    // Online as far as the core knows, but no tile arrives: the view says the map needs internet.
    // Once the tiles can be had again, the next click shows the map.
    void tilesThatFailShowTheOfflineLabel()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        MapFixture fixture(QStringLiteral("41.3275,2.0863"), QStringLiteral("Almacén Zona Franca"));
        fixture.harness.internet.online = true;
        fixture.view.setTilesUrl(QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(port));
        fixture.map.BBMapaClick();
        QVERIFY(!fixture.view.isOffline());
        QTRY_VERIFY_WITH_TIMEOUT(fixture.view.isOffline(), kPageTimeoutMs);
        QVERIFY(fixture.view.findChild<QLabel *>(QStringLiteral("LMapaSinConexion"))->isVisible());

        TileServer tiles;
        QVERIFY(tiles.start(port));
        fixture.map.BBMapaClick();
        QTRY_VERIFY_WITH_TIMEOUT(tiles.requests > 0, kPageTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(fixture.view.webView()->title().startsWith(QLatin1String("quelta-map:online")),
                                 kPageTimeoutMs);
        QVERIFY(!fixture.view.isOffline());
    }
};

QTEST_MAIN(TestMapView)
#include "test_map_view.moc"
