#pragma once

#include <QString>

namespace quelta {

// Reversible encryption of short texts such as settings values: AES-256-ECB over the text's
// Windows-1252 bytes behind a 4-byte little-endian length, all in Base64. The key text must not be
// empty.
QString EncriptarCadenaAes(const QString &Str, const QString &Clau);
// The plain text of an encrypted string, or the empty text when it cannot be decrypted.
QString DesencriptarCadenaAes(const QString &Str, const QString &Clau);

// Fills TextInicial to midatotal characters with copies of CaractersOmplir, appended (final) or put
// in front, then cuts the result to midatotal characters from the matching end.
QString OmplirText(const QString &TextInicial, const QString &CaractersOmplir, bool final, int midatotal);

} // namespace quelta
