#include "WindowOnDevice.h"

#include "ui/panels/PanelScreensView.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QtTest>

using namespace quelta;

// The window on a simulated device of every panel family: the panel's screen comes up live with
// the state the device reports, and the panel's tab has its file buttons.
class TestPanelDevices : public QObject
{
    Q_OBJECT

private slots:
    void eachPanelShowsItsLiveState_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("lamp");     // a lamp the state section sets, or a counter label
        QTest::addColumn<QString>("buttons");  // an import button of the panel's tab, if it has one
        QTest::newRow("AE/SA") << "aesa.json" << "PEstatAgui" << "" << "BBImportarFitxer";
        QTest::newRow("AE/C5") << "aec5.json" << "PEstatAgui2" << "SZona1" << "BBImportarFitxer";
        QTest::newRow("BC600") << "bc600.json" << "PEstatBC600" << "LNumBC600Alarmes" << "BBImportarFitxerBC600";
        QTest::newRow("BC216") << "bc216.json" << "PEstatBC216" << "LNumBC216Alarmes" << "BBImportarFitxerBC600";
        QTest::newRow("Cofem") << "cofem.json" << "PEstatCofem" << "SAL1" << "BBImportarFitxerCofem";
        QTest::newRow("Cofem-A") << "cofema.json" << "PEstatCofemZafir" << "SZafirLedAlarma" << "BBImportarZafir";
        QTest::newRow("Urano") << "urano.json" << "PEstatUrano" << "SLed11" << "";
        QTest::newRow("Komttech") << "komttech.json" << "PEstatKomttech" << "SKLed11" << "";
        QTest::newRow("Supra") << "supra.json" << "PEstatSupra" << "SAlLZ1" << "BBImportarFitxerSupra";
        QTest::newRow("Syncro") << "syncro.json" << "PEstatSyncro" << "SSyncroAvaria" << "BBImportarFitxerSyncro";
        QTest::newRow("AD300") << "ad300.json" << "PEstatAD300" << "SAD300Alarma" << "BBImportarFitxerAD300";
        QTest::newRow("ID3000") << "id3000.json" << "PEstatID3000" << "SAlimID3000" << "BBImportarFitxerID3000";
        QTest::newRow("Bosch") << "bosch.json" << "PEstatAvenarBosch" << "LNumAvenarBoschFoc" << "BBImportarFitxerAvenarBosch";
        QTest::newRow("Detnov") << "detnov.json" << "PEstatDetnov" << "" << "";
    }
    void eachPanelShowsItsLiveState()
    {
        QFETCH(QString, config);
        QFETCH(QString, screen);
        QFETCH(QString, lamp);
        QFETCH(QString, buttons);
        test::WindowOnDevice w;
        QVERIFY(w.open({QStringLiteral("--config"), test::SimulatedDevice::config(config)}));
        PanelScreens &panels = w.shell->panels();
        QTRY_VERIFY_WITH_TIMEOUT(panels.shownScreen() == screen && panels.live(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(w.find(screen) && w.find(screen)->isVisible(), 5000);
        if (!lamp.isEmpty()) {
            const PanelDisplay &display = panels.display();
            QTRY_VERIFY_WITH_TIMEOUT(display.tags().contains(lamp) || display.control(lamp).caption, 10000);
            QVERIFY(w.find(lamp)->isVisibleTo(w.find(screen)));
        }
        if (!buttons.isEmpty())
            QVERIFY(w.find<QAbstractButton>(buttons));
    }
};

QTEST_MAIN(TestPanelDevices)
#include "test_panel_devices.moc"
