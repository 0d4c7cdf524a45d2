#pragma once

#include "CliOptions.h"
#include "CliPrompter.h"

#include "core/base/InternetCheck.h"
#include "core/session/Shell.h"

#include <QDeadlineTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <memory>
#include <vector>

namespace quelta::cli {

// Exit codes, as scripts rely on them.
enum ExitCode { Ok = 0, Usage = 1, NoDevice = 2, WriteIncomplete = 3, TemplateRejected = 4, AccessDenied = 5, UpdateFailed = 6 };

// One run of quelta-cli: the window's core on the given port, without a window. The device is
// found and unlocked the way the window does it, then the command runs through the same engines.
// The cloud's commands reach no device: they sign in and run the directory's steps as its view does.
class CliSession
{
public:
    CliSession(const CliOptions &options, QTextStream &out, QTextStream &err);

    int run();

private:
    // Off line for the device's commands: the sign-in window never opens. On line for the cloud's,
    // whose own requests then tell whether it can be reached.
    class CommandLineInternet : public InternetCheck
    {
    public:
        bool online = false;
        bool isOnline() override { return online; }
    };

    void startShell();
    void startDeviceLink();
    CloudEndpoints cloudEndpoints() const;
    int runCloudCommand();
    int signIn();
    int devices();
    int printListing();
    int deleteDevice();
    int whoami();
    int history();
    int snapshot();
    int signInForHistory();
    void postOutputHistory();
    CloudAccess &cloud() { return shell_->context().cloud(); }
    int runCommand();
    int connectDevice();
    int openRemoteSession();
    QString linkName() const;
    int unlock();
    bool streamAnsweredSince(qsizetype from) const;
    int identify();
    int read();
    int write();
    int restoreDefaults();
    int status();
    int send();
    int order();
    int door();
    int firmwareUpdate();
    int fetchVersions(update::Outcome &outcome);
    int listVersions();
    int installVersion();
    bool readDeviceProgramming();
    QString deviceValue(const QString &code);
    void configureUpdateServer();
    int updateFailed(const update::Outcome &outcome);
    int bidi();
    bool waitForStatusFrame();

    struct DueItem
    {
        QString code;
        SingleField *field; // a modified field, or
        GridModel *grid;    // a due row of a grid
        int row;
    };
    std::vector<DueItem> dueItems();
    int reportWrite(const std::vector<DueItem> &due);

    // Runs the event loop until done() or the run's deadline; false at the deadline or when the
    // device's link was lost meanwhile.
    bool waitFor(const std::function<bool()> &done);
    void waitForQuietLink();
    bool readConfiguration();
    int fail(int code, const QString &message);
    DeviceSession &device() { return shell_->device(); }
    Programming &programming() { return shell_->programming(); }
    StatusScreens &screens() { return shell_->screens(); }
    PanelScreens &panels() { return shell_->panels(); }
    void lineReceived(const ReplyLine &line);
    void commandSent(const QString &text);

    CliOptions options_;
    QTextStream &out_;
    QTextStream &err_;
    CliPrompter prompter_;
    CommandLineInternet internet_;
    QTemporaryDir settingsDir_; // the installer's own settings are not touched
    std::unique_ptr<Shell> shell_;
    QDeadlineTimer deadline_;
    QList<ReplyLine> received_;  // lines received, as the dispatcher classified them
    bool linkLost_ = false;
};

} // namespace quelta::cli
