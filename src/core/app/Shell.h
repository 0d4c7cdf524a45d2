#pragma once

#include "app/DiagnosticTrace.h"
#include "app/FormatSettings.h"
#include "app/Languages.h"
#include "app/NamedStrings.h"
#include "app/PcData.h"
#include "app/Settings.h"
#include "link/CommandChannel.h"
#include "link/LinkState.h"
#include "model/ParameterDictionary.h"

#include <QObject>

namespace quelta {

class InternetCheck;
class Prompter;

// The view the installer is in; the status polling and the read engine depend on it.
enum class View { Estat, Programacio, LlistaCircuits, Actualitzacions, Mapa };
QString viewName(View view);

// The core of the main window: the settings, this PC, the dictionaries, the link and the steps of
// starting and closing that do not concern widgets. The window runs its creation steps in order and
// repaints from the signals.
class Shell : public QObject
{
    Q_OBJECT
public:
    Shell(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
          const QString &programPath, QObject *parent = nullptr);

    // Creation steps, in the order the window calls them.
    void applyFormatSettings();
    void ObtenirDadesPC();
    // LLegirConfigInicial until a port name is known, saving after each miss; then names the port.
    void readSettings();
    void chooseStartupLanguage();
    bool SwitchLanguage(const LanguageInfo &language);
    // The named strings and both dictionaries. False (after telling the installer) when a header
    // cannot be read: the program cannot go on.
    bool loadDictionaries();

    // The first activation's work; later calls do nothing.
    void FormActivate();
    void FormClose();

    // "Cerrar sesión": the cloud credentials are forgotten and saved empty when the window closes.
    void forgetCloudCredentials();
    // A port picked from the list: stored and saved.
    void setPortName(const QString &name);

    QString Titol() const { return settings_.values().titol; }
    QString windowTitle() const;
    bool cloudFunctionsEnabled() const { return !token_.isEmpty(); }
    bool online() const { return online_; }

    View panelmostrat() const { return panelmostrat_; }
    void setPanelmostrat(View view);

    const FormatSettings &format() const { return format_; }
    const TDadesPC &dadesPC() const { return dadesPC_; }
    AppSettings &settings() { return settings_; }
    Languages &languages() { return languages_; }
    const NamedStrings &namedStrings() const { return namedStrings_; }
    const ParameterDictionary &dictionary() const { return dictionary_; }
    DiagnosticTrace &trace() { return trace_; }
    LinkState &link() { return link_; }
    CommandChannel &channel() { return channel_; }

signals:
    void windowTitleChanged(const QString &title);
    void cloudFunctionsChanged(bool enabled);
    void panelmostratChanged(quelta::View view);
    void languageChanged(const QString &storedName);

private:
    void openPortAndIdentify();
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
    LinkState link_;
    CommandChannel channel_;
    View panelmostrat_ = View::Estat;
    QString token_; // cloud session token; set by the sign-in
    bool online_ = false;
    bool activated_ = false;
};

} // namespace quelta
