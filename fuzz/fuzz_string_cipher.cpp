// Stored settings decrypted from any text (the tolerant Base64 and the length prefix included), and
// any text encrypted and decrypted again comes back as the code page keeps it.

#include "FuzzSupport.h"

#include "core/codecs/StringCipher.h"

#include <cstdlib>

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString key = QStringLiteral("fuzzing");
    const QString text = fuzz::textOf(data, size);
    DesencriptarCadenaAes(text, key);
    const QString kept = ansi::decode(ansi::encode(text));
    if (DesencriptarCadenaAes(EncriptarCadenaAes(text, key), key) != kept)
        std::abort();
    return 0;
}
