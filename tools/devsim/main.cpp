// quelta-devsim: a simulated Quelta communicator on a pseudo-terminal or an MQTT broker, for tests
// and demos.

#include "Device.h"
#include "DeviceConfig.h"
#include "Faults.h"
#include "PacedWriter.h"
#include "MqttPort.h"
#include "PanelScript.h"
#include "PtyPort.h"

#include "QuitOnSignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>
#include <functional>
#include <optional>

using namespace quelta;
using namespace quelta::devsim;

namespace {

constexpr int kMaxRebootSeconds = 3600;

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

// The first line on standard output tells the caller where the device is.
void announce(const QString &where)
{
    std::printf("%s\n", qPrintable(where));
    std::fflush(stdout);
}

// The vanish fault: after its time the port goes the way `vanish` takes it, and the program ends.
void vanishLater(const FaultPlan &faults, QObject *context, std::function<void()> vanish)
{
    if (faults.vanishMs < 0)
        return;
    QTimer::singleShot(faults.vanishMs, context, [vanish = std::move(vanish)] {
        vanish();
        QCoreApplication::quit();
    });
}

struct Options
{
    FaultPlan faults;
    DeviceConfig config;
    int bytesPerSecond = PacedWriter::kSerialBytesPerSecond;
    int rebootMs = Device::kDefaultRebootMs;
    QString link;
    std::optional<MqttSettings> broker;
    std::optional<PanelScript> panel; // without one, the panel sends back what it is given
};

// Frames for an update are taken to arrive at the link's speed, as the replies leave at it.
void setUpdateTiming(Device &device, const Options &options)
{
    Device::UpdateTiming timing;
    timing.inboundBytesPerSecond = options.bytesPerSecond;
    timing.rebootMs = options.rebootMs;
    device.setUpdateTiming(timing);
}

int servePty(const Options &options)
{
    PtyPort pty;
    QString error;
    if (!pty.open(error))
        return fail(QStringLiteral("cannot create a pseudo-terminal: ") + error, 1);
    if (!options.link.isEmpty() && !makeLink(options.link, pty.slavePath(), error))
        return fail(error, 1);
    announce(pty.slavePath());

    Device device(options.config, options.faults, QRandomGenerator::system()->generate());
    setUpdateTiming(device, options);
    PacedWriter writer([&pty](QByteArrayView bytes) { return pty.write(bytes); }, options.bytesPerSecond);
    QObject::connect(&device, &Device::lineReady, &writer, [&](const QByteArray &line) {
        if (pty.isConnected())
            writer.enqueue(line);
    });
    QObject::connect(&pty, &PtyPort::received, &device, [&device](const QByteArray &bytes) { device.receive(bytes); });
    QObject::connect(&pty, &PtyPort::disconnected, &writer, &PacedWriter::clear);
    vanishLater(options.faults, &pty, [&pty] { pty.close(); });

    const int code = QCoreApplication::exec();
    removeLink(options.link, pty.slavePath());
    return code;
}

// The device's identifier goes out once it is connected and subscribed; a broker that cannot be
// reached then ends the program, one lost later is waited for.
int serveBroker(const Options &options)
{
    const QString identifier = options.config.identity.identifier;
    Device device(options.config, options.faults, QRandomGenerator::system()->generate());
    std::optional<PanelScript> panel = options.panel;
    MqttPort port(*options.broker, identifier, options.bytesPerSecond, [&device, &panel](QByteArrayView bytes) {
        const QByteArray passed = device.passToPanel(bytes);
        return panel && !passed.isEmpty() ? panel->answer(passed) : passed;
    });
    setUpdateTiming(device, options);
    // A restart drops whatever the panel had half received.
    QObject::connect(&device, &Device::rebooting, &port, [&panel] {
        if (panel)
            panel->reset();
    });
    QObject::connect(&device, &Device::lineReady, &port, &MqttPort::send);
    QObject::connect(&device, &Device::rebooting, &port, &MqttPort::powerDown);
    QObject::connect(&device, &Device::rebooted, &port, &MqttPort::powerUp);
    QObject::connect(&port, &MqttPort::commandReceived, &device,
                     [&device](const QByteArray &bytes) { device.receiveCommands(bytes); });
    QObject::connect(&port, &MqttPort::frameReceived, &device, &Device::receiveFrame);
    QObject::connect(&port, &MqttPort::ready, &port, [&] {
        announce(identifier);
        vanishLater(options.faults, &port, [&port] { port.vanish(); });
    });
    // Queued: the first attempt may fail before the event loop runs.
    QObject::connect(&port, &MqttPort::unreachable, &port,
                     [](const QString &reason) { QCoreApplication::exit(fail(reason, 1)); }, Qt::QueuedConnection);
    port.open();

    const int code = QCoreApplication::exec();
    port.close();
    return code;
}

// The options, or why they cannot be used.
QString readOptions(const QCommandLineParser &parser, Options &options)
{
    for (const QString &fault : parser.values(QStringLiteral("fault"))) {
        if (const QString error = addFault(options.faults, fault); !error.isEmpty())
            return error;
    }
    const ConfigResult config = parser.isSet(QStringLiteral("config")) ? loadConfig(parser.value(QStringLiteral("config")))
                                                                       : builtInConfig();
    if (!config.error.isEmpty())
        return config.error;
    options.config = config.config;
    if (parser.isSet(QStringLiteral("unpaced")))
        options.bytesPerSecond = 0;
    if (parser.isSet(QStringLiteral("reboot-seconds"))) {
        const QString text = parser.value(QStringLiteral("reboot-seconds"));
        bool ok = false;
        const double seconds = text.toDouble(&ok);
        if (!ok || !(seconds >= 0 && seconds <= kMaxRebootSeconds))
            return QStringLiteral("--reboot-seconds %1: needs a number of seconds from 0 to %2").arg(text).arg(kMaxRebootSeconds);
        options.rebootMs = qRound(seconds * 1000);
    }
    options.link = parser.value(QStringLiteral("link"));
    if (parser.isSet(QStringLiteral("panel-script"))) {
        QString error;
        options.panel = PanelScript::load(parser.value(QStringLiteral("panel-script")), error);
        if (!options.panel)
            return QStringLiteral("--panel-script ") + error;
    }
    const bool credentials = parser.isSet(QStringLiteral("mqtt-user")) || parser.isSet(QStringLiteral("mqtt-password"));
    if (!parser.isSet(QStringLiteral("mqtt"))) {
        if (options.panel)
            return QStringLiteral("--panel-script needs --mqtt: the panel's bytes come through the broker");
        return credentials ? QStringLiteral("--mqtt-user and --mqtt-password need --mqtt") : QString();
    }
    if (!options.link.isEmpty())
        return QStringLiteral("--link needs the pseudo-terminal: it cannot go with --mqtt");
    const QString address = parser.value(QStringLiteral("mqtt"));
    options.broker = brokerAddress(address);
    if (!options.broker)
        return QStringLiteral("--mqtt %1: needs HOST or HOST:PORT").arg(address);
    options.broker->userName = parser.value(QStringLiteral("mqtt-user"));
    options.broker->password = parser.value(QStringLiteral("mqtt-password"));
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelta-devsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A simulated Quelta communicator on a pseudo-terminal or an MQTT broker."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("config"), QStringLiteral("Device description (JSON)."), QStringLiteral("FILE")},
        {QStringLiteral("link"), QStringLiteral("Symbolic link to the pseudo-terminal, replaced if present."),
         QStringLiteral("PATH")},
        {QStringLiteral("unpaced"), QStringLiteral("Write at once instead of at 115200 baud.")},
        {QStringLiteral("fault"), QStringLiteral("Misbehave (see README.md)."), QStringLiteral("FAULT")},
        {QStringLiteral("reboot-seconds"), QStringLiteral("Time the device takes to restart after an update (default 3)."),
         QStringLiteral("SECONDS")},
        {QStringLiteral("mqtt"), QStringLiteral("Serve through this MQTT broker instead of a pseudo-terminal."),
         QStringLiteral("HOST[:PORT]")},
        {QStringLiteral("mqtt-user"), QStringLiteral("User name at the broker."), QStringLiteral("USER")},
        {QStringLiteral("mqtt-password"), QStringLiteral("Password at the broker."), QStringLiteral("PASSWORD")},
        {QStringLiteral("panel-script"), QStringLiteral("The fire panel's answers to raw panel bytes (JSON)."),
         QStringLiteral("FILE")},
    });
    parser.process(app);

    Options options;
    if (const QString error = readOptions(parser, options); !error.isEmpty())
        return fail(error, 2);
    quelta::tools::quitOnSignals(app);
    return options.broker ? serveBroker(options) : servePty(options);
}
