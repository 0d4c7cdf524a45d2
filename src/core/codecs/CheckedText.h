#pragma once

#include <QByteArray>
#include <QString>

namespace quelta::checked {

// The firmware-update exchange protects its texts with a CRC-32: text + "{=}" + the CRC-32 of the
// text as 8 upper-case hexadecimal digits. It carries texts one byte per character: a character
// goes out as its low 8 bits (Latin-1) and a byte comes back as the character of that code. The CRC
// is taken over those same bytes, so both ends compute it over what actually travels.

inline constexpr char Separator[] = "{=}";

// The protocol bytes of a text, one per character, and back.
QByteArray toBytes(QStringView text);
QString fromBytes(const QByteArray &bytes);

// The CRC-32 of the bytes as 8 upper-case hexadecimal digits.
QByteArray crcHex(const QByteArray &bytes);

// text + "{=}" + crcHex(text).
QByteArray make(const QByteArray &text);

// A checked text taken apart at its last separator (the CRC after it never holds one, while the
// text before it might).
struct Parts
{
    QByteArray text;     // the whole input when there is no separator
    QByteArray crc;      // what follows the separator
    bool hasSeparator = false;
};
Parts split(const QByteArray &checked);

enum class Check
{
    NoSeparator, // not a checked text at all
    Matches,     // the CRC text equals crcHex(text) exactly
    Differs,
};
Check verify(const QByteArray &checked);

} // namespace quelta::checked
