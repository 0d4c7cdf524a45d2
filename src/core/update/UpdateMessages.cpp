#include "core/update/UpdateMessages.h"

#include "core/codecs/CheckedText.h"

namespace quelta::update {

QByteArray listingRequest(const DeviceForUpdate &device)
{
    const QString text = QStringLiteral("qz+nver:#0Tots#1") + device.identifier + QStringLiteral("#2") + device.firmware
        + QStringLiteral("#3") + device.hardware + QStringLiteral("#7") + device.company + QStringLiteral("#8")
        + device.installer + QStringLiteral("#9") + device.reference + QStringLiteral("#A") + device.userId;
    return checked::make(checked::toBytes(text));
}

QByteArray startRequest(const QString &identifier, const QString &userId, const QString &versioActu)
{
    const QString text = QStringLiteral("qz+act:") + identifier + QLatin1Char(',') + userId + QLatin1Char(',')
        + versioActu + QLatin1Char(',') + QString::number(kMidapack);
    return checked::make(checked::toBytes(text));
}

namespace {

QList<FirmwareVersion> versionRows(const QString &list)
{
    QList<FirmwareVersion> rows;
    for (const QString &line : list.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(','));
        rows.append({fields.value(0), fields.value(1), fields.value(2)});
    }
    return rows;
}

} // namespace

ListingAnswer parseListingAnswer(const QString &text, const QString &identifier)
{
    const QString marker = QStringLiteral("qz+nver ") + identifier + QLatin1Char('=');
    const qsizetype at = text.indexOf(marker);
    if (at < 0)
        return {};
    QString list = text.mid(at + marker.size());
    if (const qsizetype end = list.indexOf(QLatin1String(checked::Separator)); end >= 0)
        list.truncate(end);
    if (list.contains(QLatin1Char('|')))
        return {ListingAnswer::Kind::List, {}, versionRows(list)};
    if (list.isEmpty())
        return {ListingAnswer::Kind::Empty, {}, {}};
    return {ListingAnswer::Kind::ErrorText, list, {}};
}

std::optional<Acceptance> findAcceptance(const QString &text)
{
    const QString marker = QStringLiteral("qz+act=");
    QStringList lines = text.split(QLatin1Char('\r'));
    lines.removeLast(); // what follows the last "\r" is no whole line
    for (const QString &line : std::as_const(lines)) {
        const qsizetype at = line.indexOf(marker);
        if (at < 0)
            continue;
        const QString rest = line.mid(at + marker.size());
        const QStringList fields = rest.split(QLatin1Char(','));
        bool sizeOk = false;
        bool fileOk = false;
        const int blockSize = fields.value(0).toInt(&sizeOk);
        const qint64 fileSize = fields.value(1).toLongLong(&fileOk);
        if (fields.size() == 4 && sizeOk && fileOk && blockSize > 0 && fileSize >= 0)
            return Acceptance{true, blockSize, fileSize, {}};
        return Acceptance{false, 0, 0, rest};
    }
    return std::nullopt;
}

int totalPacks(qint64 fileSize, int blockSize)
{
    return static_cast<int>(fileSize / blockSize) + 1;
}

int codeAfterU(const QString &text)
{
    const qsizetype at = text.indexOf(QLatin1String("+U"));
    if (at < 0)
        return -1;
    bool ok = false;
    const int code = text.mid(at + 2, 3).toInt(&ok, 16);
    return ok && text.mid(at + 2, 3).size() == 3 ? code : -1;
}

QString shownVersion(const QString &versioActu)
{
    return versioActu.section(QLatin1Char('('), 0, 0);
}

} // namespace quelta::update
