#pragma once

#include <QString>

namespace quelta {

// The IANA zone the program uses for a device that reports the given offset from UTC in whole
// hours; "Europe/Paris" for an offset outside -10..13.
QString TexteZonaHoraria(int offset);

} // namespace quelta
