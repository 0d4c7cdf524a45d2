#include "ui/map/MapView.h"

#include "core/base/Version.h"
#include "core/session/MapScreen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QStackedLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace quelta::ui {
namespace {

const QString kPage = QStringLiteral("qrc:/map/index.html");
const QString kStatePrefix = QStringLiteral("quelta-map:");

// The page stays the map: links in it (the attribution's) open in the browser.
class MapPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (url.scheme() == QLatin1String("qrc"))
            return true;
        if (type == NavigationTypeLinkClicked && isMainFrame)
            QDesktopServices::openUrl(url);
        return false;
    }
};

} // namespace

MapView::MapView(MapScreen &screen, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PMapa"));
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    blank_ = new QWidget(this);
    stack_->addWidget(blank_);
    offlineLabel_ = new QLabel(this);
    offlineLabel_->setObjectName(QStringLiteral("LMapaSinConexion"));
    offlineLabel_->setAlignment(Qt::AlignCenter);
    offlineLabel_->setWordWrap(true);
    QFont font = offlineLabel_->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    offlineLabel_->setFont(font);
    stack_->addWidget(offlineLabel_);
    retranslateUi();

    connect(&screen, &MapScreen::shown, this, &MapView::showMarker);
    connect(&screen, &MapScreen::offline, this, &MapView::showOffline);
}

// The page goes before the profile it was made with.
MapView::~MapView()
{
    delete web_;
}

void MapView::prepareApplication()
{
    // The web engine's compositor shares the window's OpenGL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifdef Q_OS_UNIX
    // Chromium refuses its sandbox to root; without this the map would stay blank there.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

QString MapView::showScript(const MapMarker &marker, const QString &tilesUrl)
{
    const QJsonObject place{{QStringLiteral("latitude"), marker.latitude},
                            {QStringLiteral("longitude"), marker.longitude},
                            {QStringLiteral("zoom"), kMapZoom},
                            {QStringLiteral("title"), marker.title},
                            {QStringLiteral("popup"), marker.popupHtml},
                            {QStringLiteral("tiles"), tilesUrl}};
    return QStringLiteral("QueltaMap.show(%1);")
        .arg(QString::fromUtf8(QJsonDocument(place).toJson(QJsonDocument::Compact)));
}

bool MapView::isOffline() const
{
    return stack_->currentWidget() == offlineLabel_;
}

void MapView::showMarker(const MapMarker &marker)
{
    if (!web_)
        createWebView();
    stack_->setCurrentWidget(web_);
    const QString script = showScript(marker, tilesUrl_);
    if (pageReady_)
        web_->page()->runJavaScript(script);
    else
        pendingScript_ = script;
}

void MapView::showOffline()
{
    stack_->setCurrentWidget(offlineLabel_);
}

void MapView::createWebView()
{
    // A profile of the map's own, kept in memory; the tile servers ask to be told who is asking.
    profile_ = new QWebEngineProfile(this);
    profile_->setHttpUserAgent(QStringLiteral("Quelta/%1 %2").arg(kProgramVersion, profile_->httpUserAgent()));
    web_ = new QWebEngineView(this);
    web_->setObjectName(QStringLiteral("WBMapa"));
    auto *page = new MapPage(profile_, web_);
    // The page's own files are local; the tiles it shows are not.
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    web_->setPage(page);
    web_->setContextMenuPolicy(Qt::NoContextMenu);
    connect(web_, &QWebEngineView::loadFinished, this, &MapView::pageLoaded);
    connect(web_, &QWebEngineView::titleChanged, this, &MapView::pageTitleChanged);
    stack_->addWidget(web_);
    web_->setUrl(QUrl(kPage));
}

void MapView::pageLoaded(bool ok)
{
    pageReady_ = ok;
    if (!ok)
        return;
    if (!pendingScript_.isEmpty())
        web_->page()->runJavaScript(pendingScript_);
    pendingScript_.clear();
}

void MapView::pageTitleChanged(const QString &title)
{
    if (!title.startsWith(kStatePrefix))
        return;
    const QString state = title.mid(kStatePrefix.size()).section(QLatin1Char(':'), 0, 0);
    if (state == QLatin1String("offline"))
        showOffline();
    else if (state == QLatin1String("online") && web_)
        stack_->setCurrentWidget(web_);
}

void MapView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void MapView::retranslateUi()
{
    offlineLabel_->setText(tr("Mapa no disponible sin conexión a internet"));
}

} // namespace quelta::ui
