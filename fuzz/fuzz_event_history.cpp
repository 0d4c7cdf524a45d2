// A device's event history as the cloud answers it (any bytes, UTF-8), parsed as the history screen
// parses it, with and without a date chosen, and turned into the grid's rows and each record's
// "created" time on its own.

#include "FuzzSupport.h"

#include "core/status/EventHistory.h"

#include <QJsonObject>

#include <cstdlib>

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json = fuzz::bytesOf(data, size);
    static const QTimeZone madrid("Europe/Madrid");
    const HistoryRules rules{{QStringLiteral("Portal"), QStringLiteral("Garaje")}, madrid, std::nullopt};
    const HistoryList all = parseHistory(json, rules);
    const HistoryList fromDate = parseHistory(json, {rules.doorNames, madrid, QDate(2022, 1, 30)});
    // A date only ever takes entries away, and never more than a list holds.
    if (fromDate.entries.size() > all.entries.size() || all.entries.size() > kMaxHistoryRecords)
        std::abort();
    const QList<QStringList> rows = historyRows(all.entries, madrid);
    for (const QStringList &row : rows) {
        if (row.size() != kHistoryColumns)
            std::abort();
    }
    parseCreated(QString::fromUtf8(json));
    return 0;
}
