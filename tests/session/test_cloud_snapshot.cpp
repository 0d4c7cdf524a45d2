// A device on line by neither link, shown from its last record in the demo cloud (quelta-cloudsim):
// the status screen greyed, the panel screen not live, the record's time in local time.

#include "CloudSim.h"
#include "ShellHarness.h"

#include "core/session/CloudSnapshot.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace quelta;

namespace {

const QString kIdentifier = QStringLiteral("3A0F2C1B84D95E07");

// A BC600 device's record as the devices write it, its leaves nested in groups.
const QByteArray kSeed = R"({"database": {"Equipments": {"3A0F2C1B84D95E07": {
    "Company": "Protecciones Ibéricas SL", "Installer": "Jordi Puig", "Reference": "Almacén Zona Franca",
    "Identifier": "3A0F2C1B84D95E07:358240051111110", "Firmware": "Quelta_v8.7.12", "Hardware": "QZ20K3 rev.C",
    "Updated": "2022-01-30T10:15:00.000", "gps": "41.3275,2.0863",
    "Configuration": {"comCentral": "BC\\600", "gsmInfo": {"moduleModel": "BG96", "moduleVersion": "1.3",
        "Operator": "Movistar", "SIMNumber": "8934071", "gsmStat": 16}},
    "Status": {"gprsStat": "4", "ethernetStat": "0", "comStat": "1", "ESStat": "1",
        "vTamperEstat": "0", "vTamperAct": "20", "vTamperMin": "3C", "vTamperMax": "BE",
        "vAlimEstat": "0", "vAlimAct": "C8", "vAlimMin": "50", "vAlimMax": "C8",
        "inputsAlies": "Puerta|Ventana", "inputsStat": "10", "outputsAlies": "Sirena|Luz|Aux|Relé", "outputsStat": "01",
        "buzzerAndcounts": "0|1|0|2|0|0|0|0"}}}},
    "accounts": [{"email": "instalador@quelta.test", "password": "quelta-demo", "emailVerified": true, "localId": "demo-installer"}]})";

} // namespace

class TestCloudSnapshot : public QObject
{
    Q_OBJECT

    test::CloudSim sim_;
    std::unique_ptr<test::ShellHarness> harness_;

private slots:
    void init()
    {
        QVERIFY(sim_.start(kSeed));
        harness_ = std::make_unique<test::ShellHarness>();
        harness_->endpoints = test::localCloud(sim_.url());
        Shell &shell = harness_->create();
        QVERIFY(shell.loadDictionaries());
        CloudState &state = shell.context().cloud().state();
        state.EmpresaEmail = QStringLiteral("instalador@quelta.test");
        state.EmpresaPassword = QStringLiteral("quelta-demo");
    }

    void cleanup()
    {
        harness_.reset();
        sim_.stop();
    }

    void theLastRecordFillsTheScreensGreyed()
    {
        Shell &shell = *harness_->shell;
        CloudSnapshot &snapshot = shell.snapshot();
        snapshot.setLocalZone(QTimeZone("Europe/Madrid"));
        QSignalSpy shown(&snapshot, &CloudSnapshot::shown);
        snapshot.AgafaEstatEquipments(kIdentifier);
        QCOMPARE(shown.count(), 1);

        const StatusScreen &screen = shell.screens().statusScreen();
        const LinkState &link = shell.device().link();
        QVERIFY(screen.cloudSnapshot());
        QVERIFY(!screen.commandGlyphsShown());
        QCOMPARE(screen.textBox(TextBoxId::Empresa).lines.value(2), QStringLiteral("Referencia: \tAlmacén Zona Franca"));
        QVERIFY(screen.textBox(TextBoxId::Empresa).font == colour::grayText);
        QCOMPARE(screen.textBox(TextBoxId::Empresa2).lines.value(1), QStringLiteral("Firmware: \tQuelta_v8.7.12"));
        QCOMPARE(screen.textBox(TextBoxId::Gsm).lines.value(2), QStringLiteral("   Imei: \t358240051111110"));
        QCOMPARE(screen.textBox(TextBoxId::Gsm).lines.value(4), QStringLiteral("   Cobertura:\t50 %"));
        QCOMPARE(link.identConnectar, kIdentifier);
        QCOMPARE(link.central, QStringLiteral("BC600"));
        QCOMPARE(screen.GTamper().position, 0x20);
        QCOMPARE(screen.input(1).caption, QStringLiteral("Puerta"));
        QVERIFY(screen.input(1).background == colour::red);
        QVERIFY(screen.output(2).background == colour::red);
        QCOMPARE(screen.ECoordenadesMapa(), QStringLiteral("41.3275,2.0863"));

        const QList<LogLine> log = shell.screens().eventLog().lines();
        QCOMPARE(log.size(), 2);
        QCOMPARE(log.first().text, QStringLiteral("DESACTIVADO"));
        QCOMPARE(log.last().text, QStringLiteral("Último dato recibido: \t30-01-2022   11:15:00"));
        QVERIFY(shell.screens().eventLog().font() == colour::grayText);

        // The panel screen is the BC600's, greyed: its orders are refused.
        QCOMPARE(shell.panels().shownScreen(), QStringLiteral("PEstatBC600"));
        QVERIFY(!shell.panels().live());
        QVERIFY(shell.panels().display().counters().values().contains(2)); // the faults of "buzzerAndcounts"
        QCOMPARE(shell.context().statusBar().panel(0), StatusBar::kSinConexio);
        QCOMPARE(shell.context().views().panelmostrat(), View::Estat);
    }

    // Opening the status screen ends the snapshot: the texts, labels and heading are live blue.
    void openingTheStatusScreenEndsTheSnapshot()
    {
        Shell &shell = *harness_->shell;
        StatusScreen &screen = shell.screens().statusScreen();
        QSignalSpy changed(&screen, &StatusScreen::cloudSnapshotChanged);
        shell.snapshot().AgafaEstatEquipments(kIdentifier);
        QVERIFY(screen.LEstatQuelta() == colour::grey);
        QVERIFY(screen.ioLabelColour() == colour::grey);

        shell.device().supervisor().BBLlegirEstatClick();
        QVERIFY(!screen.cloudSnapshot());
        QVERIFY(screen.LEstatQuelta() == colour::lightBlue);
        QVERIFY(screen.ioLabelColour() == colour::blue);
        for (const TextBoxId id : {TextBoxId::Empresa, TextBoxId::Empresa2, TextBoxId::Gsm}) {
            QVERIFY(screen.textBox(id).font == colour::blue);
            QVERIFY(!screen.textBox(id).lines.isEmpty()); // the record's texts stay
        }
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().first().toBool(), false);
    }

    // A device without a record leaves the screens as they were.
    void noRecordNoChange()
    {
        Shell &shell = *harness_->shell;
        QSignalSpy shown(&shell.snapshot(), &CloudSnapshot::shown);
        shell.snapshot().AgafaEstatEquipments(QStringLiteral("UNKNOWN"));
        QCOMPARE(shown.count(), 0);
        QVERIFY(!shell.screens().statusScreen().cloudSnapshot());
    }
};

QTEST_GUILESS_MAIN(TestCloudSnapshot)
#include "test_cloud_snapshot.moc"
