// The telecontrol relay end to end: a TCP client in the place of the panel maker's program, the
// program's session through a real mosquitto, and quelta-devsim with a scripted panel behind the
// device.

#include "Broker.h"
#include "CommandListener.h"
#include "ShellHarness.h"
#include "SimulatedDevice.h"

#include "core/session/Telecontrol.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

using namespace quelta;

namespace {

constexpr int kTimeDivisor = 10;
constexpr int kWaitMs = 15000;

// A request of the scripted panel, and its answer.
const QByteArray kWhoAreYou = QByteArray::fromHex("023F03");
const QByteArray kPanelName = QByteArray::fromHex("06024147452D53494D03");
const QByteArray kZone1 = QByteArray::fromHex("025A303103");
const QByteArray kZone1State = QByteArray::fromHex("06025A30313D414C41524D4103");

const QString kTelecontrolRefused = QStringLiteral("Central en telecontrol\rNo se puede acceder a la programación");

struct PostedEntry
{
    QString identifier;
    QString message;
    QString code;
    friend bool operator==(const PostedEntry &, const PostedEntry &) = default;
};

// The history entries as they are posted.
class RecordingCloud : public StatusCloud
{
public:
    QList<PostedEntry> entries;

    int AgafaNumBotons() override { return 0; }
    QString AgafaBotonsMarcats() override { return {}; }
    bool AgafaPotObrirPortes() override { return false; }
    QString AgafaEstatPortes(int) override { return {}; }
    QString ErrorFirebase() const override { return {}; }
    QString userKey() const override { return {}; }
    void ActualitzaEventsRTDB(const QString &identifier, const QString &message, const QString &code) override
    {
        entries.append({identifier, message, code});
    }
};

// The telecontrol's commands among those heard from this one on.
QList<QByteArray> bidiCommands(const test::CommandListener &listener, qsizetype from = 0)
{
    QList<QByteArray> commands;
    for (const QByteArray &payload : listener.heard.mid(from)) {
        if (payload.startsWith("{#Ag=") || payload == "qz+inf" || payload == "qz+INf")
            commands << payload;
    }
    return commands;
}

// The window's modules on the test broker, with the telecontrol module composed as the window
// composes it, the device an AE/SA panel behind a scripted panel.
struct Rig
{
    test::Broker broker;
    test::SimulatedDevice device;
    test::ShellHarness harness;
    RecordingCloud cloud;
    std::unique_ptr<Telecontrol> telecontrol;
    std::unique_ptr<test::CommandListener> listener;

    Shell &shell() { return *harness.shell; }
    LinkState &link() { return shell().device().link(); }
    TelecontrolRelay &relay() { return telecontrol->relay(); }

    bool start(bool adsl = true)
    {
        if (!broker.start()
            || !device.startOnBroker(broker.port(),
                                     {QStringLiteral("--unpaced"), QStringLiteral("--config"),
                                      test::SimulatedDevice::config(QStringLiteral("aesa.json")),
                                      QStringLiteral("--panel-script"), QStringLiteral(QUELTA_PANEL_SCRIPT)}))
            return false;
        listener = std::make_unique<test::CommandListener>(broker.port(), device.identifier());
        if (!listener->ready)
            return false;
        Shell &shell = harness.create(QString(), kTimeDivisor);
        shell.loadDictionaries();
        shell.startLink();
        ConfigInicial &settings = shell.context().settings().values();
        settings.ipTelecontrol = QStringLiteral("127.0.0.1");
        settings.portTelecontrol = QStringLiteral("0");
        telecontrol = std::make_unique<Telecontrol>(shell.context(), shell.device(), shell.screens(), shell.panels(), cloud);
        MqttSettings mqtt;
        mqtt.host = QStringLiteral("127.0.0.1");
        mqtt.port = broker.port();
        mqtt.clientId = QStringLiteral("installer-7");
        shell.device().setBrokerForThisRun(mqtt);
        link().connexADSL = adsl;
        shell.device().BBConnectarRemotClick(device.identifier());
        return QTest::qWaitFor([this] { return test::connected(this->shell()) && relay().listening(); }, kWaitMs);
    }

    // A client of the relay, connected and taken in.
    std::unique_ptr<QTcpSocket> client()
    {
        auto socket = std::make_unique<QTcpSocket>();
        QSignalSpy taken(&relay(), &TelecontrolRelay::clientConnected);
        socket->connectToHost(QHostAddress::LocalHost, relay().serverPort());
        if (!socket->waitForConnected(5000) || !taken.wait(5000))
            return nullptr;
        return socket;
    }

