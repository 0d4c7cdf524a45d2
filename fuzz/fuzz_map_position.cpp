// The device's position text as status frames and cloud records carry it, and a reference: a
// marker only ever stands at a place on the globe, and neither text turns into markup.

#include "FuzzSupport.h"

#include "core/status/MapPosition.h"

#include <cmath>
#include <cstdlib>

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first line is the position, the rest the reference.
    const QString text = fuzz::textOf(data, size);
    const qsizetype split = text.indexOf(QLatin1Char('\n'));
    const QString position = split < 0 ? text : text.left(split);
    const QString reference = split < 0 ? QString() : text.mid(split + 1);
    const std::optional<MapMarker> marker = mapMarker(position, reference);
    if (!marker)
        return 0;
    if (!std::isfinite(marker->latitude) || !std::isfinite(marker->longitude) || std::abs(marker->latitude) > 90
        || std::abs(marker->longitude) > 180)
        std::abort();
    if (marker->popupHtml.count(QLatin1Char('<')) != 2)
        std::abort();
    return 0;
}
