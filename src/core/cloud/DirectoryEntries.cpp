#include "core/cloud/DirectoryEntries.h"

#include <QCoreApplication>

#include <algorithm>

namespace quelta {
namespace {

struct DirectoryTexts
{
    Q_DECLARE_TR_FUNCTIONS(DirectoryEntries)
};

// The shared names of states 0 to 6; nothing for the others.
QString knownStateText(int state)
{
    if (state == 0)
        return DirectoryTexts::tr("Desactivado");
    if (state >= 1 && state <= 3)
        return DirectoryTexts::tr("Perdido");
    if (state >= 4 && state <= 6)
        return DirectoryTexts::tr("Conectado");
    return {};
}

DirectoryEntry entryOf(const DeviceRecord &device)
{
    return {device.installer, device.reference, device.identifier, ethernetStateText(device.shownEthernetStat()),
            gprsStateText(device.shownGprsStat())};
}

} // namespace

bool DirectoryEntry::ethernetConnected() const
{
    return ethernet == DirectoryTexts::tr("Conectado");
}

bool DirectoryEntry::gprsConnected() const
{
    return gprs == DirectoryTexts::tr("Conectado");
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
