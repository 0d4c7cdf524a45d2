#pragma once

#include <QByteArray>

#include <array>
#include <span>

namespace quelta::xxtea {

// XXTEA (Corrected Block TEA, Needham and Wheeler 1998) as the firmware-update server speaks it.
// There is no common library for it, hence this small implementation.

using Key = std::array<quint32, 4>;

// The standard cipher over whole words, in place: delta 0x9E3779B9, 6 + 52 / n rounds. A block of
// fewer than two words is left as it is.
void encryptWords(std::span<quint32> words, const Key &key);
void decryptWords(std::span<quint32> words, const Key &key);

// The key's first 16 bytes packed little-endian, padded with zero words to four words.
Key packKey(const QByteArray &key);

// Byte framing around the cipher: the data packed little-endian into words (the last one
// zero-padded), one more word holding the byte count, all encrypted and written out little-endian.
// Empty data gives an empty result.
QByteArray encrypt(const QByteArray &data, const QByteArray &key);

// The reverse: the data packed into words (a trailing partial word zero-padded) and decrypted; the
// last word is the byte count m, which must lie between 4n - 7 and 4n - 4 for n words. The result is
// the first m bytes, or empty when the count is out of range, so a valid result is never empty. A
// single-word input comes back unchanged, an empty one empty.
QByteArray decrypt(const QByteArray &data, const QByteArray &key);

} // namespace quelta::xxtea
