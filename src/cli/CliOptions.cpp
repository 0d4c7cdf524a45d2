#include "CliOptions.h"

#include "core/status/EventHistory.h"

#include <QHostAddress>

namespace quelta::cli {
namespace {

ParsedOptions failure(const QString &error)
{
    return {std::nullopt, error};
}

std::optional<Command> commandNamed(const QString &name)
{
    if (name == QLatin1String("identify"))
        return Command::Identify;
    if (name == QLatin1String("read"))
        return Command::Read;
    if (name == QLatin1String("write"))
        return Command::Write;
    if (name == QLatin1String("restore-defaults"))
        return Command::RestoreDefaults;
    if (name == QLatin1String("status"))
        return Command::Status;
    if (name == QLatin1String("send"))
        return Command::Send;
    if (name == QLatin1String("order"))
        return Command::Order;
    if (name == QLatin1String("door"))
        return Command::Door;
    if (name == QLatin1String("update"))
        return Command::Update;
    if (name == QLatin1String("devices"))
        return Command::Devices;
    if (name == QLatin1String("delete-device"))
        return Command::DeleteDevice;
    if (name == QLatin1String("whoami"))
        return Command::Whoami;
    if (name == QLatin1String("history"))
        return Command::History;
    if (name == QLatin1String("snapshot"))
        return Command::Snapshot;
    if (name == QLatin1String("bidi"))
        return Command::Bidi;
    return std::nullopt;
}

// A whole number above zero, or nullopt.
std::optional<int> positive(const QString &text)
{
    bool whole = false;
    const int value = text.toInt(&whole);
    return whole && value > 0 ? std::optional<int>(value) : std::nullopt;
}

// The search options of devices; nullopt when the argument is not one of them.
std::optional<QString> takeSearchOption(CliOptions &options, const QString &option, QStringList &rest)
{
    QString *value = option == QLatin1String("--company")     ? &options.search.company
                     : option == QLatin1String("--installer") ? &options.search.installer
                     : option == QLatin1String("--reference") ? &options.search.reference
                     : option == QLatin1String("--key")       ? &options.key
                                                              : nullptr;
    if (!value || options.command != Command::Devices)
        return std::nullopt;
    if (rest.isEmpty())
        return QStringLiteral("%1 needs a value").arg(option);
    *value = rest.takeFirst();
    return QString();
}

// What the directory would refuse anyway is refused before anything is asked of the cloud.
QString checkSearch(const CliOptions &options)
{
    const DirectorySearch &search = options.search;
    if (search.company.trimmed().isEmpty())
        return QStringLiteral("devices needs the company: --company NAME");
    if (!search.reference.trimmed().isEmpty() && search.installer.trimmed().isEmpty())
        return QStringLiteral("a reference needs its installer: --installer NAME");
    if (!options.key.isEmpty() && (options.key.size() < kMinKeyLength || options.key.size() > kMaxKeyLength))
        return QStringLiteral("--key takes %1 to %2 characters").arg(kMinKeyLength).arg(kMaxKeyLength);
    return {};
}

// ADDR:PORT, an IPv4 address and a port (0: one the system chooses).
QString takeListen(CliOptions &options, const QString &value)
{
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    const QHostAddress address(value.left(colon));
    bool number = false;
    const uint port = value.mid(colon + 1).toUInt(&number);
    if (colon < 0 || address.protocol() != QAbstractSocket::IPv4Protocol || !number || port > 65535)
        return QStringLiteral("--listen takes an IPv4 address and a port: ADDR:PORT");
    options.listenAddress = address.toString();
    options.listenPort = QString::number(port);
    return {};
}

// "list", or "install VERSION".
QString takeUpdateArguments(CliOptions &options, const QStringList &positional)
{
    const QString action = positional.value(0);
    if (action == QLatin1String("list") && positional.size() == 1)
        return {};
    if (action == QLatin1String("install") && positional.size() == 2 && !positional.at(1).trimmed().isEmpty()) {
        options.updateInstall = true;
        options.text = positional.at(1).trimmed();
        return {};
    }
    return QStringLiteral("update takes list, or install VERSION");
}

// The update server's options; nullopt when the option is not one of them.
std::optional<QString> takeUpdateOption(CliOptions &options, const QString &option, const QString &value)
{
    if (option != QLatin1String("--update-server") && option != QLatin1String("--update-key"))
        return std::nullopt;
    update::UpdateServer &server = options.updateServer ? *options.updateServer
                                                        : options.updateServer.emplace(update::builtInServer());
    if (option == QLatin1String("--update-server")) {
        const std::optional<update::UpdateServer> address = update::serverAddress(value, server);
        if (!address)
            return QStringLiteral("--update-server takes HOST or HOST:PORT");
        server.host = address->host;
        server.port = address->port;
    } else if (option == QLatin1String("--update-key")) {
        if (value.size() != 10)
            return QStringLiteral("--update-key takes the server's key of 10 characters");
        server.key = value.toLatin1();
    }
    return QString();
}

// The command's own arguments, after its name.
QString takeCommandArguments(CliOptions &options, QStringList rest)
{
    bool yes = false;
    QStringList positional;
    while (!rest.isEmpty()) {
        const QString argument = rest.takeFirst();
        if (const std::optional<QString> error = takeSearchOption(options, argument, rest)) {
            if (!error->isEmpty())
                return *error;
        } else if (argument == QLatin1String("-o") && options.command == Command::Read && !rest.isEmpty()) {
            options.file = rest.takeFirst();
        } else if (argument == QLatin1String("-n") && options.command == Command::Status && !rest.isEmpty()) {
            const std::optional<int> frames = positive(rest.takeFirst());
            if (!frames)
                return QStringLiteral("-n takes a number of frames above 0");
            options.frames = *frames;
        } else if (argument == QLatin1String("-n") && options.command == Command::History && !rest.isEmpty()) {
            const std::optional<int> entries = positive(rest.takeFirst());
            if (!entries || *entries > kMaxHistoryRecords)
                return QStringLiteral("-n takes a number of entries from 1 to %1").arg(kMaxHistoryRecords);
            options.entries = *entries;
        } else if ((argument == QLatin1String("--xlsx") || argument == QLatin1String("--csv"))
                   && options.command == Command::History) {
            if (rest.isEmpty() || rest.first().isEmpty())
                return QStringLiteral("%1 needs a file").arg(argument);
            (argument == QLatin1String("--xlsx") ? options.xlsxFile : options.csvFile) = rest.takeFirst();
        } else if (argument == QLatin1String("--listen") && options.command == Command::Bidi) {
            if (rest.isEmpty())
                return QStringLiteral("--listen needs ADDR:PORT");
            if (const QString refused = takeListen(options, rest.takeFirst()); !refused.isEmpty())
                return refused;
        } else if (argument == QLatin1String("--json") && options.command == Command::Status) {
            options.json = true;
        } else if (argument == QLatin1String("--yes")
                   && (options.command == Command::RestoreDefaults || options.command == Command::DeleteDevice)) {
            yes = true;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return QStringLiteral("unknown option %1").arg(argument);
        } else {
            positional.append(argument);
        }
    }
    if (options.command == Command::Update)
        return takeUpdateArguments(options, positional);
    const bool takesOne = options.command == Command::Write || options.command == Command::Send
        || options.command == Command::Order || options.command == Command::Door || options.command == Command::DeleteDevice
        || options.command == Command::History || options.command == Command::Snapshot;
    if (positional.size() != (takesOne ? 1 : 0))
        return takesOne ? QStringLiteral("the command takes one argument") : QStringLiteral("unexpected argument %1").arg(positional.value(0));
    if (options.command == Command::Write)
        options.file = positional.first();
    if (options.command == Command::Send || options.command == Command::Order)
        options.text = positional.first();
    if (options.command == Command::Order && !panelOrders().contains(options.text))
        return QStringLiteral("order takes one of %1").arg(panelOrders().join(QStringLiteral(", ")));
    if (options.command == Command::Door) {
        options.door = positional.first().toInt();
        if (options.door < 1 || options.door > 4)
            return QStringLiteral("door takes the door's number, 1 to 4");
    }
    if (options.command == Command::RestoreDefaults && !yes)
        return QStringLiteral("restore-defaults erases the configuration: confirm it with --yes");
    if (options.command == Command::DeleteDevice) {
        options.identifier = positional.first().trimmed();
        if (options.identifier.isEmpty())
            return QStringLiteral("delete-device takes the device's identifier");
        if (!yes)
            return QStringLiteral("delete-device removes the device from the directory: confirm it with --yes");
    }
    if (options.command == Command::History || options.command == Command::Snapshot) {
        options.identifier = positional.first().trimmed();
        if (options.identifier.isEmpty())
            return QStringLiteral("the command takes the device's identifier");
    }
    if (options.command == Command::Devices)
        return checkSearch(options);
    return {};
}

// The remote options; an empty text when the option is not one of them.
std::optional<QString> takeRemoteOption(CliOptions &options, const QString &option, const QString &value)
{
    static const QStringList names = {QStringLiteral("--mqtt"), QStringLiteral("--id"), QStringLiteral("--mqtt-user"),
                                      QStringLiteral("--mqtt-password"), QStringLiteral("--client-id")};
    if (!names.contains(option))
        return std::nullopt;
    RemoteOptions &remote = options.remote ? *options.remote : options.remote.emplace();
    if (option == QLatin1String("--mqtt")) {
        const std::optional<MqttSettings> broker = brokerAddress(value);
        if (!broker)
            return QStringLiteral("--mqtt takes HOST or HOST:PORT");
        remote.broker.host = broker->host;
        remote.broker.port = broker->port;
    } else if (option == QLatin1String("--id")) {
        remote.identifier = value;
    } else if (option == QLatin1String("--mqtt-user")) {
        remote.broker.userName = value;
    } else if (option == QLatin1String("--mqtt-password")) {
        remote.broker.password = value;
    } else {
        remote.broker.clientId = value;
    }
    return QString();
}

// The cloud options; nullopt when the option is not one of them.
std::optional<QString> takeCloudOption(CliOptions &options, const QString &option, const QString &value)
{
    CloudOptions &cloud = options.cloud;
    if (option == QLatin1String("--cloud-db") || option == QLatin1String("--cloud-auth")) {
        const QUrl url(value, QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
            return QStringLiteral("%1 takes an http:// or https:// address").arg(option);
        (option == QLatin1String("--cloud-db") ? cloud.addresses.databaseUrl : cloud.addresses.identityUrl) = value;
    } else if (option == QLatin1String("--api-key")) {
        cloud.addresses.apiKey = value;
    } else if (option == QLatin1String("--email")) {
        cloud.email = value;
    } else if (option == QLatin1String("--password")) {
        cloud.password = value;
    } else {
        return std::nullopt;
    }
    return QString();
}

// Exactly one way to the device: a serial port, or a broker and the device's identifier.
QString checkLink(const CliOptions &options)
{
    if (options.remote && !options.port.isEmpty())
        return QStringLiteral("--port and --mqtt exclude each other");
    if (!options.remote && options.port.isEmpty())
        return QStringLiteral("--port NAME or --mqtt HOST[:PORT] --id IDENT is required");
    if (options.remote && options.remote->broker.host.isEmpty())
        return QStringLiteral("the remote options need --mqtt HOST[:PORT]");
    if (options.remote && options.remote->identifier.isEmpty())
        return QStringLiteral("--mqtt needs the device's identifier: --id IDENT");
    if (options.command == Command::Bidi && !options.remote)
        return QStringLiteral("bidi relays the panel through the broker: it needs --mqtt HOST[:PORT] --id IDENT");
    return {};
}

} // namespace

bool isCloudCommand(Command command)
{
    return command == Command::Devices || command == Command::DeleteDevice || command == Command::Whoami
        || command == Command::History || command == Command::Snapshot;
}

const QStringList &panelOrders()
{
    static const QStringList orders = {QStringLiteral("Rearme"), QStringLiteral("Repos"), QStringLiteral("Silenbuz"),
                                       QStringLiteral("Silensir"), QStringLiteral("Reset"), QStringLiteral("Sirena"),
                                       QStringLiteral("Connex"), QStringLiteral("Test")};
    return orders;
}

ParsedOptions parseOptions(const QStringList &arguments)
{
    CliOptions options;
    QStringList rest = arguments;
    while (!rest.isEmpty() && rest.first().startsWith(QLatin1String("--"))) {
        const QString option = rest.takeFirst();
        if (option == QLatin1String("--verbose")) {
            options.verbose = true;
            continue;
        }
        if (option == QLatin1String("--gprs")) {
            (options.remote ? *options.remote : options.remote.emplace()).gprs = true;
            continue;
        }
        if (rest.isEmpty())
            return failure(QStringLiteral("%1 needs a value").arg(option));
        const QString value = rest.takeFirst();
        if (option == QLatin1String("--port")) {
            options.port = value;
        } else if (option == QLatin1String("--code")) {
            options.code = value;
        } else if (option == QLatin1String("--timeout")) {
            const std::optional<int> seconds = positive(value);
            if (!seconds)
                return failure(QStringLiteral("--timeout takes a number of seconds above 0"));
            options.timeoutSeconds = *seconds;
        } else if (const std::optional<QString> error = takeRemoteOption(options, option, value)) {
            if (!error->isEmpty())
                return failure(*error);
        } else if (const std::optional<QString> cloudError = takeCloudOption(options, option, value)) {
            if (!cloudError->isEmpty())
                return failure(*cloudError);
        } else if (const std::optional<QString> updateError = takeUpdateOption(options, option, value)) {
            if (!updateError->isEmpty())
                return failure(*updateError);
        } else {
            return failure(QStringLiteral("unknown option %1").arg(option));
        }
    }
    if (rest.isEmpty())
        return failure(QStringLiteral("no command given"));
    const std::optional<Command> command = commandNamed(rest.takeFirst());
    if (!command)
        return failure(QStringLiteral("unknown command"));
    options.command = *command;
    // The cloud's commands reach no device: a port or a broker given is not used.
    if (!isCloudCommand(options.command)) {
        if (const QString error = checkLink(options); !error.isEmpty())
            return failure(error);
    }
    if (const QString error = takeCommandArguments(options, rest); !error.isEmpty())
        return failure(error);
    return {options, {}};
}

QString usage()
{
    return QStringLiteral(
        "usage: quelta-cli --port NAME [--code CODE] [--timeout SECONDS] [--verbose] COMMAND\n"
        "       quelta-cli --mqtt HOST[:PORT] --id IDENT [--gprs] [--mqtt-user U] [--mqtt-password P]\n"
        "                  [--client-id ID] [--code CODE] [--timeout SECONDS] [--verbose] COMMAND\n"
        "       quelta-cli [--cloud-db URL] [--cloud-auth URL] [--api-key KEY] [--email E] [--password P]\n"
        "                  [--timeout SECONDS] CLOUD-COMMAND\n"
        "  --mqtt reaches the device through an MQTT broker (port 1883 by default); --gprs sends the\n"
        "  commands on the device's GPRS topics instead of its Ethernet ones\n"
        "  identify                 print one JSON object: {\"firmware\",\"identifier\",\"hardware\",\"panel\",\"parts\"}\n"
        "  read [-o FILE]           read the whole configuration and write it as a complete template\n"
        "  write FILE               load a template, then write the changes to the device\n"
        "  restore-defaults --yes   factory restore, then read back\n"
        "  status [-n N] [--json]   print N decoded status frames\n"
        "  send TEXT                send one command body (\"qz+\" is added) and print the replies\n"
        "  order NAME               after a status frame, send the fire panel an order (Rearme, Repos,\n"
        "                           Silenbuz, Silensir, Reset, Sirena, Connex, Test) and print its text\n"
        "  door N                   after a status frame, open door N (1 to 4) of a door controller, or\n"
        "                           close it when it is open, and print the order sent\n"
        "  update list              print the firmware versions the update server offers for the device,\n"
        "                           one JSON object each: {\"version\",\"description\",\"bytes\"}\n"
        "  update install VERSION   update the device to VERSION; the progress goes to stderr, and the\n"
        "                           update's own watchdog, not --timeout, bounds it\n"
        "  bidi [--listen ADDR:PORT] (with --mqtt) relay the panel maker's program (AGE44) to an Aguilera\n"
        "                           panel: serve one TCP client at a time on ADDR:PORT (IPv4; default\n"
        "                           this PC's address, port 2021; port 0: any free port), until SIGINT or\n"
        "                           SIGTERM; one line per chunk on stdout, \"AGE44 -> panel:\" or \"panel ->\n"
        "                           AGE44:\" and its bytes in hexadecimal; the binding and the clients\n"
        "                           coming and going on stderr\n"
        "  --update-server HOST[:PORT] --update-key KEY\n"
        "                           the update server (port 5009 unless given) and its 10-character\n"
        "                           key; default: the program's own, as stored on this PC\n"
        "cloud commands (no port or broker needed):\n"
        "  --cloud-db URL           the database's address (an emulator's ?ns=NAME is kept); default\n"
        "                           FIREBASE_DATABASE_EMULATOR_HOST, else the production database\n"
        "  --cloud-auth URL         the identity service's address, or an emulator's root; default\n"
        "                           FIREBASE_AUTH_EMULATOR_HOST, else the production service\n"
        "  --email E --password P   the account that signs in; default: the installer's account\n"
        "                           stored on this PC by the program\n"
        "  devices --company C [--installer I] [--reference R] [--key K]\n"
        "                           print one JSON object per device, in the list's order: {\"n\",\n"
        "                           \"installer\",\"reference\",\"identifier\",\"ethernet\",\"gprs\",\"deletable\"};\n"
        "                           a level with an access key needs it in --key, a level without one\n"
        "                           is created with --key (6 to 20 characters); a numeric company needs\n"
        "                           no key\n"
        "  delete-device IDENT --yes\n"
        "                           remove a device reached by neither link from the directory\n"
        "  whoami                   print the signed-in account's record with its \"uid\" and \"email\"\n"
        "  history IDENT [-n N] [--xlsx FILE] [--csv FILE]\n"
        "                           print the device's event history, newest first, one JSON object per\n"
        "                           entry: {\"n\",\"created\",\"user\",\"name\",\"event\"} (\"created\" in local\n"
        "                           time, \"dd-MM-yyyy hh:mm:ss\"); N latest entries (100 unless given,\n"
        "                           at most 10000); --xlsx and --csv also write them as a workbook or as\n"
        "                           CSV (UTF-8, \";\")\n"
        "  snapshot IDENT           print the device's last state in the cloud as one JSON object, as\n"
        "                           status --json prints a frame, with \"snapshot\": true and \"updated\"\n"
        "                           (the record's time in UTC, ISO 8601)\n"
        "exit codes: 0 ok (devices: also when no device is found); 1 usage; 2 no device, broker or\n"
        "            cloud unreachable, sign-in refused, link lost or timeout, delete-device's device\n"
        "            not in the directory, history's file not written, or no record for snapshot; 3 write ended with refused\n"
        "            or unconfirmed items, the order was refused (\"Central no conectada\"), the door\n"
        "            was refused (\"Usuario no habilitado\"), or\n"
        "            delete-device refused a device on line;\n"
        "            4 template invalid or its panel type does not match the device; 5 access code\n"
        "            needed or wrong, or the directory's access key missing or wrong; 6 the update\n"
        "            server refused, failed or sent bad data, or the update ended in any failure\n");
}

} // namespace quelta::cli
