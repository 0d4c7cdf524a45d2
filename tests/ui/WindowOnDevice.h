#pragma once

#include "core/session/Shell.h"
#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include "FakeInternet.h"
#include "ScriptedPrompter.h"
#include "SimulatedDevice.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace quelta::test {

// The window on a simulated device, supervision ten times faster than on a real link.
struct WindowOnDevice
{
    SimulatedDevice device;
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    FakeInternet internet;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<ui::TFPrincipalQueltaES> window;

    bool open(const QStringList &deviceOptions = {})
    {
        if (!device.start(deviceOptions))
            return false;
        shell = std::make_unique<Shell>(prompter, internet,
                                        std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat),
                                        dir.filePath(QStringLiteral("quelta")));
        shell->setPortForThisRun(device.portPath());
        shell->device().supervisor().setTimeDivisor(10);
        window = std::make_unique<ui::TFPrincipalQueltaES>(*shell);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QString linkState() const { return find<QLabel>(QStringLiteral("SBEstatPanel0"))->text(); }
};

} // namespace quelta::test
