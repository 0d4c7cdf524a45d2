// A device's cloud record as the database returns it, any JSON text (or none): every value the
// cloud snapshot reads from it, for every panel family.

#include "FuzzSupport.h"

#include "core/status/SnapshotRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QJsonDocument document = QJsonDocument::fromJson(fuzz::bytesOf(data, size));
    const SnapshotRecord record =
        SnapshotRecord::fromJson(document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()));
    record.identifier();
    record.imei();
    record.central();
    record.level(QStringLiteral("vTamperAct"));
    record.coveragePercent();
    record.updated();
    for (int family = int(PanelFamily::None); family <= int(PanelFamily::Id3000); ++family)
        record.panelState(static_cast<PanelFamily>(family));
    return 0;
}
