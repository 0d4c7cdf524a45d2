#pragma once

#include <QByteArray>
#include <QString>

namespace quelta {

// CRC-32 of IEEE 802.3 over raw bytes (zlib's table-driven implementation).
quint32 CalcCRC32(const QByteArray &bytes);

// CRC-32 over the text's Windows-1252 bytes.
quint32 CalcCRC32(const QString &text);

} // namespace quelta