    // Whether programming may start, and what the refusal said.
    std::pair<bool, QString> programming()
    {
        const qsizetype before = harness.prompter.asked.size();
        const bool allowed = shell().device().lock().allowsProgramming();
        const QString said = harness.prompter.asked.size() > before ? harness.prompter.asked.last().message : QString();
        return {allowed, said};
    }
};

// What the client has received so far, waiting until it holds `expected` bytes.
QByteArray readExactly(QTcpSocket &socket, qsizetype expected)
{
    QByteArray received;
    const bool complete = QTest::qWaitFor([&] {
        received += socket.readAll();
        return received.size() >= expected;
    }, kWaitMs);
    return complete ? received : received + QByteArray("<incomplete>");
}

bool closedByPeer(QTcpSocket &socket)
{
    return QTest::qWaitFor([&socket] { return socket.state() == QAbstractSocket::UnconnectedState; }, kWaitMs);
}

} // namespace

class TestTelecontrol : public QObject
{
    Q_OBJECT

private slots:
    // The device's path decides the panel topics and whether its stream is stopped meanwhile.
    void aClientTalksToThePanelWhileItIsInTelecontrol_data()
    {
        QTest::addColumn<bool>("adsl");
        QTest::addColumn<QList<QByteArray>>("entering");
        QTest::addColumn<QList<QByteArray>>("leaving");
        QTest::newRow("Ethernet") << true << QList<QByteArray>{"{#Ag=setBidi}", "qz+inf"}
                                  << QList<QByteArray>{"{#Ag=setBidi}", "qz+inf", "qz+INf", "{#Ag=outBidi}"};
        QTest::newRow("GPRS") << false << QList<QByteArray>{"{#Ag=setBidi}"}
                              << QList<QByteArray>{"{#Ag=setBidi}", "qz+INf", "{#Ag=outBidi}"};
    }
    void aClientTalksToThePanelWhileItIsInTelecontrol()
    {
        QFETCH(bool, adsl);
        QFETCH(QList<QByteArray>, entering);
        QFETCH(QList<QByteArray>, leaving);
        Rig rig;
        QVERIFY(rig.start(adsl));
        QCOMPARE(rig.programming().first, true);
        const QString identifier = rig.device.identifier();
        QTest::qWait(500); // the session's own commands are out
        const qsizetype mark = rig.listener->heard.size();

        std::unique_ptr<QTcpSocket> client = rig.client();
        QVERIFY(client);
        QVERIFY(rig.link().bidiCentral);
        QCOMPARE(rig.programming(), std::make_pair(false, kTelecontrolRefused));
        QCOMPARE(rig.shell().panels().display().control(QStringLiteral("PEstatAgui")).caption,
                 std::optional<QString>(QStringLiteral("CENTRAL EN TELECONTROL")));
        QCOMPARE(rig.cloud.entries,
                 (QList<PostedEntry>{{identifier, QStringLiteral("Entrada en Central en Telecontrol"), QStringLiteral("123456")}}));
        QTRY_COMPARE_WITH_TIMEOUT(bidiCommands(*rig.listener, mark), entering, kWaitMs);

        // Bytes both ways, unchanged: a request, then one split over two writes and sent with another.
        client->write(kWhoAreYou);
        QCOMPARE(readExactly(*client, kPanelName.size()), kPanelName);
        client->write(kZone1.left(2));
        client->flush();
        QTest::qWait(200);
        client->write(kZone1.mid(2) + kWhoAreYou);
        QCOMPARE(readExactly(*client, kZone1State.size() + kPanelName.size()), kZone1State + kPanelName);

        client->disconnectFromHost();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.link().bidiCentral, kWaitMs);
        QCOMPARE(rig.programming().first, true);
        QCOMPARE(rig.shell().panels().display().control(QStringLiteral("PEstatAgui")).caption, std::optional<QString>(QString()));
        QCOMPARE(rig.cloud.entries.size(), 2);
        QCOMPARE(rig.cloud.entries.last(),
                 (PostedEntry{identifier, QStringLiteral("Salida de Central en Telecontrol"), QStringLiteral("123456")}));
        QTRY_COMPARE_WITH_TIMEOUT(bidiCommands(*rig.listener, mark), leaving, kWaitMs);
    }

    // A second client takes the first one's place: the first is closed, the panel stays in
    // telecontrol for the second, and the first's going does not end it.
    void oneClientIsServedAtATime()
    {
        Rig rig;
        QVERIFY(rig.start());
        std::unique_ptr<QTcpSocket> first = rig.client();
        QVERIFY(first);
        std::unique_ptr<QTcpSocket> second = rig.client();
        QVERIFY(second);
        QVERIFY(closedByPeer(*first));
        QVERIFY(rig.link().bidiCentral);
        QVERIFY(rig.relay().connex_prog_Agui());
        QVERIFY(!rig.telecontrol->MIBidiClick());

        second->write(kWhoAreYou);
        QCOMPARE(readExactly(*second, kPanelName.size()), kPanelName);
        QVERIFY(rig.link().bidiCentral);
        QCOMPARE(rig.cloud.entries.size(), 1);

        second->disconnectFromHost();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.link().bidiCentral, kWaitMs);
        QCOMPARE(rig.cloud.entries.size(), 2);
    }

    // However the device is lost, the client is let go and programming is possible again.
    void theDeviceLostEndsTelecontrol_data()
    {
        QTest::addColumn<QString>("loss");
        QTest::newRow("broker gone") << QStringLiteral("broker");
        QTest::newRow("local link chosen") << QStringLiteral("local");
        QTest::newRow("window closing") << QStringLiteral("close");
    }
    void theDeviceLostEndsTelecontrol()
    {
        QFETCH(QString, loss);
        Rig rig;
        QVERIFY(rig.start());
        std::unique_ptr<QTcpSocket> client = rig.client();
        QVERIFY(client);
        QVERIFY(rig.link().bidiCentral);
        QSignalSpy gone(&rig.relay(), &TelecontrolRelay::clientDisconnected);

        if (loss == QLatin1String("broker")) {
            rig.broker.stop();
        } else if (loss == QLatin1String("local")) {
            rig.shell().device().MIIComunicacioLocalClick();
        } else {
            rig.telecontrol->closeClient();
            rig.shell().FormClose();
        }
        QVERIFY(closedByPeer(*client));
        QCOMPARE(gone.count(), 1);
        QVERIFY(!rig.link().bidiCentral);
        QVERIFY(!rig.relay().connex_prog_Agui());
        QCOMPARE(rig.programming().second, QString());
        QCOMPARE(rig.cloud.entries.size(), 2);
        // Left on purpose, the session still carries the panel's way out of telecontrol.
        if (loss != QLatin1String("broker"))
            QTRY_VERIFY_WITH_TIMEOUT(bidiCommands(*rig.listener).contains("{#Ag=outBidi}"), kWaitMs);
        // A panel answer arriving late has nobody to go to.
        rig.relay().RebutIPCentral(kPanelName);
        QVERIFY(rig.telecontrol->MIBidiClick());
    }

    // "Aceptar" of the settings panel: an empty port changes nothing; otherwise the binding is
    // stored and saved, and the server moves to it, or says why it cannot.
    void theSettingsPanelMovesTheServer_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("port"); // "free": a port nobody listens on
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("listening");
        QTest::newRow("new binding") << "127.0.0.1" << "free" << true << QString() << true;
        QTest::newRow("empty port") << "127.0.0.1" << " " << false << "El puerto no puede estar vacío\r" << true;
        QTest::newRow("not IPv4") << "::1" << "free" << true << "Error al acceder a la IP de la Central : \r" << false;
        QTest::newRow("port taken") << "127.0.0.1" << "taken" << true << "Error al acceder a la IP de la Central : \r" << false;
    }
    void theSettingsPanelMovesTheServer()
    {
        QFETCH(QString, ip);
        QFETCH(QString, port);
        QFETCH(bool, accepted);
        QFETCH(QString, said);
        QFETCH(bool, listening);
        test::ShellHarness harness;
        Shell &shell = harness.create();
        RecordingCloud cloud;
        ConfigInicial &settings = shell.context().settings().values();
        settings.ipTelecontrol = QStringLiteral("127.0.0.1");
        settings.portTelecontrol = QStringLiteral("0");
        Telecontrol telecontrol(shell.context(), shell.device(), shell.screens(), shell.panels(), cloud);
        QVERIFY(telecontrol.relay().ConnexioAGE44());
        const quint16 before = telecontrol.relay().serverPort();
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::LocalHost));
        if (port == QLatin1String("free")) {
            port = QString::number(other.serverPort());
            other.close();
        } else if (port == QLatin1String("taken")) {
            port = QString::number(other.serverPort());
        }

        QVERIFY(telecontrol.MIBidiClick());
        QCOMPARE(telecontrol.BBidiAcceptarClick(ip, port), accepted);
        QCOMPARE(harness.prompter.asked.isEmpty() ? QString() : harness.prompter.asked.last().message.left(said.size()), said);
        QCOMPARE(telecontrol.relay().listening(), listening);
        if (!accepted) {
            QCOMPARE(telecontrol.relay().serverPort(), before);
            QCOMPARE(settings.portTelecontrol, QStringLiteral("0"));
            return;
        }
        QCOMPARE(harness.storedSetting(QStringLiteral("REG6")), ip);
        QCOMPARE(harness.storedSetting(QStringLiteral("REG7")), port);
        if (listening)
            QCOMPARE(QString::number(telecontrol.relay().serverPort()), port);
    }
};

QTEST_GUILESS_MAIN(TestTelecontrol)
#include "test_telecontrol.moc"
