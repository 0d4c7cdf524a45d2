// A firmware update of a 256 KB image from quelta-updsim to quelta-devsim at the real pace of the
// serial link: the update's time against the wire time of its bytes and the protocol's fixed waits
// (200 ms before every text sent to the server, 2 x 100 ms at the end).

#include "BenchSupport.h"
#include "ShellHarness.h"
#include "SimulatedDevice.h"
#include "UpdateServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace quelta;
using namespace quelta::bench;

namespace {

constexpr int kImageBytes = 256 * 1024;
constexpr int kBlockBytes = 1024;
constexpr int kBlockFrameOverhead = 5 + 8; // "+Unnn" and the block's CRC
const QString kVersion = QStringLiteral("Quelta_v8.7.15");

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    test::UpdateServer server;
    test::SimulatedDevice device;
    if (!server.start({QStringLiteral("--image"), QStringLiteral("%1=%2:Bench").arg(kVersion).arg(kImageBytes)})
        || !device.start()) {
        say(QStringLiteral("the update server or the simulated device did not start"));
        return 1;
    }
    test::ShellHarness harness;
    Shell &shell = harness.create(device.portPath());
    shell.loadDictionaries();
    shell.startLink();
    shell.FormActivate(test::noSignInWindow);
    update::UpdateSession &session = shell.update();
    session.setServer({server.host(), server.port(), QByteArrayLiteral("Qu3lt@Upd8")});
    if (!waitUntil([&shell] { return test::connected(shell); }, 20000)) {
        say(QStringLiteral("the device was not found"));
        return 1;
    }

    int deviceLines = 0;
    qint64 deviceLineBytes = 0;
    QObject::connect(&shell.device().dispatcher(), &ReplyDispatcher::updateRelayLine, &app, [&](const QString &line) {
        ++deviceLines;
        deviceLineBytes += line.size() + (line.endsWith(QLatin1Char('\r')) ? 0 : 1);
    });
    bool listed = false;
    QObject::connect(&session, &update::UpdateSession::listingFinished, &app, [&listed] { listed = true; });
    session.BBuscarVersionsClick();
    waitUntil([&listed] { return listed; }, 20000);
    std::optional<update::Outcome> outcome;
    QObject::connect(&session, &update::UpdateSession::updateFinished, &app,
                     [&outcome](const update::Outcome &ended) { outcome = ended; });
    QElapsedTimer clock;
    clock.start();
    session.SGVersionsDblClick(0);
    waitUntil([&outcome] { return outcome.has_value(); }, 600000);
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    if (!outcome || !outcome->success) {
        say(QStringLiteral("the update failed: %1 %2").arg(outcome ? outcome->caption : QStringLiteral("(no end)"),
                                                          outcome ? outcome->text.simplified() : QString()));
        return 1;
    }

    const int blocks = (kImageBytes + kBlockBytes - 1) / kBlockBytes;
    const double blockWire = static_cast<double>(kImageBytes + blocks * kBlockFrameOverhead) / kWireBytesPerSecond;
    const double linesWire = static_cast<double>(deviceLineBytes) / kWireBytesPerSecond;
    const double waits = 0.2 * (deviceLines + 1) + 0.2; // every line and the start request; the end's two waits
    const double limit = 1.15 * (blockWire + linesWire) + waits;
    say(QStringLiteral("image %1 bytes, %2 blocks, %3 device lines").arg(kImageBytes).arg(blocks).arg(deviceLines));
    say(QStringLiteral("update time           %1 s").arg(seconds, 0, 'f', 2));
    say(QStringLiteral("wire time of blocks   %1 s (device lines %2 s)").arg(blockWire, 0, 'f', 2).arg(linesWire, 0, 'f', 2));
    say(QStringLiteral("fixed waits           %1 s (%2 % of the update)").arg(waits, 0, 'f', 2).arg(100.0 * waits / seconds, 0, 'f', 1));
    say(QStringLiteral("goal                  <= %1 s (1.15 x wire + waits): %2")
            .arg(limit, 0, 'f', 2)
            .arg(seconds <= limit ? QStringLiteral("met") : QStringLiteral("missed")));
    return seconds <= limit ? 0 : 2;
}
