// The firmware update view against quelta-updsim: the versions it lists, the row a download starts,
// and the progress of the update; the main window's ways into it.

#include "ui/update/UpdateView.h"

#include "ShellHarness.h"
#include "SimulatedDevice.h"
#include "UpdateServer.h"
#include "WindowFixture.h"
#include "core/update/UpdateSession.h"
#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <tuple>

using namespace quelta;
using quelta::ui::UpdateView;

namespace {

// The server's versions, listed in this order.
const QStringList kImages{QStringLiteral("--image"), QStringLiteral("2.1=2500:Nueva versión"), QStringLiteral("--image"),
                          QStringLiteral("2.0=1024")};

// A linked device as the update session reads it, and the session pointed at the local server.
bool linkToServer(Shell &shell, test::UpdateServer &server)
{
    if (!server.start(kImages))
        return false;
    update::UpdateServer address = update::builtInServer();
    address.host = server.host();
    address.port = server.port();
    shell.update().setServer(address);
    LinkState &link = shell.device().link();
    link.circuit = link.circuittrobat = true;
    link.identConnectar = QStringLiteral("1234");
    link.firmware = QStringLiteral("1.0");
    link.hardware = QStringLiteral("A");
    return true;
}

// The view alone over a shell whose device is linked, shown at a given size.
struct ViewHarness
{
    test::ShellHarness shellHarness;
    test::UpdateServer server;
    std::unique_ptr<UpdateView> view;

    bool open(QSize size = {900, 600})
    {
        Shell &shell = shellHarness.create();
        if (!linkToServer(shell, server))
            return false;
        view = std::make_unique<UpdateView>(shell.update());
        view->resize(size);
        view->show();
        return QTest::qWaitForWindowExposed(view.get());
    }
    update::UpdateSession &session() const { return shellHarness.shell->update(); }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return view->findChild<T *>(name);
    }
    QTableWidget *grid() const { return find<QTableWidget>(QStringLiteral("SGVersions")); }
    QPushButton *downloadButton(int row) const
    {
        QWidget *place = grid()->cellWidget(row, UpdateView::kDownloadColumn);
        return place ? place->findChild<QPushButton *>() : nullptr;
    }
    bool listed() const
    {
        return QTest::qWaitFor([this] { return !session().busy(); }, 10000) && session().versions().size() == 2;
    }
    bool list() const
    {
        find<QPushButton>(QStringLiteral("BBuscarVersions"))->click();
        return listed();
    }
    // The progress widgets, shown or hidden together.
    bool progressShown(bool shown) const
    {
        for (const char *name : {"LActualitzant", "PBActualitzacio", "BDesconnectarTCPActu"}) {
            if (find(QLatin1String(name))->isHidden() == shown)
                return false;
        }
        return true;
    }
};

void screenshot(QWidget &widget, const QString &name)
{
    if (const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS"); !shots.isEmpty())
        widget.grab().save(shots + QLatin1Char('/') + name);
}

} // namespace

