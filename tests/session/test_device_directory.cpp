// The device directory's flows against quelta-cloudsim seeded with the demo company.

#include "Broker.h"
#include "CloudSim.h"
#include "ShellHarness.h"
#include "SimulatedDevice.h"

#include "core/cloud/CloudAccess.h"
#include "core/session/DeviceDirectory.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace quelta;

namespace {

const QString kCompany = QStringLiteral("Protecciones Ibéricas SL");

QByteArray demoSeed()
{
    QFile seed(QStringLiteral(QUELTA_CLOUDSIM_SEEDS "/demo.json"));
    return seed.open(QIODevice::ReadOnly) ? seed.readAll() : QByteArray();
}

QStringList references(const QList<DirectoryEntry> &entries)
{
    QStringList found;
    for (const DirectoryEntry &entry : entries)
        found << entry.reference;
    return found;
}

} // namespace

class TestDeviceDirectory : public QObject
{
    Q_OBJECT

    test::CloudSim sim_;
    std::unique_ptr<test::ShellHarness> harness_;
    CloudAccess *cloud_ = nullptr;
    DeviceDirectory *directory_ = nullptr;

    test::ScriptedPrompter &prompter() { return harness_->prompter; }
    QString lastMessage() { return prompter().asked.isEmpty() ? QString() : prompter().asked.last().message; }

private slots:
    void initTestCase() { QVERIFY(sim_.start(demoSeed())); }

    // The demo installer, signed in with the key of his level.
    void init()
    {
        harness_ = std::make_unique<test::ShellHarness>();
        harness_->internet.online = true;
        harness_->endpoints = test::localCloud(sim_.url());
        Shell &shell = harness_->create();
        cloud_ = &shell.context().cloud();
        CloudState &state = cloud_->state();
        state.EmpresaEmail = QStringLiteral("instalador@quelta.test");
        state.EmpresaPassword = QStringLiteral("quelta-demo");
        state.EmpresaNom = kCompany;
        state.EmpresaInstal = QStringLiteral("Jordi Puig");
        state.EmpresaClau = QStringLiteral("jordi-demo");
        directory_ = &shell.directory();
    }

    void cleanup() { harness_.reset(); }

    // "Buscar" lists the installer's own devices, sorted by reference, with their links.
    void theInstallersOwnDevicesAreListed()
    {
        QSignalSpy offline(directory_, &DeviceDirectory::offline);
        QSignalSpy filled(directory_, &DeviceDirectory::searchFilled);
        directory_->MIBuscarClick();
        QCOMPARE(filled.count(), 1);
        QCOMPARE(references(directory_->entries()),
                 (QStringList{QStringLiteral("Almacén Zona Franca"), QStringLiteral("Colegio San Gregorio"),
                              QStringLiteral("Hospital Comarcal"), QStringLiteral("Nave Sant Boi 3"),
                              QStringLiteral("Oficinas Gran Vía")}));
        const DirectoryEntry &store = directory_->entries().first();
        QVERIFY(store.deletable());
        QCOMPARE(store.ethernet, QStringLiteral("No ADSL"));
        QCOMPARE(directory_->entries().at(2).gprs, QStringLiteral("Desactivado"));
        QVERIFY(prompter().asked.isEmpty());
        QCOMPARE(offline.count(), 0);
    }

    // Without internet "Buscar" only says so, and the cloud's views go off.
    void withoutInternetNothingIsAsked()
    {
        harness_->internet.online = false;
        QSignalSpy offline(directory_, &DeviceDirectory::offline);
        directory_->MIBuscarClick();
        QCOMPARE(offline.count(), 1);
        QCOMPARE(lastMessage(), QStringLiteral("No hay conexión a internet"));
        QVERIFY(directory_->entries().isEmpty());
    }

