#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quelta {

// One device of the directory, as it keeps its own record under "Equipments".
struct DeviceRecord
{
    QString identifier;
    QString company;
    QString installer;
    QString reference;
    QString connection;   // "ONLINE" when on line
    int ethernetStat = -1; // Configuration/ethernetInfo/ethernetStat, -1 when missing
    int gprsStat = -1;     // Configuration/gprsInfo/gprsStat, -1 when missing

    bool online() const { return connection == QLatin1String("ONLINE"); }
    // The link states the list shows: the stored ones only while the device is on line.
    int shownEthernetStat() const { return online() ? ethernetStat : -1; }
    int shownGprsStat() const { return online() ? gprsStat : -1; }
};

struct DeviceListing
{
    QList<DeviceRecord> devices; // in the order the database gave them
    QStringList skipped;         // identifiers whose record is not an object
    QString error;               // the read failed: nothing listed

    // What to tell the installer about the skipped records; empty when none was skipped.
    QString skippedMessage() const;
};

// The "Equipments" collection read as JSON text. A record that is not an object is skipped and
// named, the rest are listed.
DeviceListing parseDevices(const QByteArray &json);

// The search value without diacritics, as the directory compares names: each character through
// the ANSI code page, decomposed, its first part kept ("é" gives "e"; outside the code page "?").
QString foldDiacritics(const QString &text);

// Whether the device belongs to the company and, when given, to the installer and the reference.
// Both sides are compared without diacritics.
bool matchesSearch(const DeviceRecord &device, const QString &company, const QString &installer,
                   const QString &reference);

} // namespace quelta
