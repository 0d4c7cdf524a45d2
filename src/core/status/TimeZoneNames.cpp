#include "core/status/TimeZoneNames.h"

#include <array>

namespace quelta {

QString TexteZonaHoraria(int offset)
{
    static constexpr int kFirst = -10;
    static constexpr std::array<const char *, 24> zones = {
        "Pacific/Honolulu", "America/Juneau",   "America/Los_Angeles", "America/Denver",     "America/Chicago",
        "America/Bogota",   "America/Caracas",  "America/Punta_Arenas", "America/Noronha",   "Atlantic/Azores",
        "Europe/London",    "Europe/Paris",     "Europe/Riga",         "Europe/Moscow",      "Asia/Dubai",
        "Asia/Karachi",     "Asia/Omsk",        "Asia/Jakarta",        "Asia/Hong_Kong",     "Asia/Seoul",
        "Asia/Vladivostok", "Asia/Magadan",     "Antarctica/McMurdo",  "Pacific/Apia"};
    const int position = offset - kFirst;
    if (position < 0 || position >= int(zones.size()))
        return QStringLiteral("Europe/Paris");
    return QString::fromLatin1(zones.at(static_cast<size_t>(position)));
}

} // namespace quelta
