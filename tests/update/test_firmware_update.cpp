// The firmware update end to end: the window's update session between quelta-updsim and
// quelta-devsim on a pseudo-terminal, every way an update ends, and the listing's answers.
#include "Broker.h"
#include "ShellHarness.h"
#include "SimulatedDevice.h"
#include "UpdateServer.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using namespace quelta;
using namespace quelta::update;

namespace {

// The watchdog's 30 s become 3 s; the device's own waits are its own.
constexpr int kTimeDivisor = 10;
const QString kVersion = QStringLiteral("Quelta_v8.7.15");

struct Rig
{
    test::ShellHarness harness;
    test::SimulatedDevice device;
    test::UpdateServer server;
    Shell *shell = nullptr;
    QStringList progressTexts;
    QStringList trace;

    bool start(const QStringList &deviceOptions, const QStringList &serverOptions)
    {
        if (!server.start(serverOptions) || !device.start(QStringList{QStringLiteral("--unpaced"), QStringLiteral("--reboot-seconds"),
                                                                      QStringLiteral("0.5")} + deviceOptions))
            return false;
        shell = &harness.create(device.portPath(), kTimeDivisor);
        shell->loadDictionaries();
        shell->startLink();
        shell->FormActivate(test::noSignInWindow);
        session().setServer({server.host(), server.port(), QByteArrayLiteral("Qu3lt@Upd8")});
        QObject::connect(&session(), &UpdateSession::changed, &session(), [this] {
            if (progressTexts.value(progressTexts.size() - 1) != session().progressText())
                progressTexts << session().progressText();
        });
        QObject::connect(&shell->context().trace(), &DiagnosticTrace::lineAdded, shell,
                         [this](const QString &line) { trace << line; });
        return QTest::qWaitFor([this] { return test::connected(*shell); }, 15000);
    }

    UpdateSession &session() { return shell->update(); }
    LinkState &link() { return shell->device().link(); }

    // The listing, as "Buscar" runs it; its outcome.
    Outcome list()
    {
        QSignalSpy listed(&session(), &UpdateSession::listingFinished);
        session().BBuscarVersionsClick();
        if (!listed.wait(15000))
            return {false, QStringLiteral("no answer"), {}};
        return listed.first().first().value<Outcome>();
    }

    // The first version listed, installed to its end.
    Outcome install(int timeoutMs = 60000)
    {
        QSignalSpy ended(&session(), &UpdateSession::updateFinished);
        session().SGVersionsDblClick(0);
        if (!ended.wait(timeoutMs))
            return {false, QStringLiteral("did not end"), {}};
        return ended.first().first().value<Outcome>();
    }

