#include "core/codecs/TextFile.h"

#include "core/codecs/AnsiCodec.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace quelta::textfile {

std::optional<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = ansi::decode(file.readAll());
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString writeLines(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    const QByteArray bytes = ansi::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace quelta::textfile
