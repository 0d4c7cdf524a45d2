#include "core/codecs/Xxtea.h"

#include <algorithm>
#include <vector>

namespace quelta::xxtea {
namespace {

constexpr quint32 Delta = 0x9E3779B9;

quint32 mix(quint32 sum, quint32 y, quint32 z, std::size_t p, quint32 e, const Key &key)
{
    return (((z >> 5) ^ (y << 2)) + ((y >> 3) ^ (z << 4))) ^ ((sum ^ y) + (key[(p & 3) ^ e] ^ z));
}

quint32 roundsFor(std::size_t n)
{
    return static_cast<quint32>(6 + 52 / n);
}

// Little-endian words of the bytes, the last one zero-padded.
std::vector<quint32> toWords(const char *bytes, qsizetype size)
{
    std::vector<quint32> words(static_cast<std::size_t>((size + 3) / 4), 0);
    for (qsizetype i = 0; i < size; ++i)
        words[static_cast<std::size_t>(i / 4)] |= quint32(quint8(bytes[i])) << (8 * (i % 4));
    return words;
}

QByteArray toBytes(std::span<const quint32> words, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(words[static_cast<std::size_t>(i / 4)] >> (8 * (i % 4)));
    return bytes;
}

} // namespace

void encryptWords(std::span<quint32> v, const Key &key)
{
    const std::size_t n = v.size();
    if (n < 2)
        return;
    quint32 sum = 0;
    quint32 z = v[n - 1];
    for (quint32 rounds = roundsFor(n); rounds > 0; --rounds) {
        sum += Delta;
        const quint32 e = (sum >> 2) & 3;
        for (std::size_t p = 0; p < n; ++p) {
            const quint32 y = v[(p + 1) % n];
            z = v[p] += mix(sum, y, z, p, e, key);
        }
    }
}

void decryptWords(std::span<quint32> v, const Key &key)
{
    const std::size_t n = v.size();
    if (n < 2)
        return;
    const quint32 rounds = roundsFor(n);
    quint32 sum = rounds * Delta;
    quint32 y = v[0];
    for (quint32 round = 0; round < rounds; ++round) {
        const quint32 e = (sum >> 2) & 3;
        for (std::size_t p = n; p-- > 0;) {
            const quint32 z = v[(p + n - 1) % n];
            y = v[p] -= mix(sum, y, z, p, e, key);
        }
        sum -= Delta;
    }
}

Key packKey(const QByteArray &key)
{
    const std::vector<quint32> words = toWords(key.constData(), qMin(key.size(), qsizetype(16)));
    Key packed{};
    std::copy(words.begin(), words.end(), packed.begin());
    return packed;
}

QByteArray encrypt(const QByteArray &data, const QByteArray &key)
{
    if (data.isEmpty())
        return {};
    std::vector<quint32> words = toWords(data.constData(), data.size());
    words.push_back(static_cast<quint32>(data.size()));
    encryptWords(words, packKey(key));
    return toBytes(words, qsizetype(words.size() * 4));
}

QByteArray decrypt(const QByteArray &data, const QByteArray &key)
{
    std::vector<quint32> words = toWords(data.constData(), data.size());
    if (words.size() < 2)
        return data;
    decryptWords(words, packKey(key));
    const qint64 n = qint64(words.size());
    const qint64 m = words.back();
    if (m < 4 * n - 7 || m > 4 * n - 4)
        return {};
    return toBytes(words, qsizetype(m));
}

} // namespace quelta::xxtea
