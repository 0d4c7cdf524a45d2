#pragma once

#include "core/session/Shell.h"
#include "core/codecs/StringCipher.h"

#include "FakeInternet.h"
#include "ScriptedPrompter.h"

#include <QTemporaryDir>

#include <memory>

namespace quelta::test {

// A shell created the way the window creates it, with its settings in a temporary file, dialogs
// answered by a script and no internet.
struct ShellHarness
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    FakeInternet internet;
    CloudEndpoints endpoints = CloudEndpoints::configured(); // set before create() to reach a local cloud
    std::unique_ptr<Shell> shell;

    QString settingsPath() const { return dir.filePath(QStringLiteral("settings.ini")); }

    void storeSetting(const QString &name, const QString &value) const
    {
        QSettings(settingsPath(), QSettings::IniFormat).setValue(name, EncriptarCadenaAes(value, AppSettings::kClau));
    }
    QString storedSetting(const QString &name) const
    {
        return DesencriptarCadenaAes(QSettings(settingsPath(), QSettings::IniFormat).value(name).toString(),
                                     AppSettings::kClau);
    }

    // The creation steps up to the dictionaries; timeDivisor shortens supervision's intervals.
    Shell &create(const QString &portForThisRun = {}, int timeDivisor = 1)
    {
        shell = std::make_unique<Shell>(prompter, internet,
                                        std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat),
                                        dir.filePath(QStringLiteral("quelta")), endpoints);
        shell->setPortForThisRun(portForThisRun);
        shell->device().supervisor().setTimeDivisor(timeDivisor);
        shell->applyFormatSettings();
        shell->ObtenirDadesPC();
        shell->readSettings();
        shell->chooseStartupLanguage();
        return *shell;
    }
};

// The cloud of a test: the identity service and the database at local addresses (cloudsim, the
// Auth emulator, or a closed port), with a time-out that keeps a failing test short.
inline CloudEndpoints localCloud(const QString &identity, const QString &database)
{
    CloudEndpoints endpoints = CloudEndpoints::production();
    endpoints.setIdentityEmulator(QUrl(identity));
    endpoints.setDatabaseAddress(QUrl(database));
    endpoints.timeoutMs = 5000;
    return endpoints;
}

inline CloudEndpoints localCloud(const QString &url)
{
    return localCloud(url, url);
}

// Where the sign-in window would open: a test that expects none leaves it closed.
inline bool noSignInWindow(const RegistrationStart &)
{
    return false;
}

// A device session is established, as the status bar shows it: "CONECTADO".
inline bool connected(Shell &shell)
{
    return shell.device().link().circuittrobat && shell.device().supervisor().state() == LinkSupervisor::SessionState::Connected;
}

} // namespace quelta::test
