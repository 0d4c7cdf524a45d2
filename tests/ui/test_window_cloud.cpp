// The window on the demo cloud (quelta-cloudsim): the stored installer is signed in at start-up
// without a window, the title names them, and "Buscar" lists their devices in the directory view.

#include "CloudSim.h"
#include "FakeInternet.h"
#include "PseudoTerminal.h"
#include "ScriptedPrompter.h"
#include "ShellHarness.h"

#include "core/codecs/StringCipher.h"
#include "core/session/Shell.h"
#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace quelta;

namespace {

QByteArray demoSeed()
{
    QFile seed(QStringLiteral(QUELTA_CLOUDSIM_SEEDS "/demo.json"));
    return seed.open(QIODevice::ReadOnly) ? seed.readAll() : QByteArray();
}

} // namespace

class TestWindowCloud : public QObject
{
    Q_OBJECT

    test::CloudSim sim_;
    test::PseudoTerminal port_; // a port without a device
    QTemporaryDir dir_;
    test::ScriptedPrompter prompter_;
    test::FakeInternet internet_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<ui::TFPrincipalQueltaES> window_;

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window_->findChild<T *>(name);
    }

    void storeSetting(const char *name, const QString &value)
    {
        QSettings(dir_.filePath(QStringLiteral("s.ini")), QSettings::IniFormat)
            .setValue(QLatin1String(name), EncriptarCadenaAes(value, AppSettings::kClau));
    }

private slots:
    // The demo installer as a previous run left him: signed in, no device on the port.
    void initTestCase()
    {
        QVERIFY(sim_.start(demoSeed()));
        storeSetting("REG3", QStringLiteral("instalador@quelta.test"));
        storeSetting("REG4", QStringLiteral("quelta-demo"));
        storeSetting("REG5", QStringLiteral("demo-installer"));
        internet_.online = true;
        const CloudEndpoints endpoints = test::localCloud(sim_.url());
        shell_ = std::make_unique<Shell>(prompter_, internet_,
                                         std::make_unique<QSettings>(dir_.filePath(QStringLiteral("s.ini")), QSettings::IniFormat),
                                         dir_.filePath(QStringLiteral("quelta")), endpoints);
        shell_->setPortForThisRun(port_.slavePath());
        window_ = std::make_unique<ui::TFPrincipalQueltaES>(*shell_);
        window_->resize(1400, 860);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanupTestCase()
    {
        window_.reset();
        shell_.reset();
    }

    void theStoredInstallerIsSignedInAtStart()
    {
        QTRY_VERIFY(window_->windowTitle().contains(QStringLiteral("Registrado por:")));
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral("<instalador@quelta.test>")));
        QVERIFY(find<QToolButton>(QStringLiteral("BBBuscar"))->isEnabled());
        // The about box waits for a remote session.
        QVERIFY(!find<QAction>(QStringLiteral("MIIAcercaDe"))->isEnabled());
        QVERIFY2(prompter_.asked.isEmpty(), qPrintable(prompter_.asked.value(0).message));
    }

    void searchListsTheInstallersDevices()
    {
        find<QToolButton>(QStringLiteral("BBBuscar"))->click();
        auto *views = qobject_cast<QStackedWidget *>(find(QStringLiteral("PEstat"))->parentWidget());
        QCOMPARE(views->currentWidget()->objectName(), QStringLiteral("PLlistatCircuits"));
        auto *list = find<QTableWidget>(QStringLiteral("SGLListatCircuits"));
        QCOMPARE(list->rowCount(), 5);
        QCOMPARE(list->item(1, 2)->text(), QStringLiteral("Colegio San Gregorio"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("ELListatEmpresa"))->text(), QStringLiteral("Protecciones Ibéricas SL"));
        QVERIFY(prompter_.asked.isEmpty());
        if (const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS"); !shots.isEmpty()) {
            QTest::qWait(100);
            window_->grab().save(shots + QStringLiteral("/window-directory.png"));
        }
    }

    // A device on line by neither link: its last record on the status screen, greyed.
    void aDeviceOffLineShowsItsLastState()
    {
        shell_->directory().SGLListatCircuitsDblClick(1, 4); // Almacén Zona Franca
        auto *views = qobject_cast<QStackedWidget *>(find(QStringLiteral("PEstat"))->parentWidget());
        QCOMPARE(views->currentWidget()->objectName(), QStringLiteral("PEstat"));
        QVERIFY(shell_->screens().statusScreen().cloudSnapshot());
        QVERIFY(!find<QToolButton>(QStringLiteral("BBCRA"))->isVisible());
        QCOMPARE(shell_->panels().shownScreen(), QStringLiteral("PEstatBC600"));
        if (const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS"); !shots.isEmpty()) {
            QTest::qWait(100);
            window_->grab().save(shots + QStringLiteral("/window-snapshot.png"));
        }
    }
};

QTEST_MAIN(TestWindowCloud)
#include "test_window_cloud.moc"
