#pragma once

#include <QJsonObject>
#include <QStringList>

namespace quelta {
class StatusScreen;
}

namespace quelta::cli {

// What one status frame left on the status screen, with the device events it logged.
QJsonObject statusSnapshot(const StatusScreen &screen, const QStringList &events);
// The same on one line, for reading by eye.
QString statusLine(const QJsonObject &snapshot);

} // namespace quelta::cli
