// Whole-device read of an AE/SA device (1023 zones) through a local MQTT broker, the simulated
// device answering at once: how far the read comes from the protocol's own floor, its fixed wait
// after "inf".

#include "BenchSupport.h"
#include "Broker.h"
#include "ShellHarness.h"
#include "SimulatedDevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace quelta;
using namespace quelta::bench;

namespace {

constexpr double kFloorSeconds = 1.0; // the wait after "inf" before the stream is asked for
constexpr double kGoalSeconds = 0.3;
constexpr int kRuns = 5;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    test::Broker broker;
    test::SimulatedDevice device;
    if (!broker.start() || !device.startOnBroker(broker.port(), {QStringLiteral("--unpaced"), QStringLiteral("--config"),
                                                                 test::SimulatedDevice::config(QStringLiteral("aesa.json"))})) {
        say(QStringLiteral("the broker or the simulated device did not start"));
        return 1;
    }
    test::ShellHarness harness;
    Shell &shell = harness.create();
    shell.loadDictionaries();
    shell.startLink();
    MqttSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = broker.port();
    shell.device().setBrokerForThisRun(settings);
    shell.device().BBConnectarRemotClick(device.identifier());
    if (!waitUntil([&shell] { return test::connected(shell) && !shell.device().link().hardware.isEmpty(); }, 30000)) {
        say(QStringLiteral("no remote connection to the simulated device"));
        return 1;
    }

    qsizetype lines = 0;
    QObject::connect(&shell.device().dispatcher(), &ReplyDispatcher::lineReceived, &app, [&lines] { ++lines; });
    QList<double> totals;
    for (int run = 0; run < kRuns; ++run) {
        waitUntil([] { return false; }, 500); // the session's own answers are in
        lines = 0;
        bool finished = false;
        const QMetaObject::Connection done = QObject::connect(&shell.programming().readEngine(), &ReadEngine::readFinished,
                                                              &app, [&finished] { finished = true; });
        QElapsedTimer clock;
        clock.start();
        shell.programming().readEngine().BBLlegirClick();
        if (!waitUntil([&finished] { return finished; }, 60000)) {
            say(QStringLiteral("the read did not finish"));
            return 1;
        }
        totals.append(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        QObject::disconnect(done);
    }
    std::sort(totals.begin(), totals.end());
    const double median = totals.at(totals.size() / 2);
    const GridModel *zones = shell.programming().model().grid(u"SGLlistatZonesAgui");

    say(QStringLiteral("whole-device read of aesa.json through a local mosquitto, device unpaced, %1 runs").arg(kRuns));
    say(QStringLiteral("lines received during the last read: %1; last zone in the model: \"%2\"")
            .arg(lines)
            .arg(zones->text(1023, 2)));
    say(QStringLiteral("BBLlegirClick to readFinished: median %1 s (fastest %2 s, slowest %3 s)")
            .arg(median, 0, 'f', 3)
            .arg(totals.first(), 0, 'f', 3)
            .arg(totals.last(), 0, 'f', 3));
    const double over = median - kFloorSeconds;
    say(QStringLiteral("above the protocol's floor of %1 s (its wait after \"inf\"): %2 s (goal <= %3 s: %4)")
            .arg(kFloorSeconds, 0, 'f', 1)
            .arg(over, 0, 'f', 3)
            .arg(kGoalSeconds, 0, 'f', 1)
            .arg(over <= kGoalSeconds ? QStringLiteral("met") : QStringLiteral("missed")));
    shell.device().DesconnectarMQTT();
    return 0;
}
