#pragma once

#include <QObject>
#include <QString>

namespace quelta {

class CommandChannel;
class Prompter;
class StatusBar;
struct LinkState;

// The device's programming lock: a device with an access code refuses programming until the
// installer gives it. Commands that program or read the device ask here first.
class ProgrammingLock : public QObject
{
    Q_OBJECT
public:
    ProgrammingLock(LinkState &link, CommandChannel &channel, StatusBar &statusBar, Prompter &prompter,
                    QObject *parent = nullptr);

    // The gate of every command that reads, writes or programs the device. False, silently, while
    // a firmware update runs; false with a notice while the fire panel is under telecontrol; false
    // with the access-code prompt while the device is locked. The caller must then not go on.
    bool allowsProgramming();

    // "Entrar": sends a code of six characters or more, followed by the stream-on command whose
    // answer tells whether the code was right. False when the code is too short: the prompt stays.
    bool BBDesbloqueigAcceptarClick(const QString &code);
    // "Cancelar": the device stays locked.
    void BBDesbloqueigCancellarClick();

signals:
    void accessCodeRequested();

private:
    LinkState &link_;
    CommandChannel &channel_;
    StatusBar &statusBar_;
    Prompter &prompter_;
};

} // namespace quelta
