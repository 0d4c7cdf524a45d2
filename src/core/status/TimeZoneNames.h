#pragma once

#include <QString>
#include <QStringList>

namespace quelta {

// The device keeps its time zone as a whole-hour offset from UTC, from -10 to 13; the zone box
// CBHora lists them in that order, its position being the offset plus 10.
constexpr int kFirstZoneOffset = -10;
constexpr int kLastZoneOffset = 13;

// The IANA zone the program uses for a device that reports the given offset from UTC in whole
// hours; "Europe/Paris" for an offset outside -10..13.
QString TexteZonaHoraria(int offset);

// The items of CBHora in the current language: "(UTC±hh:mm)" with the standard offset the
// system's time-zone database gives the offset's zone, then the places that keep that time.
QStringList zoneCaptions();

} // namespace quelta