    bool traced(const QString &text) const
    {
        return std::any_of(trace.cbegin(), trace.cend(), [&text](const QString &line) { return line.contains(text); });
    }
};

QStringList image(int bytes)
{
    return {QStringLiteral("--image"), QStringLiteral("%1=%2:Nuevo modem").arg(kVersion).arg(bytes)};
}

} // namespace

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Outcome>(); }

    // The whole round: listed, relayed block by block, the device back with its new firmware.
    void anUpdateRunsToItsEnd()
    {
        Rig rig;
        QVERIFY(rig.start({}, image(5000)));
        QVERIFY(rig.list().success);
        QCOMPARE(rig.session().versions().size(), 1);
        QCOMPARE(rig.session().versions().first().bytes, QStringLiteral("5000"));
        QCOMPARE(rig.shell->context().views().panelmostrat(), View::Actualitzacions);

        const Outcome outcome = rig.install();
        QVERIFY2(outcome.success, qPrintable(outcome.caption + outcome.text));
        QCOMPARE(outcome.text, QStringLiteral("\r\nQuelta actualizado a la versión ") + kVersion);
        QCOMPARE(rig.session().progressMaximum(), 5);
        QVERIFY(rig.progressTexts.contains(QStringLiteral("VERSION : %1\r\n\r\n Iniciando la actualización ...").arg(kVersion)));
        QVERIFY(rig.progressTexts.contains(QStringLiteral("VERSION : %1\r\n\r\nPetición bloque 5 / 5").arg(kVersion)));
        QVERIFY(rig.progressTexts.contains(QStringLiteral("VERSION : %1\r\n\r\nEnvío ... (Bloque 5 / 5)").arg(kVersion)));
        QVERIFY(!rig.session().progressVisible());
        QVERIFY(!rig.link().updateRunning());
        QVERIFY(rig.traced(QStringLiteral(" El fitxer %1 té 5000 bytes").arg(kVersion)));
        // Restarted with the new firmware, the device is found again.
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(*rig.shell) && rig.link().firmware == kVersion, 20000);
    }

    // Through the broker: blocks published on the device's command topic, its lines relayed
    // back; at the end the remote session is closed, as the device restarts.
    void anUpdateReachesARemoteDevice()
    {
        test::Broker broker;
        QVERIFY(broker.start());
        test::SimulatedDevice device;
        QVERIFY(device.startOnBroker(broker.port(), {QStringLiteral("--unpaced"), QStringLiteral("--reboot-seconds"),
                                                     QStringLiteral("0.5")}));
        test::UpdateServer server;
        QVERIFY(server.start(image(5000)));
        test::ShellHarness harness;
        Shell &shell = harness.create(QString(), kTimeDivisor);
        shell.loadDictionaries();
        shell.startLink();
        MqttSettings settings;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = broker.port();
        shell.device().setBrokerForThisRun(settings);
        shell.update().setServer({server.host(), server.port(), QByteArrayLiteral("Qu3lt@Upd8")});
        shell.device().BBConnectarRemotClick(device.identifier());
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(shell), 15000);

        QSignalSpy listed(&shell.update(), &UpdateSession::listingFinished);
        shell.update().BBuscarVersionsClick();
        QVERIFY(listed.wait(15000));
        QSignalSpy ended(&shell.update(), &UpdateSession::updateFinished);
        shell.update().SGVersionsDblClick(0);
        QVERIFY(ended.wait(60000));
        const Outcome outcome = ended.first().first().value<Outcome>();
        QVERIFY2(outcome.success, qPrintable(outcome.caption + outcome.text));
        QTRY_VERIFY(shell.device().link().isLocal());
    }

    // A bad block is asked for again: the label says so and the update goes on.
    void aBadBlockIsReportedAndTheUpdateGoesOn_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("label");
        QTest::newRow("frame CRC") << "update-block-crc=1" << "Error CRC de la trama: 1";
        QTest::newRow("frame time-out") << "update-block-timeout=2" << "Error Time Out -> trama: 2";
    }

    void aBadBlockIsReportedAndTheUpdateGoesOn()
    {
        QFETCH(QString, fault);
        QFETCH(QString, label);
        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--fault"), fault}, image(65536)));
        QVERIFY(rig.list().success);
        const Outcome outcome = rig.install();
        QVERIFY2(outcome.success, qPrintable(outcome.text));
        QCOMPARE(rig.session().progressMaximum(), 65);
        QVERIFY(rig.progressTexts.contains(QStringLiteral("VERSION : %1\r\n\r\n").arg(kVersion) + label));
    }

    // Every other end: the dialog the installer is shown, and the program ready for the next one.
    void everyFailureEndsTheUpdate_data()
    {
        QTest::addColumn<QStringList>("deviceOptions");
        QTest::addColumn<QStringList>("serverOptions");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("deviceComesBack");
        const QStringList none;
        const QStringList fault{QStringLiteral("--fault")};
        QTest::newRow("image CRC") << fault + QStringList{"update-image-crc"} << none
                                   << "ACTUALIZACION DEL QUELTA: FALLO DE CRC" << "\r\nQuelta actualizado a la versión " + kVersion << true;
        QTest::newRow("three fields") << none << fault + QStringList{"act-fields=3"} << "ERROR"
                                      << "ERROR EN LA ACTUALIZACION\r\n1024,5000," << true;
        QTest::newRow("two bad frames") << none << fault + QStringList{"bad-crc-twice"} << "ERROR"
                                        << "ERROR EN LA ACTUALIZACION\r\nLa información recibida del servidor de actualizaciones es incorrecta\r\nSe cierra la conexión" << true;
        QTest::newRow("server closes") << none << fault + QStringList{"close-after=2"}
                                       << "ACTUALIZACION DEL QUELTA: ERROR GRAVE" << "Error de conexión con el servidor de actualizaciones: \r\n" << false;
        QTest::newRow("silent device") << fault + QStringList{"update-silent"} << none << "ERROR"
                                       << "ERROR EN LA ACTUALIZACION\r\nSe ha cortado la comunicación entre el equipo Quelta y el servidor de actualizaciones" << false;
    }

    void everyFailureEndsTheUpdate()
    {
        QFETCH(QStringList, deviceOptions);
        QFETCH(QStringList, serverOptions);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(bool, deviceComesBack);
        Rig rig;
        QVERIFY(rig.start(deviceOptions, image(5000) + serverOptions));
        QVERIFY(rig.list().success);
        const Outcome outcome = rig.install();
        QVERIFY(!outcome.success);
        QCOMPARE(outcome.caption, caption);
        QVERIFY2(outcome.text.startsWith(text), qPrintable(outcome.text));
        QCOMPARE(rig.harness.prompter.asked.last().caption, caption);
        QVERIFY(!rig.link().updateRunning());
        QVERIFY(!rig.session().busy());
        // The link starts afresh and looks for the device again; one left halfway through its
        // update takes its own time to give up.
        QCOMPARE(rig.link().espero, QStringLiteral("+ver"));
        if (deviceComesBack)
            QTRY_VERIFY_WITH_TIMEOUT(test::connected(*rig.shell), 20000);
    }

    // One bad frame after a good one is only written to the console.
    void oneBadFrameIsOnlyLogged()
    {
        Rig rig;
        QVERIFY(rig.start({}, image(3000) + QStringList{QStringLiteral("--fault"), QStringLiteral("bad-crc-once")}));
        QVERIFY(rig.list().success);
        QVERIFY(rig.install().success);
        QVERIFY(rig.traced(QStringLiteral(" CRC no coincideix: ")));
    }

    void listingAnswers_data()
    {
        QTest::addColumn<QStringList>("serverOptions");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("text");
        const QStringList fault{QStringLiteral("--fault")};
        QTest::newRow("nothing new") << QStringList() << true << " No hay una nueva actualización";
        QTest::newRow("bad CRC") << image(10) + fault + QStringList{"bad-crc-list"} << false
                                 << "Los datos recibidos para la actualización son incorrectos";
        QTest::newRow("server's refusal") << fault + QStringList{"list-error=Equipo sin contrato"} << false
                                          << "Equipo sin contrato";
    }

    void listingAnswers()
    {
        QFETCH(QStringList, serverOptions);
        QFETCH(bool, success);
        QFETCH(QString, text);
        Rig rig;
        QVERIFY(rig.start({}, serverOptions));
        const Outcome outcome = rig.list();
        QCOMPARE(outcome.success, success);
        QCOMPARE(outcome.text, text);
        QVERIFY(rig.session().versions().isEmpty());
        QCOMPARE(rig.shell->context().views().panelmostrat(), View::Estat);
    }

    // Nothing listens: the listing says no update was found, and nothing stays open.
    void noServer()
    {
        Rig rig;
        QVERIFY(rig.start({}, {}));
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        rig.session().setServer({QStringLiteral("127.0.0.1"), port, QByteArrayLiteral("Qu3lt@Upd8")});
        const Outcome outcome = rig.list();
        QCOMPARE(outcome.text, QStringLiteral("No se ha encontrado ninguna actualización"));
        QVERIFY(!rig.session().busy());
    }

    // While an update runs, the programming's entry points refuse.
    void programmingWaitsForTheUpdate()
    {
        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--fault"), QStringLiteral("update-silent")}, image(5000)));
        QVERIFY(rig.list().success);
        QSignalSpy ended(&rig.session(), &UpdateSession::updateFinished);
        rig.session().SGVersionsDblClick(0);
        QTRY_VERIFY(rig.session().progressVisible());
        QVERIFY(!rig.shell->device().lock().allowsProgramming());
        rig.session().BBuscarVersionsClick();
        QVERIFY(rig.session().progressVisible());
        QVERIFY(ended.wait(20000));
        QVERIFY(rig.shell->device().lock().allowsProgramming());
    }
};

QTEST_GUILESS_MAIN(TestFirmwareUpdate)
#include "test_firmware_update.moc"
