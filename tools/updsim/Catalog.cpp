#include "Catalog.h"

#include "core/codecs/Crc32.h"

#include <QDir>
#include <QFile>

namespace quelta::updsim {
namespace {

constexpr qsizetype MaxImageBytes = 16 * 1024 * 1024;

bool hasReservedCharacter(const QString &text)
{
    for (const QChar c : {u',', u'|', u'(', u')'}) {
        if (text.contains(c))
            return true;
    }
    return false;
}

QString firstLineOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

} // namespace

bool Catalog::addDirectory(const QString &path, QString &error)
{
    const QDir dir(path);
    if (!dir.exists()) {
        error = QStringLiteral("no firmware folder %1").arg(path);
        return false;
    }
    const QStringList images = dir.entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name);
    for (const QString &name : images) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read %1").arg(file.fileName());
            return false;
        }
        const QString version = name.chopped(4);
        if (!add({version, firstLineOf(dir.filePath(version + QStringLiteral(".txt"))), file.readAll()}, error))
            return false;
    }
    return true;
}

bool Catalog::addImage(const QString &definition, QString &error)
{
    const qsizetype equals = definition.indexOf(u'=');
    const QString sizeAndDescription = definition.mid(equals + 1);
    const qsizetype colon = sizeAndDescription.indexOf(u':');
    bool ok = false;
    const qsizetype size = sizeAndDescription.left(colon).toLongLong(&ok);
    if (equals <= 0 || !ok || size <= 0 || size > MaxImageBytes) {
        error = QStringLiteral("--image takes VERSION=BYTES[:DESCRIPTION] with 1 to %1 bytes, not %2")
                    .arg(MaxImageBytes).arg(definition);
        return false;
    }
    const QString version = definition.left(equals);
    const QString description = colon < 0 ? QString() : sizeAndDescription.mid(colon + 1);
    return add({version, description, syntheticImage(version, size)}, error);
}

bool Catalog::add(Firmware firmware, QString &error)
{
    if (firmware.version.isEmpty() || hasReservedCharacter(firmware.version)
        || hasReservedCharacter(firmware.description)) {
        error = QStringLiteral("version \"%1\" (\"%2\"): names and descriptions may not hold , | ( or )")
                    .arg(firmware.version, firmware.description);
        return false;
    }
    if (find(firmware.version)) {
        error = QStringLiteral("version %1 given twice").arg(firmware.version);
        return false;
    }
    if (firmware.image.isEmpty()) {
        error = QStringLiteral("version %1 has an empty image").arg(firmware.version);
        return false;
    }
    versions_.append(std::move(firmware));
    return true;
}

const Firmware *Catalog::find(const QString &version) const
{
    for (const Firmware &firmware : versions_) {
        if (firmware.version == version)
            return &firmware;
    }
    return nullptr;
}

QByteArray syntheticImage(const QString &version, qsizetype size)
{
    // xorshift32; the seed must not be zero.
    quint32 state = CalcCRC32(version.toUtf8()) | 1;
    QByteArray image(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        image[i] = static_cast<char>(state >> 24);
    }
    return image;
}

} // namespace quelta::updsim
