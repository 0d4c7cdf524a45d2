#include "core/base/InternetCheck.h"
#include "core/base/Settings.h"
#include "core/session/Shell.h"
#include "core/base/SingleInstance.h"
#include "ui/dialogs/WidgetPrompter.h"
#include "ui/map/MapView.h"
#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

struct RunOptions
{
    QString port;
    std::optional<quelta::MqttSettings> broker;
    quelta::CloudOverrides cloud;
    std::optional<quelta::update::UpdateServer> updateServer;
};

[[noreturn]] void refuse(const char *message)
{
    std::fputs(message, stderr);
    std::exit(1);
}

// "--port NAME" and "--broker HOST[:PORT]" point this run at another serial port (a simulated
// device's pseudo-terminal) and another MQTT broker without changing the stored choices;
// "--cloud-db", "--cloud-auth" and "--api-key" at another cloud (a local stand-in or emulators);
// "--update-server" and "--update-key" at another firmware-update server.
RunOptions optionsForThisRun(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quelta programming tool"));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Serial port for this run."),
                                  QStringLiteral("NAME"));
    const QCommandLineOption broker(QStringLiteral("broker"), QStringLiteral("MQTT broker for this run."),
                                    QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption database(QStringLiteral("cloud-db"), QStringLiteral("Cloud database address for this run."),
                                      QStringLiteral("URL"));
    const QCommandLineOption identity(QStringLiteral("cloud-auth"),
                                      QStringLiteral("Identity service address for this run."), QStringLiteral("URL"));
    const QCommandLineOption apiKey(QStringLiteral("api-key"), QStringLiteral("Cloud web API key for this run."),
                                    QStringLiteral("KEY"));
    const QCommandLineOption updateServer(QStringLiteral("update-server"),
                                          QStringLiteral("Firmware-update server for this run."), QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption updateKey(QStringLiteral("update-key"),
                                       QStringLiteral("The firmware-update server's key (10 characters)."), QStringLiteral("KEY"));
    parser.addOptions({port, broker, database, identity, apiKey, updateServer, updateKey});
    parser.process(app);
    RunOptions options{parser.value(port), std::nullopt,
                       {parser.value(database), parser.value(identity), parser.value(apiKey)}, std::nullopt};
    if (parser.isSet(broker)) {
        options.broker = quelta::brokerAddress(parser.value(broker));
        if (!options.broker)
            refuse("quelta: --broker takes HOST or HOST:PORT\n");
    }
    if (parser.isSet(updateServer)) {
        options.updateServer = quelta::update::serverAddress(parser.value(updateServer));
        if (!options.updateServer)
            refuse("quelta: --update-server takes HOST or HOST:PORT\n");
    }
    if (parser.isSet(updateKey)) {
        if (parser.value(updateKey).size() != 10)
            refuse("quelta: --update-key takes the server's key of 10 characters\n");
        if (!options.updateServer)
            options.updateServer = quelta::update::builtInServer();
        options.updateServer->key = parser.value(updateKey).toLatin1();
    }
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    quelta::ui::MapView::prepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quelta"));
    const RunOptions run = optionsForThisRun(app);

    quelta::ui::WidgetPrompter prompter;
    const quelta::SingleInstance instance;
    if (!instance.isFirst()) {
        prompter.ElMeuMessageDlg(
            quelta::dialog::information(QStringLiteral("Quelta Z20K3 CLOUD"), quelta::SingleInstance::refusalMessage()));
        return 0;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    quelta::ProbeInternetCheck internet;
    quelta::Shell shell(prompter, internet, quelta::AppSettings::openPlatformStore(),
                        QCoreApplication::applicationFilePath(), quelta::CloudEndpoints::configured(run.cloud));
    shell.setPortForThisRun(run.port);
    if (run.broker)
        shell.device().setBrokerForThisRun(*run.broker);
    if (run.updateServer)
        shell.setUpdateServerForThisRun(*run.updateServer);
    quelta::ui::TFPrincipalQueltaES window(shell);
    QApplication::restoreOverrideCursor();
    if (!window.created())
        return 1;
    window.show();
    return QApplication::exec();
}
