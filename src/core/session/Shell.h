#pragma once

#include "core/session/AboutBox.h"
#include "core/session/CloudSnapshot.h"
#include "core/session/CommandAvailability.h"
#include "core/session/ContactLists.h"
#include "core/session/DeviceDirectory.h"
#include "core/session/DeviceSession.h"
#include "core/session/DiagnosticConsole.h"
#include "core/session/MapScreen.h"
#include "core/session/PanelScreens.h"
#include "core/session/ProgramContext.h"
#include "core/session/Programming.h"
#include "core/session/Registration.h"
#include "core/session/StatusScreens.h"
#include "core/session/Telecontrol.h"
#include "core/update/UpdateSession.h"

#include <QObject>

#include <memory>

class QSettings;

namespace quelta {

class InternetCheck;
class Prompter;
struct LanguageInfo;

// The core of the main window: it composes the modules (the program's shared context, the device
// session, programming, the status screens, the fire panel's screens, the cloud's directory, sign-in
// and about box, the commands' availability), wires them to one another, and runs the steps of
// starting and closing that do not concern widgets. The window runs its creation steps in order and
// hands each view the module it works with.
class Shell : public QObject
{
    Q_OBJECT
public:
    Shell(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
          const QString &programPath, CloudEndpoints endpoints = CloudEndpoints::configured(),
          QObject *parent = nullptr);

    ProgramContext &context() { return context_; }
    DeviceSession &device() { return device_; }
    Programming &programming() { return programming_; }
    StatusScreens &screens() { return screens_; }
    PanelScreens &panels() { return panels_; }
    DeviceDirectory &directory() { return directory_; }
    Registration &registration() { return registration_; }
    AboutBox &aboutBox() { return aboutBox_; }
    CloudSnapshot &snapshot() { return snapshot_; }
    MapScreen &map() { return map_; }
    ContactLists &contactLists() { return contactLists_; }
    update::UpdateSession &update() { return update_; }
    Telecontrol &telecontrol() { return telecontrol_; }
    DiagnosticConsole &console() { return console_; }
    const CommandAvailability &commands() const { return commands_; }

    // A port to use instead of the stored one, without storing it (a simulated device, a test rig).
    void setPortForThisRun(const QString &name) { portForThisRun_ = name; }
    // An update server to use instead of the stored one, without storing it (a local stand-in).
    void setUpdateServerForThisRun(const update::UpdateServer &server) { updateServerForThisRun_ = server; }

    // Creation steps, in the order the window calls them.
    void applyFormatSettings();
    void ObtenirDadesPC();
    // LLegirConfigInicial until a port name is known, saving after each miss; then names the port.
    void readSettings();
    void chooseStartupLanguage();
    // A language item of the menu. Refused while a device is linked through the broker; false, with
    // nothing changed, when the language's module is missing. Otherwise every text is rebuilt, all
    // fields are cleared and a device on the port is searched for again.
    bool SwitchLanguage(const LanguageInfo &language);
    // The named strings and both dictionaries, then the bindings of every field to its code. False
    // (after telling the installer) when a header cannot be read: the program cannot go on.
    bool loadDictionaries();
    void startLink() { device_.startLink(); }

    // The first activation's work; later calls do nothing. On line it checks the program's version
    // in the cloud and signs in, showing the sign-in window when needed. False: the program ends.
    bool FormActivate(const Registration::WindowRunner &signInWindow);
    void FormClose();

    // Back to the state without a device: the device's identity, the status bar and every
    // configuration field and grid.
    void Esborra_Camps();

    // "Cerrar sesión": the cloud credentials are forgotten and saved empty when the window closes.
    void MITancarSessioClick();

signals:
    void windowTitleChanged(const QString &title);
    void cloudFunctionsChanged(bool enabled);
    void languageChanged(const QString &storedName);
    // A switch from the menu has rebuilt the texts: the window shows its state without a device.
    void languageSwitched();
    // The window's own screens go back to their state without a device.
    void fieldsCleared();

private:
    void connectModules();
    bool loadLanguage(const LanguageInfo &language);
    void rebuildTexts();
    void connectCloud();
    void connectUpdate();
    update::DeviceForUpdate deviceForUpdate();
    bool signInAtStart(const Registration::WindowRunner &signInWindow);
    void showCloudState();
    void showTitleOffline();
    void showOffline();

    ProgramContext context_;
    DeviceSession device_;
    Programming programming_;
    StatusScreens screens_;
    PanelScreens panels_;
    Telecontrol telecontrol_;
    DiagnosticConsole console_;
    DeviceDirectory directory_;
    Registration registration_;
    AboutBox aboutBox_;
    CloudSnapshot snapshot_;
    MapScreen map_;
    ContactLists contactLists_;
    update::UpdateSession update_;
    CommandAvailability commands_;
    QString portForThisRun_;
    std::optional<update::UpdateServer> updateServerForThisRun_;
    bool activated_ = false;
};

} // namespace quelta
