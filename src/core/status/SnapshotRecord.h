#pragma once

#include "core/link/PanelType.h"

#include <QDateTime>
#include <QHash>
#include <QJsonValue>
#include <QString>

namespace quelta {

// A device's last record in the cloud directory, read by key name whatever its nesting. The first
// leaf of a name counts; quotes are removed from every value. Values of any JSON type are taken as
// text, so a record of the wrong shape gives empty or odd texts, never a failure.
class SnapshotRecord
{
public:
    static SnapshotRecord fromJson(const QJsonValue &record);

    bool isEmpty() const { return leaves_.isEmpty(); }
    QString value(const QString &key) const { return leaves_.value(key); }
    // "Identifier" holds the identifier and the IMEI separated by ":".
    QString identifier() const;
    QString imei() const;
    // "comCentral" without its backslashes.
    QString central() const;
    // A gauge level written in hexadecimal.
    int level(const QString &key) const;
    // The GSM coverage 0-31 as a percentage; 0 when "gsmStat" is not a number.
    int coveragePercent() const;
    // "Updated", in UTC; invalid when missing or unreadable.
    QDateTime updated() const;
    // The state text the panel's state routine takes, joined from the record for its family.
    QString panelState(PanelFamily family) const;

private:
    void collect(const QJsonValue &value, const QString &key, int depth);
    QString joined(std::initializer_list<const char *> keys) const;

    QHash<QString, QString> leaves_;
};

} // namespace quelta
