#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QStackedLayout;
class QWebEngineProfile;
class QWebEngineView;

namespace quelta {
class MapScreen;
struct MapMarker;
}

namespace quelta::ui {

// PMapa: the device on an OpenStreetMap map (the page and Leaflet travel inside the program), or
// "no map without internet" when the core finds no internet or the page gets no tiles. The web
// engine starts with the first marker, so that a window whose map is never opened does not pay
// for it.
class MapView : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char *kOsmTiles = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";

    explicit MapView(MapScreen &screen, QWidget *parent = nullptr);
    ~MapView() override;

    // Before the QApplication exists: what the web engine needs from the process.
    static void prepareApplication();

    // The JavaScript call that places a marker; its texts travel as JSON data.
    static QString showScript(const MapMarker &marker, const QString &tilesUrl);

    // Where tiles come from ({z}/{x}/{y} in Leaflet's form); tests point it at a local address.
    void setTilesUrl(const QString &url) { tilesUrl_ = url; }
    bool isOffline() const;
    // The web view, once a marker has been shown.
    QWebEngineView *webView() const { return web_; }
    // The page has loaded and holds the last marker.
    bool pageReady() const { return pageReady_; }

public slots:
    void showMarker(const quelta::MapMarker &marker);
    void showOffline();

protected:
    void changeEvent(QEvent *event) override;

private:
    void createWebView();
    void pageLoaded(bool ok);
    void pageTitleChanged(const QString &title);
    void retranslateUi();

    QStackedLayout *stack_ = nullptr;
    QWidget *blank_ = nullptr;
    QLabel *offlineLabel_ = nullptr;
    QWebEngineProfile *profile_ = nullptr;
    QWebEngineView *web_ = nullptr;
    QString tilesUrl_ = QString::fromLatin1(kOsmTiles);
    bool pageReady_ = false;
    QString pendingScript_; // the marker waiting for the page to load
};

} // namespace quelta::ui
