#pragma once

#include "core/status/MapPosition.h"

#include <QObject>

#include <optional>

namespace quelta {

class DeviceSession;
class ProgramContext;
class StatusScreen;

// The "Mapa" screen PMapa: the device's position, from its status frames or its cloud record, as
// one marker on a web map. The view shows marker() when shown() is emitted, and its offline state
// when offline() is.
class MapScreen : public QObject
{
    Q_OBJECT
public:
    MapScreen(ProgramContext &context, DeviceSession &device, const StatusScreen &status, QObject *parent = nullptr);

    // "Mapa": shows the device on the map when the update, the lock, the internet and the
    // position allow it.
    void BBMapaClick();

    // The marker last shown; nothing before the first.
    const std::optional<MapMarker> &marker() const { return marker_; }

signals:
    // The internet is gone: the cloud's controls are switched off, the map cannot be drawn.
    void offline();
    // The view is "Mapa" with a new marker: the page comes to the front and places it.
    void shown(const quelta::MapMarker &marker);

private:
    ProgramContext &context_;
    DeviceSession &device_;
    const StatusScreen &status_;
    std::optional<MapMarker> marker_;
};

} // namespace quelta
