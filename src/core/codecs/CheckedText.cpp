#include "core/codecs/CheckedText.h"

#include "core/codecs/Crc32.h"

namespace quelta::checked {

QByteArray toBytes(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = static_cast<char>(text[i].unicode() & 0xFF);
    return bytes;
}

QString fromBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray crcHex(const QByteArray &bytes)
{
    return QByteArray::number(CalcCRC32(bytes), 16).toUpper().rightJustified(8, '0');
}

QByteArray make(const QByteArray &text)
{
    return text + Separator + crcHex(text);
}

Parts split(const QByteArray &checked)
{
    const qsizetype at = checked.lastIndexOf(Separator);
    if (at < 0)
        return {checked, {}, false};
    return {checked.left(at), checked.mid(at + qsizetype(sizeof Separator) - 1), true};
}

Check verify(const QByteArray &checked)
{
    const Parts parts = split(checked);
    if (!parts.hasSeparator)
        return Check::NoSeparator;
    return parts.crc == crcHex(parts.text) ? Check::Matches : Check::Differs;
}

} // namespace quelta::checked
