#include "app/InternetCheck.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/SingleInstance.h"
#include "dialogs/WidgetPrompter.h"
#include "mainwindow/TFPrincipalQueltaES.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quelta"));

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
    quelta::ui::TFPrincipalQueltaES window(shell);
    QApplication::restoreOverrideCursor();
    if (!window.created())
        return 1;
    window.show();
    return QApplication::exec();
}