class TestUpdateView : public QObject
{
    Q_OBJECT

private slots:
    void gridHeadingsAndWidthsFollowTheGrid_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("narrow") << QSize(640, 480);
        QTest::newRow("wide") << QSize(1200, 700);
    }
    void gridHeadingsAndWidthsFollowTheGrid()
    {
        QFETCH(QSize, size);
        ViewHarness h;
        QVERIFY(h.open({900, 600}));
        h.view->resize(size);
        QTest::qWait(50);
        QTableWidget *grid = h.grid();
        const QStringList headings{QStringLiteral("VERSION"), QStringLiteral("DESCRIPCION"), QStringLiteral("BYTES"),
                                   QStringLiteral("DESCARGAR")};
        QCOMPARE(grid->columnCount(), 4);
        const int share = grid->width() - 8;
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(grid->horizontalHeaderItem(column)->text(), headings.at(column));
            QCOMPARE(grid->columnWidth(column), int(share * UpdateView::kColumnFractions.at(size_t(column))));
        }
        QCOMPARE(grid->horizontalHeader()->grab().toImage().pixelColor(4, 4), QColor(0x6C, 0x9F, 0xEC));
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        // Nothing listed yet: one empty row without a button.
        QCOMPARE(grid->rowCount(), 1);
        QVERIFY(!h.downloadButton(0));
    }

    void listsTheServersVersionsWithADownloadButtonEach()
    {
        ViewHarness h;
        QVERIFY(h.open());
        // As "Actual." in the window: the device's versions first, then the listing.
        h.shellHarness.internet.online = true;
        h.session().BBActualitzarClick();
        QVERIFY(h.listed());

        auto *current = h.find<QTableWidget>(QStringLiteral("VLEVersioActual"));
        for (const auto &[row, key, value] : {std::tuple(0, "FirmWare:", "1.0"), std::tuple(1, "HardWare:", "A")}) {
            QCOMPARE(current->item(row, 0)->text(), QLatin1String(key));
            QCOMPARE(current->item(row, 1)->text(), QLatin1String(value));
        }
        QTableWidget *grid = h.grid();
        const QList<QStringList> rows{{QStringLiteral("2.1"), QStringLiteral("Nueva versión"), QStringLiteral("2500")},
                                      {QStringLiteral("2.0"), QString(), QStringLiteral("1024")}};
        QCOMPARE(grid->rowCount(), rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            for (int column = 0; column < 3; ++column)
                QCOMPARE(grid->item(row, column)->text(), rows[row][column]);
            QPushButton *button = h.downloadButton(row);
            QVERIFY(button);
            QCOMPARE(button->size(), UpdateView::kDownloadButtonSize);
            const QRect cell = grid->visualRect(grid->model()->index(row, UpdateView::kDownloadColumn));
            QCOMPARE(button->mapTo(grid->viewport(), QPoint()).x() - cell.x(), UpdateView::kDownloadButtonLeft);
        }
        QVERIFY(h.progressShown(false));
        QVERIFY(h.find(QStringLiteral("BTotesVer"))->isHidden());
        screenshot(*h.view, QStringLiteral("update-versions.png"));
    }

    // A download button or a double click on a row starts that row's version; a double click on the
    // headings starts nothing.
    void startsTheChosenRowAndShowsItsProgress_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("blocks");
        QTest::newRow("button, first row") << QStringLiteral("button") << 0 << QStringLiteral("2.1") << 3;
        QTest::newRow("button, second row") << QStringLiteral("button") << 1 << QStringLiteral("2.0") << 2;
        QTest::newRow("double click, second row") << QStringLiteral("double click") << 1 << QStringLiteral("2.0") << 2;
        QTest::newRow("double click, headings") << QStringLiteral("headings") << -1 << QString() << 0;
    }
    void startsTheChosenRowAndShowsItsProgress()
    {
        QFETCH(QString, how);
        QFETCH(int, row);
        QFETCH(QString, version);
        QFETCH(int, blocks);
        ViewHarness h;
        QVERIFY(h.open());
        QVERIFY(h.list());
        QTableWidget *grid = h.grid();
        if (how == QLatin1String("button")) {
            h.downloadButton(row)->click();
        } else if (how == QLatin1String("double click")) {
            // The press of the double click's first click, as the window system sends it.
            const QPoint spot = grid->visualRect(grid->model()->index(row, 1)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, spot);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, spot);
        } else {
            QHeaderView *header = grid->horizontalHeader();
            QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionSize(0) / 2, 5));
            QVERIFY(!h.session().busy());
            return;
        }
        QCOMPARE(grid->currentRow(), row);
        QTRY_VERIFY_WITH_TIMEOUT(h.session().progressVisible(), 10000);
        QVERIFY(h.progressShown(true));
        QCOMPARE(h.find<QLabel>(QStringLiteral("LActualitzant"))->text(),
                 QStringLiteral("VERSION : %1\n\n Iniciando la actualización ...").arg(version));
        auto *bar = h.find<QProgressBar>(QStringLiteral("PBActualitzacio"));
        QCOMPARE(bar->maximum(), blocks);
        QCOMPARE(bar->value(), 0);
        if (row == 0)
            screenshot(*h.view, QStringLiteral("update-starting.png"));

        h.find<QPushButton>(QStringLiteral("BDesconnectarTCPActu"))->click();
        QVERIFY(!h.session().busy());
        QVERIFY(h.progressShown(false));
    }

    // "Actual.", by either button, goes to the update session (without internet it says so), but
    // not while the cloud's views are off.
    void actualButtonReachesTheSession_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("left click") << Qt::LeftButton << true;
        QTest::newRow("right click") << Qt::RightButton << true;
        QTest::newRow("left click, off") << Qt::LeftButton << false;
        QTest::newRow("right click, off") << Qt::RightButton << false;
    }
    void actualButtonReachesTheSession()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, enabled);
        test::WindowFixture f;
        auto *actual = f.find<QToolButton>(QStringLiteral("BBActualitzar"));
        actual->setEnabled(enabled); // as the window paints the cloud's views on and off
        QTest::mouseClick(actual, button);
        QCOMPARE(f.prompter.asked.size(), enabled ? 1 : 0);
        if (enabled)
            QCOMPARE(f.prompter.asked.first().message, QStringLiteral("No hay conexión a internet"));
    }

    // The busy cursor shows while the listing runs and goes with it, however many changes the
    // session reports in between; the versions found bring the view forward.
    void busyCursorFollowsTheListing()
    {
        test::WindowFixture f;
        test::UpdateServer server;
        QVERIFY(linkToServer(f.shell, server));
        f.find<QPushButton>(QStringLiteral("BBuscarVersions"))->click();
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTRY_VERIFY_WITH_TIMEOUT(!f.shell.update().busy(), 10000);
        QCOMPARE(f.shell.update().versions().size(), 2);
        QVERIFY(!QApplication::overrideCursor());
        auto *view = f.find(QStringLiteral("PActualitzacions"));
        QCOMPARE(qobject_cast<QStackedWidget *>(view->parentWidget())->currentWidget(), view);
    }

    // Eleven clicks on the empty part of the left bar bring the view forward with its "Ver" button.
    void hiddenEntryOpensTheViewWithVer()
    {
        test::WindowFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QTRY_VERIFY(f.internet.checks > 0);
        LinkState &link = f.shell.device().link();
        link.circuit = link.circuittrobat = true;
        link.firmware = QStringLiteral("1.0");
        auto *bar = f.find(QStringLiteral("PBotons"));
        for (int click = 0; click < 11; ++click)
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 5));
        auto *view = f.find(QStringLiteral("PActualitzacions"));
        QCOMPARE(qobject_cast<QStackedWidget *>(view->parentWidget())->currentWidget(), view);
        QVERIFY(!f.find(QStringLiteral("BTotesVer"))->isHidden());
        QCOMPARE(f.find<QTableWidget>(QStringLiteral("VLEVersioActual"))->item(0, 1)->text(), QStringLiteral("1.0"));
    }

    // A real update of a simulated device at the link's pace: the view shows the blocks going out,
    // then its progress goes and the grid stays listed.
    void aRealUpdateShowsItsBlocks()
    {
        test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--reboot-seconds"), QStringLiteral("0.5")}));
        test::UpdateServer server;
        QVERIFY(server.start({QStringLiteral("--image"), QStringLiteral("Quelta_v8.7.15=6000:Mejoras de cobertura GSM")}));
        test::ShellHarness harness;
        Shell &shell = harness.create(device.portPath());
        shell.loadDictionaries();
        shell.startLink();
        shell.FormActivate(test::noSignInWindow);
        update::UpdateServer address = update::builtInServer();
        address.host = server.host();
        address.port = server.port();
        shell.update().setServer(address);
        // Both versions known, as the version reply after the link gives them.
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(shell) && !shell.device().link().hardware.isEmpty(), 15000);
        UpdateView view(shell.update());
        view.resize(900, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        harness.internet.online = true;
        shell.update().BBActualitzarClick();
        QTRY_COMPARE_WITH_TIMEOUT(shell.update().versions().size(), 1, 10000);
        QCOMPARE(shell.update().firmwareShown(), QStringLiteral("Quelta_v8.7.12"));

        QSignalSpy ended(&shell.update(), &update::UpdateSession::updateFinished);
        shell.update().SGVersionsDblClick(0);
        auto *label = view.findChild<QLabel *>(QStringLiteral("LActualitzant"));
        QTRY_VERIFY_WITH_TIMEOUT(label->isVisible() && label->text().contains(QLatin1String("Bloque 3 / 6")), 20000);
        QCOMPARE(view.findChild<QProgressBar *>(QStringLiteral("PBActualitzacio"))->maximum(), 6);
        screenshot(view, QStringLiteral("update-running.png"));
        QVERIFY(ended.wait(30000));
        QVERIFY(ended.first().first().value<update::Outcome>().success);
        QTRY_VERIFY(label->isHidden());
        QCOMPARE(view.findChild<QTableWidget *>(QStringLiteral("SGVersions"))->item(0, 0)->text(), QStringLiteral("Quelta_v8.7.15"));
        screenshot(view, QStringLiteral("update-done.png"));
    }
};

QTEST_MAIN(TestUpdateView)
#include "test_update_view.moc"