    void searchesBeforeAnyKey_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("installer");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("message");
        QTest::newRow("reference without installer") << kCompany << "" << "Hospital Comarcal"
                                                     << "No puede haber una referencia sin instalador";
        QTest::newRow("a numeric company lists at once") << "1234" << "" << "" << "No se ha encontrado ningún equipo";
    }

    void searchesBeforeAnyKey()
    {
        QFETCH(QString, company);
        QFETCH(QString, installer);
        QFETCH(QString, reference);
        QFETCH(QString, message);
        QSignalSpy keyPanel(directory_, &DeviceDirectory::keyPanelShown);
        directory_->BBLlistatBuscaClick({company, installer, reference});
        QCOMPARE(prompter().asked.size(), 1);
        QVERIFY2(lastMessage().contains(message), qPrintable(lastMessage()));
        QCOMPARE(keyPanel.count(), 0);
    }

    // Another installer's devices need that installer's key; a wrong one is refused.
    void anotherLevelAsksForItsKey()
    {
        const DirectorySearch marta{kCompany, QStringLiteral("Marta Soler"), {}};
        QSignalSpy keyPanel(directory_, &DeviceDirectory::keyPanelShown);
        directory_->BBLlistatBuscaClick(marta);
        QCOMPARE(keyPanel.count(), 1);
        directory_->BBAcceptarPasswordClick(marta, QStringLiteral("wrong-key"));
        QVERIFY(lastMessage().contains(QStringLiteral("La clave entrada no coincide con la registrada")));
        directory_->BBAcceptarPasswordClick(marta, QStringLiteral("marta-demo"));
        QCOMPARE(references(directory_->entries()),
                 (QStringList{QStringLiteral("Centro Comercial Diagonal"), QStringLiteral("Parking Plaza Mayor"),
                              QStringLiteral("Residencia Els Pins")}));
    }

    // A level without a key is created by the first key given for it, stored with "," for ".".
    void aNewLevelTakesTheFirstKey()
    {
        const DirectorySearch level{kCompany, QStringLiteral("Jordi Puig"), QStringLiteral("Obra 2.B")};
        prompter().answers = {DialogResult::Yes};
        directory_->BBLlistatBuscaClick(level);
        QCOMPARE(prompter().asked.size(), 1); // "¿Desea darlos de alta?"
        directory_->BBAcceptarPasswordClick(level, QStringLiteral("obra-2b-key"));
        QCOMPARE(sim_.read(QStringLiteral("Companies/%1/Installers/Jordi Puig/References/Obra 2,B/KeyReference").arg(kCompany))
                     .toString(),
                 QStringLiteral("obra-2b-key"));
    }

    // A device on line by neither link may be removed: it is gone from the cloud and the list.
    void aDeviceOffLineIsDeleted()
    {
        QVERIFY(sim_.write(QStringLiteral("Equipments/3A0F2C1B84DAFFFF"),
                           R"({"Company": "Protecciones Ibéricas SL", "Installer": "Jordi Puig", "Reference": "Baja"})"));
        directory_->MIBuscarClick();
        QCOMPARE(references(directory_->entries()).mid(0, 2),
                 (QStringList{QStringLiteral("Almacén Zona Franca"), QStringLiteral("Baja")}));
        prompter().answers = {DialogResult::Ok};
        directory_->SGLListatCircuitsDblClick(2, 0);
        QVERIFY(sim_.read(QStringLiteral("Equipments/3A0F2C1B84DAFFFF")).isNull());
        QVERIFY(!references(directory_->entries()).contains(QStringLiteral("Baja")));
    }

    // A connected link opens the remote session on its path; the other link is pointed at when only
    // it is connected; a device on line by neither shows its last state.
    void aDoubleClickReachesTheDevice()
    {
        directory_->MIBuscarClick();
        DeviceSession &device = harness_->shell->device();
        QSignalSpy snapshot(directory_, &DeviceDirectory::snapshotRequested);
        directory_->SGLListatCircuitsDblClick(3, 4); // Hospital Comarcal: Ethernet connected, GPRS off
        QCOMPARE(device.link().identConnectar, QStringLiteral("3A0F2C1B84D95E22"));
        QVERIFY(device.link().connexADSL);
        device.DesconnectarMQTT();
        const qsizetype before = prompter().asked.size();
        directory_->SGLListatCircuitsDblClick(3, 5);
        QCOMPARE(prompter().asked.size(), before + 1);
        QVERIFY(lastMessage().contains(QStringLiteral("no está conectado por GPRS pero sí por ADSL")));
        directory_->SGLListatCircuitsDblClick(1, 4); // Almacén Zona Franca: not on line
        QCOMPARE(snapshot.count(), 1);
        QCOMPARE(snapshot.first().first().toString(), QStringLiteral("3A0F2C1B84D95E07"));
    }

    // The demo's first device is a simulated one behind a real broker: the double click on its
    // Ethernet link opens the remote session, and the device answers through the broker.
    void aConnectedDeviceIsReachedThroughTheBroker()
    {
        test::Broker server;
        QVERIFY(server.start());
        test::SimulatedDevice simulated;
        QVERIFY(simulated.startOnBroker(server.port(), {QStringLiteral("--unpaced"), QStringLiteral("--config"),
                                                        test::SimulatedDevice::config(QStringLiteral("bc600.json"))}));
        DeviceSession &device = harness_->shell->device();
        MqttSettings broker;
        broker.host = QStringLiteral("127.0.0.1");
        broker.port = server.port();
        device.setBrokerForThisRun(broker);
        directory_->MIBuscarClick();
        QCOMPARE(directory_->entries().at(1).identifier, simulated.identifier());
        directory_->SGLListatCircuitsDblClick(2, 4);
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(*harness_->shell), 15000);
        QVERIFY(device.link().isRemote());
        QCOMPARE(device.link().central, QStringLiteral("BC600"));
        device.DesconnectarMQTT();
    }
};

QTEST_GUILESS_MAIN(TestDeviceDirectory)
#include "test_device_directory.moc"
