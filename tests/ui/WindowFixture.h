#pragma once

#include "core/session/Shell.h"
#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include "FakeInternet.h"
#include "ScriptedPrompter.h"

#include <QTemporaryDir>

namespace quelta::test {

// The main window over a shell with fresh settings, a program in a temporary folder, dialogs
// answered by a script and no internet.
struct WindowFixture
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    FakeInternet internet;
    Shell shell{prompter, internet, std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat),
                dir.filePath(QStringLiteral("quelta"))};
    ui::TFPrincipalQueltaES window{shell};

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window.findChild<T *>(name);
    }
};

} // namespace quelta::test
