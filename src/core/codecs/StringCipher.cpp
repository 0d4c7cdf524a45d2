#include "core/codecs/StringCipher.h"

#include "core/codecs/AnsiCodec.h"

#include <QtEndian>

#include <openssl/evp.h>

#include <array>
#include <memory>

namespace quelta {
namespace {

constexpr int kBlockSize = 16;
constexpr int kLengthPrefixSize = 4;
using AesKey = std::array<unsigned char, 32>;

// Only the first 8 characters of the filled key text count: their UTF-16LE bytes make the first
// half of the AES-256 key and the second half stays zero.
AesKey deriveKey(const QString &Clau)
{
    const QString filled = OmplirText(Clau, Clau, true, 16);
    AesKey key{};
    for (int i = 0; i < 8; ++i) {
        const char16_t unit = filled.at(i).unicode();
        key[static_cast<size_t>(2 * i)] = static_cast<unsigned char>(unit & 0xFF);
        key[static_cast<size_t>(2 * i + 1)] = static_cast<unsigned char>(unit >> 8);
    }
    return key;
}

// Runs AES-256-ECB without padding over whole blocks; a last partial block is zero-filled first.
QByteArray aesEcb(const AesKey &key, QByteArray data, bool encrypt)
{
    const qsizetype blocks = (data.size() + kBlockSize - 1) / kBlockSize;
    data.resize(blocks * kBlockSize, '\0');
    if (data.isEmpty())
        return data;

    const std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(),
                                                                              &EVP_CIPHER_CTX_free);
    QByteArray out(data.size() + kBlockSize, Qt::Uninitialized);
    int written = 0;
    int tail = 0;
    auto *in = reinterpret_cast<const unsigned char *>(data.constData());
    auto *dest = reinterpret_cast<unsigned char *>(out.data());
    const bool ok = ctx && EVP_CipherInit_ex(ctx.get(), EVP_aes_256_ecb(), nullptr, key.data(), nullptr, encrypt ? 1 : 0) == 1
        && EVP_CIPHER_CTX_set_padding(ctx.get(), 0) == 1
        && EVP_CipherUpdate(ctx.get(), dest, &written, in, static_cast<int>(data.size())) == 1
        && EVP_CipherFinal_ex(ctx.get(), dest + written, &tail) == 1;
    if (!ok)
        return {};
    out.truncate(written + tail);
    return out;
}

bool isBase64Character(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

// Tolerant decoding: characters outside the alphabet ("=" included) are skipped, and a count that
// cannot form whole groups (4k + 1) gives nothing.
QByteArray decodeBase64Tolerant(const QString &text)
{
    QByteArray alphabetOnly;
    alphabetOnly.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80 && isBase64Character(static_cast<char>(c.unicode())))
            alphabetOnly.append(static_cast<char>(c.unicode()));
    }
    if (alphabetOnly.size() % 4 == 1)
        return {};
    return QByteArray::fromBase64(alphabetOnly, QByteArray::AbortOnBase64DecodingErrors);
}

} // namespace

QString OmplirText(const QString &TextInicial, const QString &CaractersOmplir, bool final, int midatotal)
{
    QString text = TextInicial;
    if (!CaractersOmplir.isEmpty()) {
        for (qsizetype counted = text.size(); counted < midatotal; counted += CaractersOmplir.size())
            text = final ? text + CaractersOmplir : CaractersOmplir + text;
    }
    if (text.size() > midatotal)
        return final ? text.left(midatotal) : text.right(midatotal);
    return text;
}

QString EncriptarCadenaAes(const QString &Str, const QString &Clau)
{
    const QByteArray plain = ansi::encode(Str);
    QByteArray buffer(kLengthPrefixSize, '\0');
    qToLittleEndian(static_cast<quint32>(plain.size()), buffer.data());
    buffer += aesEcb(deriveKey(Clau), plain, true);
    return QString::fromLatin1(buffer.toBase64());
}

QString DesencriptarCadenaAes(const QString &Str, const QString &Clau)
{
    const QByteArray bytes = decodeBase64Tolerant(Str);
    if (bytes.size() < kLengthPrefixSize)
        return {};
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData());
    const QByteArray plain = aesEcb(deriveKey(Clau), bytes.mid(kLengthPrefixSize), false);
    // A stored length beyond the decrypted bytes means the text was never ours: treat it as absent.
    if (length > static_cast<quint32>(plain.size()))
        return {};
    return ansi::decode(QByteArrayView(plain).first(static_cast<qsizetype>(length)));
}

} // namespace quelta
