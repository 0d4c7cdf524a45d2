#include "core/base/InternetCheck.h"
#include "core/base/Settings.h"
#include "core/session/Shell.h"
#include "core/base/SingleInstance.h"
#include "ui/dialogs/WidgetPrompter.h"
#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

// "--port NAME" points this run at another serial port (a simulated device's pseudo-terminal)
// without changing the stored choice.
QString portForThisRun(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quelta programming tool"));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Serial port for this run."),
                                  QStringLiteral("NAME"));
    parser.addOption(port);
    parser.process(app);
    return parser.value(port);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quelta"));
    const QString port = portForThisRun(app);

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
                        QCoreApplication::applicationFilePath());
    shell.setPortForThisRun(port);
    quelta::ui::TFPrincipalQueltaES window(shell);
    QApplication::restoreOverrideCursor();
    if (!window.created())
        return 1;
    window.show();
    return QApplication::exec();
}
