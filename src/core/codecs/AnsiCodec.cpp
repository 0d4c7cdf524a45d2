#include "core/codecs/AnsiCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace quelta::ansi {
namespace {

constexpr const char *kCodePage = "windows-1252";
// ICU's encoder writes SUB for a character the code page lacks.
constexpr char kIcuSubstitute = '\x1A';

// Slow path, only taken when the fast one met a SUB byte: tell a real U+001A from a substitute.
QByteArray encodeCodePointByCodePoint(QStringView text)
{
    QStringEncoder encoder(kCodePage);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView codePoint = text.mid(i, width);
        if (codePoint.size() == 1 && codePoint.at(0).unicode() == 0x1A) {
            out.append(kIcuSubstitute);
        } else {
            const QByteArray bytes = encoder(codePoint);
            out.append(bytes.size() == 1 && bytes.at(0) != kIcuSubstitute ? bytes.at(0) : '?');
        }
        i += width;
    }
    return out;
}

} // namespace

QByteArray encode(QStringView text)
{
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder(text);
    if (bytes.contains(kIcuSubstitute))
        return encodeCodePointByCodePoint(text);
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder(bytes);
}

} // namespace quelta::ansi
