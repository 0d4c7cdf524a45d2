#include "core/base/DiagnosticTrace.h"
#include "core/base/NamedStrings.h"
#include "core/base/StatusBar.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/ReplyDispatcher.h"
#include "core/model/ParameterDictionary.h"
#include "core/status/DeviceEventLog.h"
#include "core/status/DoorsScreen.h"
#include "core/status/StatusCloud.h"
#include "core/status/StatusFrameDecoder.h"
#include "core/status/StatusScreen.h"

#include "ScriptedPrompter.h"
#include "SimulatedDevice.h"

#include <QTest>

using namespace quelta;

namespace {

constexpr int kWaitMs = 5000;

// The status screen's core wired to the simulated device as the window wires it.
struct DeviceSession
{
    test::SimulatedDevice device;
    LinkState link;
    DiagnosticTrace trace;
    StatusBar statusBar;
    test::ScriptedPrompter prompter;
    CommandChannel channel{link, trace};
    ReplyDispatcher dispatcher{link, trace};
    ParameterDictionary dictionary;
    StatusScreen screen{link, statusBar};
    DeviceEventLog log;
    OfflineStatusCloud cloud{trace};
    DoorsScreen doors{link, channel, prompter, cloud, [] { return false; }};
    StatusFrameDecoder decoder{link, channel, prompter, trace, dictionary, screen, log, doors, cloud,
                               [] { return false; }};

    bool open(const QString &config)
    {
        dictionary.Llegir_DefInfo(NamedStrings());
        QObject::connect(&channel, &CommandChannel::received, &dispatcher, &ReplyDispatcher::ComPortRxChar);
        QObject::connect(&dispatcher, &ReplyDispatcher::statusFrame, &decoder, &StatusFrameDecoder::Llegir_In);
        if (!device.start({QStringLiteral("--config"), test::SimulatedDevice::config(config)}))
            return false;
        channel.serial().setPortName(device.portPath());
        return channel.serial().open() && channel.escriu_port(CommandChannel::localFrame(QStringLiteral("INf")));
    }

    bool logHas(const QString &text) const
    {
        return std::any_of(log.lines().cbegin(), log.lines().cend(),
                           [&text](const LogLine &line) { return line.text.contains(text); });
    }
};

} // namespace

class TestStatusDevice : public QObject
{
    Q_OBJECT

private slots:
    void screenFollowsTheDevice()
    {
        DeviceSession s;
        QVERIFY(s.open(QStringLiteral("bc600.json")));
        QTRY_VERIFY_WITH_TIMEOUT(s.screen.MDataHora() != StatusScreen::kNoDate, kWaitMs);
        QCOMPARE(s.screen.strZonaHoraria(), QStringLiteral("Europe/Paris"));
        QTRY_COMPARE_WITH_TIMEOUT(s.link.central, QStringLiteral("BC600"), kWaitMs);
        QCOMPARE(s.screen.textBox(TextBoxId::Empresa).lines.value(0),
                 QStringLiteral("Empresa: \tProtecciones Ib\u00e9ricas SL"));
        QCOMPARE(s.link.imei, QStringLiteral("866123045678901"));
        QCOMPARE(s.screen.input(1).caption, QStringLiteral("Pulsador"));
        QCOMPARE(s.screen.output(1).caption, QStringLiteral("Sirena ext."));
        QVERIFY(s.screen.textBox(TextBoxId::Gsm).lines.value(0).startsWith(QStringLiteral("M\u00f3dulo GSM:  SIM7600E")));
        QTRY_VERIFY_WITH_TIMEOUT(s.screen.linkBox(LinkBoxId::Gprs).line.startsWith(QLatin1String(" GPRS: ")), kWaitMs);
        QVERIFY(s.screen.GTamper().maximum == 255 && s.screen.GAlimentacio().voltage.endsWith(QLatin1String(" V")));

        // The output follows the order, and the device's own event names it.
        s.prompter.answers = {DialogResult::Yes};
        s.decoder.ActivarSortidesClick(1);
        QTRY_COMPARE_WITH_TIMEOUT(s.screen.output(1).background, colour::red, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(s.logHas(QStringLiteral("Salida disparada: Sirena ext.")), kWaitMs);
        s.prompter.answers = {DialogResult::Yes};
        s.decoder.ActivarSortidesClick(1);
        QTRY_COMPARE_WITH_TIMEOUT(s.screen.output(1).background, colour::green, kWaitMs);
    }

    void doorsFollowTheController()
    {
        DeviceSession s;
        QVERIFY(s.open(QStringLiteral("puertas.json")));
        QTRY_VERIFY_WITH_TIMEOUT(!s.doors.door(1).name.isEmpty(), kWaitMs);
        // Without the cloud's permission the closed door shows as not to be opened.
        QTRY_COMPARE_WITH_TIMEOUT(s.doors.door(2).picture, int(DoorsScreen::ClosedNotPermitted), kWaitMs);
        QCOMPARE(s.doors.door(2).state, QStringLiteral("Cerrado"));
        s.channel.escriu_port(CommandChannel::localFrame(QStringLiteral("Obrir2")));
        QTRY_COMPARE_WITH_TIMEOUT(s.doors.door(2).state, QStringLiteral("Abriendo"), kWaitMs);
        QCOMPARE(s.doors.door(2).picture, int(DoorsScreen::Opening));
    }
};

QTEST_GUILESS_MAIN(TestStatusDevice)
#include "test_status_device.moc"
