#include "core/codecs/Crc32.h"

#include "core/codecs/AnsiCodec.h"

#include <zlib.h>

namespace quelta {

quint32 CalcCRC32(const QByteArray &bytes)
{
    return static_cast<quint32>(crc32_z(0L, reinterpret_cast<const Bytef *>(bytes.constData()),
                                        static_cast<z_size_t>(bytes.size())));
}

quint32 CalcCRC32(const QString &text)
{
    return CalcCRC32(ansi::encode(text));
}

} // namespace quelta
