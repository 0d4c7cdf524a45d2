// quelta-cloudsim: a local stand-in for the cloud database and the identity service the tool uses,
// for tests and the offline demo.

#include "Accounts.h"
#include "DatabaseService.h"
#include "HttpFrontend.h"
#include "IdentityService.h"
#include "Store.h"
#include "Values.h"

#include "QuitOnSignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTcpServer>

#include <cstdio>
#include <memory>

using namespace quelta::cloudsim;

namespace {

int fail(const QString &message, int code)
{
    std::fprintf(stderr, "quelta-cloudsim: %s\n", qPrintable(message));
    return code;
}

struct Endpoint
{
    QHostAddress address;
    quint16 port = 0;
};

// "127.0.0.1:8080", "[::1]:0", "localhost:9000".
std::optional<Endpoint> parseEndpoint(const QString &text)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0)
        return std::nullopt;
    QString host = text.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    bool portOk = false;
    const quint16 port = text.mid(colon + 1).toUShort(&portOk);
    const QHostAddress address = host == QLatin1String("localhost") ? QHostAddress(QHostAddress::LocalHost)
                                                                      : QHostAddress(host);
    if (!portOk || address.isNull())
        return std::nullopt;
    return Endpoint{address, port};
}

QString baseUrl(const QHostAddress &address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QStringLiteral("[%1]").arg(address.toString())
        : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

struct Options
{
    QString listen;
    Endpoint endpoint;
    QString seedFile;
    QString storeFile;
    QString apiKey;
    QString project;
};

std::optional<Options> parseOptions(QString &error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A local stand-in for the Realtime Database and Authentication REST interfaces."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption listen(QStringLiteral("listen"),
        QStringLiteral("Address and port to serve on; port 0 takes a free one."), QStringLiteral("ADDR:PORT"),
        QStringLiteral("127.0.0.1:0"));
    const QCommandLineOption seed(QStringLiteral("seed"),
        QStringLiteral("Initial database and accounts, when the store file does not exist yet."), QStringLiteral("FILE"));
    const QCommandLineOption store(QStringLiteral("store"),
        QStringLiteral("File the database and accounts are loaded from and saved to."), QStringLiteral("FILE"));
    const QCommandLineOption apiKey(QStringLiteral("api-key"),
        QStringLiteral("The only API key the identity service accepts (default: any)."), QStringLiteral("KEY"));
    const QCommandLineOption project(QStringLiteral("project"),
        QStringLiteral("Project id written into ID tokens."), QStringLiteral("ID"), QStringLiteral("quelta-cloudsim"));
    parser.addOptions({listen, seed, store, apiKey, project});
    if (!parser.parse(QCoreApplication::arguments())) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help))
        parser.showHelp();

    const std::optional<Endpoint> endpoint = parseEndpoint(parser.value(listen));
    if (!endpoint) {
        error = QStringLiteral("--listen takes ADDR:PORT, not %1").arg(parser.value(listen));
        return std::nullopt;
    }
    return Options{parser.value(listen), *endpoint, parser.value(seed), parser.value(store),
                   parser.value(apiKey), parser.value(project)};
}

// The store file when it exists, else the seed, else nothing.
std::optional<Snapshot> initialState(const Options &options, QString &error)
{
    if (!options.storeFile.isEmpty() && QFileInfo::exists(options.storeFile))
        return loadSnapshot(options.storeFile, error);
    if (!options.seedFile.isEmpty())
        return loadSnapshot(options.seedFile, error);
    return Snapshot{};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelta-cloudsim"));
    // First of all: whoever reads the address may stop the program at once.
    quelta::tools::quitOnSignals(app);

    QString error;
    const std::optional<Options> options = parseOptions(error);
    if (!options)
        return fail(error, 2);
    const std::optional<Snapshot> state = initialState(*options, error);
    if (!state)
        return fail(error, 2);
    const std::optional<QJsonValue> database = values::toStored(state->database, error);
    if (!database)
        return fail(error, 2);
    const Clock clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    std::optional<Accounts> accounts = Accounts::fromJson(state->accounts, clock(), error);
    if (!accounts)
        return fail(error, 2);

    DatabaseService databaseService(JsonTree(*database), clock);
    IdentityService identityService(std::move(*accounts), options->project, options->apiKey, clock);

    std::unique_ptr<StoreWriter> writer;
    if (!options->storeFile.isEmpty()) {
        writer = std::make_unique<StoreWriter>(options->storeFile, [&] {
            return Snapshot{databaseService.tree().root(), identityService.accounts().toJson()};
        });
        QObject::connect(&databaseService, &DatabaseService::changed, writer.get(), &StoreWriter::schedule);
        QObject::connect(&identityService, &IdentityService::changed, writer.get(), &StoreWriter::schedule);
        // The first save checks the file can be written, and puts seeded passwords in hashed form.
        writer->schedule();
        if (!writer->flush())
            return 1;
    }

    HttpFrontend frontend(databaseService, identityService);
    auto *server = new QTcpServer(&frontend);
    if (!server->listen(options->endpoint.address, options->endpoint.port))
        return fail(QStringLiteral("cannot listen on %1: %2").arg(options->listen, server->errorString()), 1);
    frontend.bind(server);

    std::printf("%s\n", qPrintable(baseUrl(server->serverAddress(), server->serverPort())));
    std::fflush(stdout);

    const int status = app.exec();
    return writer && !writer->flush() ? 1 : status;
}
