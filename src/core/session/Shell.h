#pragma once

#include "core/base/DiagnosticTrace.h"
#include "core/base/FormatSettings.h"
#include "core/model/Hints.h"
#include "core/base/Languages.h"
#include "core/base/NamedStrings.h"
#include "core/base/PcData.h"
#include "core/base/Settings.h"
#include "core/base/StatusBar.h"
#include "core/base/ViewState.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/ProgrammingLock.h"
#include "core/link/ReplyDispatcher.h"
#include "core/templates/Templates.h"
#include "core/model/ConfigurationModel.h"
#include "core/model/ParameterDictionary.h"
#include "core/status/BlinkEngine.h"
#include "core/status/DeviceEventLog.h"
#include "core/status/DoorsScreen.h"
#include "core/link/LinkSupervisor.h"
#include "core/status/ServiceClicks.h"
#include "core/status/StatusCloud.h"
#include "core/status/StatusFrameDecoder.h"
#include "core/status/StatusScreen.h"
#include "core/transfer/ReadEngine.h"
#include "core/transfer/WriteEngine.h"

#include <QObject>

namespace quelta {

class InternetCheck;
class Prompter;

// The core of the main window. It owns the program's state for the whole run (settings, this PC,
// the dictionaries, the view, the status bar, the device link and its supervision) and runs the
// steps of starting, choosing a port and closing that do not concern widgets. The window runs its
// creation steps in order and repaints from the signals of these objects.
class Shell : public QObject
{
    Q_OBJECT
public:
    Shell(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
          const QString &programPath, QObject *parent = nullptr);

    // A port to use instead of the stored one, without storing it (a simulated device, a test rig).
    void setPortForThisRun(const QString &name) { portForThisRun_ = name; }

    // Creation steps, in the order the window calls them.
    void applyFormatSettings();
    void ObtenirDadesPC();
    // LLegirConfigInicial until a port name is known, saving after each miss; then names the port.
    void readSettings();
    void chooseStartupLanguage();
    bool SwitchLanguage(const LanguageInfo &language);
    // The named strings and both dictionaries, then the bindings of every field to its code. False
    // (after telling the installer) when a header cannot be read: the program cannot go on.
    bool loadDictionaries();
    // The lamp tick, the "SIN   CONEXION" state and the local link, as a new window shows them.
    void startLink();

    // The first activation's work; later calls do nothing.
    void FormActivate();
    void FormClose();

    // Choosing a port from the list: opened and stored, then the device there is asked to identify.
    void CCBPortClick(const QString &name);
    void CCBPortChange();
    // "Local": back to the local link.
    void MIIComunicacioLocalClick();

    // Back to the state without a device: the device's identity, the status bar and every
    // configuration field and grid.
    void Esborra_Camps();

    // "Prog.": the programming view with the pages of the connected panel; the first time a
    // device is there, its whole configuration is read.
    void BBProgClick();

    // "Restaurar los valores de fábrica": after the guards and a confirmation, in the programming
    // view, the device restores its factory values and is read back.
    void MIIDefecteClick();

    // "Cerrar sesión": the cloud credentials are forgotten and saved empty when the window closes.
    void forgetCloudCredentials();

    QString Titol() const { return settings_.values().titol; }
    QString windowTitle() const;
    bool cloudFunctionsEnabled() const { return !token_.isEmpty(); }
    bool online() const { return online_; }

    const FormatSettings &format() const { return format_; }
    const TDadesPC &dadesPC() const { return dadesPC_; }
    AppSettings &settings() { return settings_; }
    Languages &languages() { return languages_; }
    const NamedStrings &namedStrings() const { return namedStrings_; }
    const ParameterDictionary &dictionary() const { return dictionary_; }
    Prompter &prompter() { return prompter_; }
    DiagnosticTrace &trace() { return trace_; }
    ViewState &views() { return views_; }
    StatusBar &statusBar() { return statusBar_; }
    LinkState &link() { return link_; }
    CommandChannel &channel() { return channel_; }
    ReplyDispatcher &dispatcher() { return dispatcher_; }
    LinkSupervisor &supervisor() { return supervisor_; }
    ProgrammingLock &lock() { return lock_; }
    ConfigurationModel &model() { return model_; }
    const Hints &hints() const { return hints_; }
    ReadEngine &readEngine() { return readEngine_; }
    WriteEngine &writeEngine() { return writeEngine_; }
    Templates &templates() { return templates_; }
    StatusScreen &statusScreen() { return statusScreen_; }
    DeviceEventLog &eventLog() { return eventLog_; }
    DoorsScreen &doors() { return doors_; }
    StatusFrameDecoder &statusDecoder() { return statusDecoder_; }
    BlinkEngine &blinkEngine() { return blinkEngine_; }
    ServiceClicks &serviceClicks() { return serviceClicks_; }

signals:
    void windowTitleChanged(const QString &title);
    void cloudFunctionsChanged(bool enabled);
    void languageChanged(const QString &storedName);
    void localLinkSelected();
    // The window's own screens go back to their state without a device.
    void fieldsCleared();
    void programmingViewShown();

private:
    // Called while constructing: every object it names is declared before the engines.
    TransferContext transferContext();
    void connectLink();
    void openPortAndIdentify();
    void showPanelPages();
    void startWaitingPageWrite();
    void leaveLocalDevice();

    Prompter &prompter_;
    InternetCheck &internet_;
    FormatSettings format_;
    TDadesPC dadesPC_;
    AppSettings settings_;
    Languages languages_;
    NamedStrings namedStrings_;
    ParameterDictionary dictionary_;
    DiagnosticTrace trace_;
    ViewState views_;
    StatusBar statusBar_;
    LinkState link_;
    CommandChannel channel_;
    ReplyDispatcher dispatcher_;
    LinkSupervisor supervisor_;
    ProgrammingLock lock_;
    ConfigurationModel model_;
    Hints hints_{model_};
    ReadEngine readEngine_;
    WriteEngine writeEngine_;
    Templates templates_;
    OfflineStatusCloud statusCloud_;
    StatusScreen statusScreen_;
    DeviceEventLog eventLog_;
    DoorsScreen doors_;
    StatusFrameDecoder statusDecoder_;
    BlinkEngine blinkEngine_;
    ServiceClicks serviceClicks_;
    QString portForThisRun_;
    QString token_; // cloud session token; set by the sign-in
    bool online_ = false;
    bool activated_ = false;
};

} // namespace quelta
