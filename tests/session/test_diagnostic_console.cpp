// The console's commands on a simulated device: the exact text each button puts on the serial
// line and the toggles' colours, and on a remote session only the device command going out.

#include "Broker.h"
#include "CommandListener.h"
#include "TransferSession.h"

#include "core/session/DiagnosticConsole.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace quelta;
using namespace Qt::StringLiterals;

namespace {

using Click = void (*)(DiagnosticConsole &);

struct Step
{
    const char *name;
    Click click;
    QString sent;       // the text written to the port; empty: nothing
    bool infoRed, gsmRed, uartRed;
};

QList<Step> steps()
{
    return {
        {"Enviar al GSM", [](DiagnosticConsole &c) { c.BEnviarModulClick(u"AT+CSQ"_s); }, u"\rmv=AT+CSQ\r"_s, true, false, false},
        {"Enviar al Quelta", [](DiagnosticConsole &c) { c.BEnviarQueltaClick(u"0101"_s); }, u"\rqz+0101\r"_s, true, false, false},
        {"Info red: off", [](DiagnosticConsole &c) { c.BInfoClick(); }, u"\rqz+inf\r"_s, false, false, false},
        {"Info: on", [](DiagnosticConsole &c) { c.BInfoClick(); }, u"\rqz+Inf\r"_s, true, false, false},
        {"Gsm", [](DiagnosticConsole &c) { c.BGsmClick(); }, u"\rqz+Sgsm\r"_s, true, true, false},
        {"Gsm again: the same command", [](DiagnosticConsole &c) { c.BGsmClick(); }, u"\rqz+Sgsm\r"_s, true, false, false},
        {"Uart: on", [](DiagnosticConsole &c) { c.BUartClick(); }, u"\rqz+Suar\r"_s, true, false, true},
        {"Uart red: off", [](DiagnosticConsole &c) { c.BUartClick(); }, u"\rqz+Nuar\r"_s, true, false, false},
        {"Test", [](DiagnosticConsole &c) { c.BTestClick(); }, u"\rqz+POL\r"_s, true, false, false},
    };
}

MqttSettings broker(int port, const QString &clientId)
{
    MqttSettings settings;
    settings.host = u"127.0.0.1"_s;
    settings.port = port;
    settings.clientId = clientId;
    return settings;
}

} // namespace

class TestDiagnosticConsole : public QObject
{
    Q_OBJECT

private slots:
    // Every button on the serial link, in one session: what goes out, and each toggle's colour after
    // it. The device's answers to the information switch show the bytes reached it.
    void buttonsOnTheSerialLink()
    {
        test::TransferSession f;
        Shell &shell = f.open({u"--unpaced"_s});
        QStringList sent;
        QObject::connect(&shell.device().channel(), &CommandChannel::sent, &shell,
                         [&sent](const QString &text) { sent.append(text); });
        f.activate();
        DiagnosticConsole console(shell.context().trace(), shell.device().link(), shell.device().channel());

        // No device yet: the window's activation leaves the controls off, and nothing goes out.
        console.FormActivate();
        QVERIFY(!console.controlsEnabled());
        console.BTestClick();
        console.BEnviarQueltaClick(u"0101"_s);
        QVERIFY(!sent.contains(u"\rqz+POL\r"_s));
        QVERIFY(!sent.contains(u"\rqz+0101\r"_s));

        QTRY_VERIFY_WITH_TIMEOUT(test::connected(shell), 5000);
        console.FormActivate();
        QVERIFY(console.controlsEnabled());
        QVERIFY(console.infoRed());

        for (const Step &step : steps()) {
            const qsizetype before = sent.size();
            step.click(console);
            QVERIFY2(sent.mid(before).contains(step.sent), step.name);
            QVERIFY2(console.infoRed() == step.infoRed, step.name);
            QVERIFY2(console.gsmRed() == step.gsmRed, step.name);
            QVERIFY2(console.uartRed() == step.uartRed, step.name);
        }
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"< +inf:Dis"_s) >= 0, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(f.log.lastIndexOf(u"< +Inf:Ena"_s) > f.indexOf(u"< +inf:Dis"_s), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(std::any_of(f.log.cbegin(), f.log.cend(),
                                             [](const QString &e) { return e.startsWith(u"< +0101:"_s); }),
                                 3000);

        // Activating the window again turns "Info" red whatever it was.
        console.BInfoClick();
        QVERIFY(!console.infoRed());
        console.FormActivate();
        QVERIFY(console.infoRed());
    }

    // Through the broker only the device command goes out, published on the command topic; the
    // serial-only buttons send nothing and their toggles keep their colours.
    void onlyTheDeviceCommandGoesRemote()
    {
        test::Broker server;
        QVERIFY(server.start());
        test::SimulatedDevice device;
        QVERIFY(device.startOnBroker(server.port(), {u"--unpaced"_s}));
        test::CommandListener listener(server.port(), device.identifier());
        test::ShellHarness harness;
        Shell &shell = harness.create(QString(), test::kTimeDivisor);
        shell.loadDictionaries();
        shell.startLink();
        shell.device().setBrokerForThisRun(broker(server.port(), u"installer-7"_s));
        // The serial transport traces every write before making it, port or no port.
        QStringList serialWrites;
        QObject::connect(&shell.context().trace(), &DiagnosticTrace::lineAdded, &shell, [&serialWrites](const QString &line) {
            if (line.contains(u"escriu_port"_s))
                serialWrites.append(line);
        });
        shell.device().BBConnectarRemotClick(device.identifier());
        QTRY_VERIFY_WITH_TIMEOUT(test::connected(shell), 15000);
        DiagnosticConsole console(shell.context().trace(), shell.device().link(), shell.device().channel());
        console.FormActivate();
        QVERIFY(console.controlsEnabled());

        const qsizetype before = listener.heard.size();
        serialWrites.clear();
        for (const Step &step : steps()) {
            if (QByteArray(step.name) != "Enviar al Quelta")
                step.click(console);
        }
        QVERIFY(console.infoRed());
        QVERIFY(!console.gsmRed());
        QVERIFY(!console.uartRed());
        console.BEnviarQueltaClick(u"0101"_s);
        QTRY_VERIFY(listener.heard.mid(before).contains("qz+0101"));
        // Whatever else went out is supervision's own.
        for (const QByteArray &payload : listener.heard.mid(before))
            QVERIFY2(payload == "qz+0101" || payload.startsWith("qz+ver") || payload.startsWith("qz+vEr")
                         || payload == "qz+INf",
                     payload.constData());
        QCOMPARE(serialWrites, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDiagnosticConsole)
#include "test_diagnostic_console.moc"
