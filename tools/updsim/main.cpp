// quelta-updsim: a local firmware-update server for tests and the offline demo.

#include "Catalog.h"
#include "Connection.h"
#include "Faults.h"

#include "QuitOnSignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>
#include <optional>

using namespace quelta::updsim;

namespace {

const QString DefaultKey = QStringLiteral("Qu3lt@Upd8");
constexpr int KeyLength = 10;

int fail(const QString &message, int code)
{
    std::fprintf(stderr, "quelta-updsim: %s\n", qPrintable(message));
    return code;
}

struct Options
{
    QHostAddress address;
    quint16 port = 0;
    QByteArray key;
    Catalog catalog;
    Faults faults;
};

QHostAddress parseAddress(const QString &text)
{
    return text == QLatin1String("localhost") ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(text);
}

bool addVersions(const QCommandLineParser &parser, const QCommandLineOption &firmware,
                 const QCommandLineOption &image, Catalog &catalog, QString &error)
{
    for (const QString &dir : parser.values(firmware)) {
        if (!catalog.addDirectory(dir, error))
            return false;
    }
    for (const QString &definition : parser.values(image)) {
        if (!catalog.addImage(definition, error))
            return false;
    }
    return true;
}

std::optional<Options> parseOptions(QString &error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A local firmware-update server."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on (loopback)."),
        QStringLiteral("ADDR"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("TCP port; 0 takes a free one."),
        QStringLiteral("N"), QStringLiteral("5009"));
    const QCommandLineOption publicAddress(QStringLiteral("public"),
        QStringLiteral("Allow an address other than loopback."));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("Encryption key, 10 characters."),
        QStringLiteral("KEY"), DefaultKey);
    const QCommandLineOption firmware(QStringLiteral("firmware"),
        QStringLiteral("Folder of <version>.bin images, described by <version>.txt."), QStringLiteral("DIR"));
    const QCommandLineOption image(QStringLiteral("image"),
        QStringLiteral("A made-up image of that many bytes (repeatable)."), QStringLiteral("VERSION=BYTES[:DESCRIPTION]"));
    const QCommandLineOption fault(QStringLiteral("fault"),
        QStringLiteral("bad-crc-list, list-error[=TEXT], bad-crc-once, bad-crc-twice, act-fields=N, close-after=N, "
                       "slow=MS (repeatable)."), QStringLiteral("F"));
    parser.addOptions({listen, port, publicAddress, key, firmware, image, fault});
    if (!parser.parse(QCoreApplication::arguments())) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help))
        parser.showHelp();

    Options options;
    options.address = parseAddress(parser.value(listen));
    if (options.address.isNull() || (!options.address.isLoopback() && !parser.isSet(publicAddress))) {
        error = QStringLiteral("--listen takes a loopback address (or any with --public), not %1").arg(parser.value(listen));
        return std::nullopt;
    }
    bool portOk = false;
    options.port = parser.value(port).toUShort(&portOk);
    const QString keyText = parser.value(key);
    if (!portOk) {
        error = QStringLiteral("--port takes 0 to 65535, not %1").arg(parser.value(port));
        return std::nullopt;
    }
    if (keyText.size() != KeyLength) {
        error = QStringLiteral("--key takes %1 characters").arg(KeyLength);
        return std::nullopt;
    }
    options.key = keyText.toLatin1();
    if (!addVersions(parser, firmware, image, options.catalog, error))
        return std::nullopt;
    for (const QString &name : parser.values(fault)) {
        if (!options.faults.add(name, error))
            return std::nullopt;
    }
    return options;
}

QString endpoint(const QHostAddress &address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QStringLiteral("[%1]").arg(address.toString())
        : address.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelta-updsim"));
    quelta::tools::quitOnSignals(app);

    QString error;
    const std::optional<Options> options = parseOptions(error);
    if (!options)
        return fail(error, 2);

    QTcpServer server;
    if (!server.listen(options->address, options->port))
        return fail(QStringLiteral("cannot listen on %1: %2")
                        .arg(endpoint(options->address, options->port), server.errorString()), 1);
    int connections = 0;
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        while (QTcpSocket *socket = server.nextPendingConnection())
            new Connection(socket, ++connections, options->catalog, options->faults, options->key);
    });

    std::printf("quelta-updsim listening on %s\n", qPrintable(endpoint(server.serverAddress(), server.serverPort())));
    std::fflush(stdout);
    return app.exec();
}
