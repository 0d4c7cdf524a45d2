#pragma once

#include "core/base/DiagnosticTrace.h"
#include "core/base/FormatSettings.h"
#include "core/base/Languages.h"
#include "core/base/NamedStrings.h"
#include "core/base/PcData.h"
#include "core/base/Settings.h"
#include "core/base/StatusBar.h"
#include "core/base/TransferActivity.h"
#include "core/base/ViewState.h"
#include "core/cloud/CloudAccess.h"
#include "core/model/ParameterDictionary.h"

#include <memory>

class QSettings;

namespace quelta {

class InternetCheck;
class Prompter;

// What every module shares for the whole run: the dialogs, this PC and its formats, the settings,
// the languages, the named strings and the dictionaries, the trace, the view, the status bar and
// the transfer activity; whether the program is online, and the cloud it signs in to.
class ProgramContext
{
public:
    ProgramContext(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
                   const QString &programPath, CloudEndpoints endpoints);

    Prompter &prompter() { return prompter_; }
    InternetCheck &internet() { return internet_; }
    FormatSettings &format() { return format_; }
    TDadesPC &dadesPC() { return dadesPC_; }
    AppSettings &settings() { return settings_; }
    const AppSettings &settings() const { return settings_; }
    Languages &languages() { return languages_; }
    NamedStrings &namedStrings() { return namedStrings_; }
    ParameterDictionary &dictionary() { return dictionary_; }
    DiagnosticTrace &trace() { return trace_; }
    ViewState &views() { return views_; }
    StatusBar &statusBar() { return statusBar_; }
    TransferActivity &activity() { return activity_; }
    CloudAccess &cloud() { return cloud_; }
    const CloudAccess &cloud() const { return cloud_; }

    bool online() const { return online_; }
    void setOnline(bool online) { online_ = online; }
    // Signed in: the directory, the map, the updates and the event history may be used.
    bool cloudFunctionsEnabled() const { return !cloud_.state().token.isEmpty(); }

    QString Titol() const { return settings_.values().titol; }
    // The title with the signed-in user, or "sin internet".
    QString windowTitle() const;
    // The title while the cloud cannot be reached.
    QString offlineTitle() const;

private:
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
    TransferActivity activity_;
    CloudAccess cloud_;
    bool online_ = false;
};

} // namespace quelta
