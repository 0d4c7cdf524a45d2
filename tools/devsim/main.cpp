// quelta-devsim: a simulated Quelta communicator on a pseudo-terminal, for tests and demos.

#include "Device.h"
#include "DeviceConfig.h"
#include "Faults.h"
#include "PacedWriter.h"
#include "PtyPort.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace quelta::devsim;

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop, so that the program cleans up on its way out.
void quitOnSignals(QCoreApplication &app)
{
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool makeLink(const QString &link, const QString &target, QString &error)
{
    const QFileInfo existing(link);
    if (existing.isSymLink())
        QFile::remove(link);
    else if (existing.exists()) {
        error = QStringLiteral("%1 exists and is not a symbolic link").arg(link);
        return false;
    }
    if (!QFile::link(target, link)) {
        error = QStringLiteral("cannot create the link %1").arg(link);
        return false;
    }
    return true;
}

void removeLink(const QString &link, const QString &target)
{
    const QFileInfo info(link);
    if (!link.isEmpty() && info.isSymLink() && info.symLinkTarget() == target)
        QFile::remove(link);
}

int fail(const QString &message, int code)
{
    std::fprintf(stderr, "quelta-devsim: %s\n", qPrintable(message));
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelta-devsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A simulated Quelta communicator on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption configOption(QStringLiteral("config"), QStringLiteral("Device description (JSON)."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption linkOption(QStringLiteral("link"),
                                        QStringLiteral("Symbolic link to the pseudo-terminal, replaced if present."),
                                        QStringLiteral("PATH"));
    const QCommandLineOption unpacedOption(QStringLiteral("unpaced"),
                                           QStringLiteral("Write at once instead of at 115200 baud."));
    const QCommandLineOption faultOption(QStringLiteral("fault"), QStringLiteral("Misbehave (see README.md)."),
                                         QStringLiteral("FAULT"));
    parser.addOptions({configOption, linkOption, unpacedOption, faultOption});
    parser.process(app);

    FaultPlan faults;
    for (const QString &fault : parser.values(faultOption)) {
        if (const QString error = addFault(faults, fault); !error.isEmpty())
            return fail(error, 2);
    }
    const ConfigResult config =
        parser.isSet(configOption) ? loadConfig(parser.value(configOption)) : builtInConfig();
    if (!config.error.isEmpty())
        return fail(config.error, 2);

    PtyPort pty;
    QString error;
    if (!pty.open(error))
        return fail(QStringLiteral("cannot create a pseudo-terminal: ") + error, 1);
    const QString link = parser.value(linkOption);
    if (!link.isEmpty() && !makeLink(link, pty.slavePath(), error))
        return fail(error, 1);
    std::printf("%s\n", qPrintable(pty.slavePath()));
    std::fflush(stdout);

    Device device(config.config, faults, QRandomGenerator::system()->generate());
    PacedWriter writer([&pty](QByteArrayView bytes) { return pty.write(bytes); },
                       parser.isSet(unpacedOption) ? 0 : PacedWriter::kSerialBytesPerSecond);
    QObject::connect(&device, &Device::lineReady, &writer, [&](const QByteArray &line) {
        if (pty.isConnected())
            writer.enqueue(line);
    });
    QObject::connect(&pty, &PtyPort::received, &device, [&device](const QByteArray &bytes) { device.receive(bytes); });
    QObject::connect(&pty, &PtyPort::disconnected, &writer, &PacedWriter::clear);
    if (faults.vanishMs >= 0) {
        QTimer::singleShot(faults.vanishMs, &app, [&] {
            pty.close();
            QCoreApplication::quit();
        });
    }
    quitOnSignals(app);

    const int code = QCoreApplication::exec();
    removeLink(link, pty.slavePath());
    return code;
}
