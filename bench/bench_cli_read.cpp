// quelta-cli reading an AE/SA device (1023 zones) into a template, from the simulated device at the
// real pace of the link: the whole run, start-up and identification included, against the time the
// stream's bytes need on the wire.

#include "BenchSupport.h"

#include "core/codecs/AnsiCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>


using namespace quelta;
using namespace quelta::bench;

namespace {

constexpr double kAllowanceSeconds = 1.5; // the wait after "inf", start-up and identification

// The device's lines from the moment "Xxxx" went out, as the wire carried them.
QByteArray receivedAfterRequest(const QString &trace)
{
    QStringList lines;
    bool counting = false;
    for (const QString &line : trace.split(QLatin1Char('\n'))) {
        if (line == QLatin1String("> qz+Xxxx"))
            counting = true;
        else if (counting && line.startsWith(QLatin1String("< ")))
            lines.append(line.mid(2));
    }
    return ansi::encode(lines.join(QLatin1Char('\r')) + QLatin1Char('\r'));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    test::SimulatedDevice device;
    if (!startAesaDevice(device))
        return 1;
    QTemporaryDir dir;
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(QUELTA_CLI_BINARY), {QStringLiteral("--port"), device.portPath(), QStringLiteral("--verbose"),
                                                 QStringLiteral("read"), QStringLiteral("-o"),
                                                 dir.filePath(QStringLiteral("aesa.pla"))});
    if (!cli.waitForFinished(120000) || cli.exitCode() != 0) {
        say(QStringLiteral("quelta-cli read failed: ") + QString::fromUtf8(cli.readAllStandardError()).right(400));
        return 1;
    }
    const double total = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    QList<StreamLine> lines;
    const qsizetype bytes = streamBytes(receivedAfterRequest(QString::fromUtf8(cli.readAllStandardError())), lines);
    const double wire = static_cast<double>(bytes) / kWireBytesPerSecond;
    const double budget = 1.05 * wire + kAllowanceSeconds;

    say(QStringLiteral("quelta-cli read -o FILE of aesa.json, paced at 11,520 B/s"));
    say(QStringLiteral("stream: %1 lines, %2 bytes from \"Xxxx\" to \"+Xxxx:Ok\"").arg(lines.size()).arg(bytes));
    say(QStringLiteral("wire time of the stream (bytes / 11,520 B/s): %1 s").arg(wire, 0, 'f', 3));
    say(QStringLiteral("measured, process start to exit: %1 s").arg(total, 0, 'f', 3));
    say(QStringLiteral("goal 1.05 x wire + 1.5 s = %1 s: %2")
            .arg(budget, 0, 'f', 3)
            .arg(total <= budget ? QStringLiteral("met") : QStringLiteral("missed")));
    return 0;
}
