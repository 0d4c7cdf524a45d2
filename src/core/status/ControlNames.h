#pragma once

#include <QStringList>

#include <initializer_list>

// The names of the panel screens' controls, as the tables that list them write them.
namespace quelta::controls {

// prefix + n + suffix for n from 1 to count: numbered("SLed", 12, "1") gives SLed11 ... SLed121.
inline QStringList numbered(const char *prefix, int count, const char *suffix = "")
{
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names << QLatin1String(prefix) + QString::number(n) + QLatin1String(suffix);
    return names;
}

inline QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result << QLatin1String(name);
    return result;
}

// The control that shows an AE/C5 zone's number: PZona1 ... PZona15, and Pzona16 as the screen
// spells it.
inline QString aguileraZoneNumber(int zone)
{
    return (zone == 16 ? QStringLiteral("Pzona") : QStringLiteral("PZona")) + QString::number(zone);
}

} // namespace quelta::controls
