#pragma once

#include <QJsonObject>
#include <QStringList>

namespace quelta {
class DoorsScreen;
class PanelDisplay;
class StatusScreen;
struct LinkState;
struct PanelType;
} // namespace quelta

namespace quelta::cli {

// Where a decoded status frame left its data.
struct StatusSources
{
    const StatusScreen &screen;
    const LinkState &link;
    const DoorsScreen &doors;
    const PanelDisplay &panel;
    const PanelType &panelType;
    bool panelLive;
};

// What one status frame left on the status screen and the fire panel's screen, with the device
// events it logged.
QJsonObject statusSnapshot(const StatusSources &sources, const QStringList &events);
// The same on one line, for reading by eye.
QString statusLine(const QJsonObject &snapshot);

} // namespace quelta::cli
