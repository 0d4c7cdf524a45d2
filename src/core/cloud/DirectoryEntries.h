#pragma once

#include "core/cloud/DeviceRecords.h"

#include <QList>
#include <QString>

namespace quelta {

// What the directory is asked for: a company, and optionally one installer and one reference.
struct DirectorySearch
{
    QString company;
    QString installer;
    QString reference;
};

// One row of the device directory, its link states as the list names them.
struct DirectoryEntry
{
    QString installer;
    QString reference;
    QString identifier;
    QString ethernet; // "Desactivado", "Perdido", "Conectado" or "No ADSL"
    QString gprs;     // the same, or "No GPRS"
    int ethernetState = -1;
    int gprsState = -1;

    bool ethernetConnected() const;
    bool gprsConnected() const;
    // A device reached by neither link may be removed from the directory.
    bool deletable() const { return !ethernetConnected() && !gprsConnected(); }
};

// The name of a link state: 0 switched off, 1 to 3 lost, 4 to 6 connected; anything else means the
// device has no such link (or is not on line).
QString ethernetStateText(int state);
QString gprsStateText(int state);

// The devices of the search, as the directory lists them: sorted by reference without regard to
// case, names as stored.
QList<DirectoryEntry> directoryEntries(const QList<DeviceRecord> &devices, const DirectorySearch &search);

} // namespace quelta
