#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

namespace quelta {

// Which of the window's commands are enabled, by the controls' names: the buttons, menus and menu
// items that the link, a write run and the cloud switch on and off. The window only paints it.
class CommandAvailability : public QObject
{
    Q_OBJECT
public:
    CommandAvailability();

    // Every control this decides, in a stable order.
    QStringList controls() const { return enabled_.keys(); }
    bool isEnabled(const QString &control) const { return enabled_.value(control, true); }

    // A device session was established: it can be read, written, restored, and templates used.
    void connectionEstablished();
    // Back to no device: the transfer commands go off; templates stay, they work on the editors.
    void fieldsCleared();
    // A write run holds the link: the other views and menus wait for its end.
    void writeRunning(bool running);
    void cloudFunctionsChanged(bool enabled);
    // The remote session was lost: whatever a write run held is free again.
    void remoteSessionLost();
    // The about box is offered only while a device is reached through the broker.
    void remoteLinkChanged(bool remote);
    // The status view came forward: its button and the views beside it are available.
    void statusScreenShown();

signals:
    void changed(const QStringList &controls);

private:
    void set(const QStringList &controls, bool enabled);

    QHash<QString, bool> enabled_;
};

} // namespace quelta
