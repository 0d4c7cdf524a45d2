#include "core/status/StatusCloud.h"

#include "core/base/DiagnosticTrace.h"

#include <QStringList>

namespace quelta {
namespace {

// The record's value under the key, matched without regard to case, as text.
QString flagText(const QJsonObject &record, const QString &key)
{
    for (auto it = record.begin(); it != record.end(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.value().isBool() ? QString::fromLatin1(it.value().toBool() ? "true" : "false")
                                       : it.value().toVariant().toString();
    }
    return {};
}

} // namespace

QString buttonFlags(const QJsonObject &record)
{
    QStringList flags = {flagText(record, QStringLiteral("b1Enabled")) == QLatin1String("false") ? QStringLiteral("0")
                                                                                                 : QStringLiteral("1")};
    for (const char *key : {"b2Enabled", "b3Enabled", "b4Enabled"})
        flags << (flagText(record, QLatin1String(key)) == QLatin1String("true") ? QStringLiteral("1")
                                                                                : QStringLiteral("0"));
    return flags.join(QLatin1Char(','));
}

void OfflineStatusCloud::note(const QString &what)
{
    trace_.Escriure_REPortserie(QStringLiteral("Cloud directory not available: ") + what, TraceColour::DarkRed);
}

int OfflineStatusCloud::AgafaNumBotons()
{
    note(QStringLiteral("numButtonsEnabled taken as 0"));
    return 0;
}

QString OfflineStatusCloud::AgafaBotonsMarcats()
{
    note(QStringLiteral("button flags taken as 1,0,0,0"));
    return QStringLiteral("1,0,0,0");
}

bool OfflineStatusCloud::AgafaPotObrirPortes()
{
    note(QStringLiteral("no permission to open doors"));
    return false;
}

QString OfflineStatusCloud::AgafaEstatPortes(int door)
{
    note(QStringLiteral("state of door %1 unknown").arg(door));
    return {};
}

void OfflineStatusCloud::ActualitzaEventsRTDB(const QString &identifier, const QString &message, const QString &code)
{
    note(QStringLiteral("event %1 \"%2\" of %3 not posted").arg(code, message, identifier));
}

} // namespace quelta
