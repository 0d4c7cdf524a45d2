#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>

namespace quelta {

// The program-wide formats: the system's, with the separators and date and time patterns the
// device texts and files expect.
struct FormatSettings
{
    QChar decimalSeparator;
    QChar listSeparator = QLatin1Char(',');
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    QString shortDateFormat = QStringLiteral("dd/MM/yyyy");
    QString longTimeFormat = QStringLiteral("hh:mm:ss.zzz");
    QString shortTimeFormat = QStringLiteral("hh:mm");

    static FormatSettings fromSystem();

    QString shortDate(QDate date) const { return date.toString(shortDateFormat); }
    QString longTime(QTime time) const { return time.toString(longTimeFormat); }
    QString shortTime(QTime time) const { return time.toString(shortTimeFormat); }
};

} // namespace quelta
