// Whole-device read of an AE/SA device (1023 zones) from the simulated device at the real pace of
// the link: how close the read comes to the time its bytes need on the wire, and what storing the
// zone list into the model costs.

#include "ShellHarness.h"
#include "BenchSupport.h"
#include "SimulatedDevice.h"

#include "core/model/ParameterDictionary.h"
#include "core/link/EntryNumber.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

using namespace quelta;
using namespace quelta::bench;

namespace {

constexpr double kInfWaitSeconds = 1.0;         // the wait after "inf" before the stream is asked for
constexpr int kZones = 1023;
constexpr int kStoreRuns = 5;

double medianMs(QList<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return static_cast<double>(nanoseconds.at(nanoseconds.size() / 2)) / 1e6;
}

// The zone lines of the stream stored again into the shell's own model, as the read stores them.
double storeIntoShellModel(Shell &shell, const QList<StreamLine> &zones)
{
    QList<qint64> runs;
    const bool aguilera = shell.programming().model().isPageVisible(ProgPage::CentralAguilera);
    for (int run = 0; run < kStoreRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        for (const StreamLine &zone : zones) {
            if (const std::optional<int> number = numeroEntrada(QString::fromLatin1(zone.code), aguilera))
                shell.programming().model().storeEntry(*number, QString::fromLatin1(zone.value));
        }
        runs.append(clock.nsecsElapsed());
    }
    return medianMs(runs);
}

// 1023 zones stored into a model of its own, bound and cleared, whose grids feed no view.
double storeIntoFreshModel()
{
    LinkState link;
    link.central = QStringLiteral("AE/SA");
    TransferActivity activity;
    ParameterDictionary dictionary;
    dictionary.Llegir_parametres();
    ConfigurationModel model(link, activity);
    model.InicialitzaPunters(dictionary);
    model.Esborra_param();
    const int first = model.grid(u"SGLlistatZonesAgui")->number();
    QList<qint64> runs;
    for (int run = 0; run < kStoreRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        for (int zone = 1; zone <= kZones; ++zone)
            model.storeEntry(first + zone - 1, QStringLiteral("110;Zona %1").arg(zone));
        runs.append(clock.nsecsElapsed());
    }
    if (model.grid(u"SGLlistatZonesAgui")->text(kZones, 2) != QStringLiteral("Zona %1").arg(kZones))
        say(QStringLiteral("warning: the fresh model did not store the last zone"));
    return medianMs(runs);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    test::SimulatedDevice device;
    if (!startAesaDevice(device))
        return 1;
    test::ShellHarness harness;
    Shell &shell = harness.create(device.portPath());
    shell.loadDictionaries();
    shell.startLink();
    shell.FormActivate([](const quelta::RegistrationStart &) { return false; });

    // Connected, settled into polling, and between two polls: nothing else on the wire.
    int polls = 0;
    QObject::connect(&shell.device().supervisor(), &LinkSupervisor::identityChanged, &app, [&polls] { ++polls; });
    const QTimer &supervision = shell.device().supervisor().TimerCircuit;
    const bool quiet = waitUntil(
        [&] {
            return shell.device().link().circuittrobat && polls >= 3 && supervision.interval() == 5000
                && supervision.remainingTime() > 300 && supervision.remainingTime() < 4800;
        },
        30000);
    if (!quiet) {
        say(QStringLiteral("no connection to the simulated device"));
        return 1;
    }

    // The stream's bytes: everything received from the moment "Xxxx" is written.
    bool counting = false;
    QByteArray received;
    QObject::connect(&shell.device().channel(), &CommandChannel::sent, &app, [&counting](const QString &text) {
        if (text == CommandChannel::localFrame(QStringLiteral("Xxxx")))
            counting = true;
    });
    QObject::connect(&shell.device().channel(), &CommandChannel::received, &app, [&](const QByteArray &bytes) {
        if (counting)
            received.append(bytes);
    });

    QElapsedTimer clock;
    qint64 totalNs = -1;
    QObject::connect(&shell.programming().readEngine(), &ReadEngine::readFinished, &app, [&] { totalNs = clock.nsecsElapsed(); });
    clock.start();
    shell.programming().readEngine().BBLlegirClick();
    if (!waitUntil([&] { return totalNs >= 0; }, 60000)) {
        say(QStringLiteral("the read did not finish"));
        return 1;
    }

    QList<StreamLine> lines;
    const qsizetype bytes = streamBytes(received, lines);
    QList<StreamLine> zones;
    std::copy_if(lines.cbegin(), lines.cend(), std::back_inserter(zones), [](const StreamLine &line) {
        const int code = Hextoint(QString::fromLatin1(line.code));
        return code >= 0x9101 && code <= 0x94FF;
    });
    const double wire = static_cast<double>(bytes) / kWireBytesPerSecond;
    const double total = static_cast<double>(totalNs) / 1e9;
    const double ratio = total / (wire + kInfWaitSeconds);
    const GridModel *zoneGrid = shell.programming().model().grid(u"SGLlistatZonesAgui");

    say(QStringLiteral("whole-device read of aesa.json, paced at 11,520 B/s"));
    say(QStringLiteral("stream: %1 lines (%2 zone lines), %3 bytes from \"Xxxx\" to \"+Xxxx:Ok\"")
            .arg(lines.size())
            .arg(zones.size())
            .arg(bytes));
    say(QStringLiteral("last zone in the model: \"%1\"").arg(zoneGrid->text(kZones, 2)));
    say(QStringLiteral("wire time of the stream (bytes / 11,520 B/s): %1 s").arg(wire, 0, 'f', 3));
    say(QStringLiteral("measured total, BBLlegirClick to readFinished: %1 s").arg(total, 0, 'f', 3));
    say(QStringLiteral("ratio total / (wire + 1 s): %1 (goal <= 1.05: %2)")
            .arg(ratio, 0, 'f', 3)
            .arg(ratio <= 1.05 ? QStringLiteral("met") : QStringLiteral("missed")));
    const double inShell = storeIntoShellModel(shell, zones);
    say(QStringLiteral("storing %1 zone lines into the shell's model (numeroEntrada + storeEntry), median of %2: "
                       "%3 ms (goal < 50 ms: %4)")
            .arg(zones.size())
            .arg(kStoreRuns)
            .arg(inShell, 0, 'f', 2)
            .arg(inShell < 50 ? QStringLiteral("met") : QStringLiteral("missed")));
    const double fresh = storeIntoFreshModel();
    say(QStringLiteral("storing %1 zones into a fresh model whose grids feed no view (storeEntry), median of %2: "
                       "%3 ms (goal < 50 ms: %4)")
            .arg(kZones)
            .arg(kStoreRuns)
            .arg(fresh, 0, 'f', 2)
            .arg(fresh < 50 ? QStringLiteral("met") : QStringLiteral("missed")));
    return 0;
}
