#pragma once

#include <QString>

#include <optional>

namespace quelta {

// The zoom the map opens at: a few streets around the device.
inline constexpr int kMapZoom = 15;

// The device's place on the map and what its marker shows.
struct MapMarker
{
    double latitude = 0;
    double longitude = 0;
    QString title;     // plain text: the marker's tooltip
    QString popupHtml; // the information popup, its texts escaped
};

// The position text ECoordenadesMapa ("latitude,longitude", '.' as the decimal separator) as a
// marker titled by the installation reference, or by the position text when no reference is known.
// Nothing when the text is not two numbers in range: the map is never shown at a made-up place.
std::optional<MapMarker> mapMarker(const QString &position, const QString &reference);

} // namespace quelta
