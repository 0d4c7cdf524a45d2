#include "core/model/ListFiles.h"

#include "core/codecs/TextFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace quelta::listfiles {

std::optional<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    // Only a byte-order mark names another encoding; the ANSI reading covers the rest.
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (!marked)
        return textfile::readLines(path);
    QStringDecoder decoder(*marked, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList found = text.split(lineEnd);
    if (!found.isEmpty() && found.last().isEmpty())
        found.removeLast();
    return found;
}

std::optional<QList<QStringList>> records(const QStringList &lines, int fields)
{
    QList<QStringList> found;
    for (qsizetype k = 1; k < lines.size(); ++k) {
        QStringList record = lines.at(k).split(QLatin1Char(','));
        if (record.size() != fields)
            return std::nullopt;
        found.append(std::move(record));
    }
    return found;
}

QStringList lines(const QList<QStringList> &rows)
{
    QStringList joined;
    for (const QStringList &row : rows)
        joined << row.join(QLatin1Char(','));
    return joined;
}

} // namespace quelta::listfiles
