#include "core/cloud/DirectoryEntries.h"

#include <QCoreApplication>

#include <algorithm>

namespace quelta {
namespace {

struct DirectoryTexts
{
    Q_DECLARE_TR_FUNCTIONS(DirectoryEntries)
};

bool isConnected(int state)
{
    return state >= 4 && state <= 6;
}

// The shared names of states 0 to 6; nothing for the others.
QString knownStateText(int state)
{
    if (state == 0)
        return DirectoryTexts::tr("Desactivado");
    if (state >= 1 && state <= 3)
        return DirectoryTexts::tr("Perdido");
    if (isConnected(state))
        return DirectoryTexts::tr("Conectado");
    return {};
}

DirectoryEntry entryOf(const DeviceRecord &device)
{
    return {device.installer, device.reference, device.identifier, ethernetStateText(device.shownEthernetStat()),
            gprsStateText(device.shownGprsStat()), device.shownEthernetStat(), device.shownGprsStat()};
}

} // namespace

// Read from the state rather than its name, which follows the language of the moment.
bool DirectoryEntry::ethernetConnected() const
{
    return isConnected(ethernetState);
}

bool DirectoryEntry::gprsConnected() const
{
    return isConnected(gprsState);
}

QString ethernetStateText(int state)
{
    const QString known = knownStateText(state);
    return known.isEmpty() ? DirectoryTexts::tr("No ADSL") : known;
}

QString gprsStateText(int state)
{
    const QString known = knownStateText(state);
    return known.isEmpty() ? DirectoryTexts::tr("No GPRS") : known;
}

QList<DirectoryEntry> directoryEntries(const QList<DeviceRecord> &devices, const DirectorySearch &search)
{
    QList<DirectoryEntry> entries;
    for (const DeviceRecord &device : devices) {
        if (matchesSearch(device, search.company, search.installer, search.reference))
            entries.append(entryOf(device));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const DirectoryEntry &a, const DirectoryEntry &b) {
        return a.reference.compare(b.reference, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

} // namespace quelta
