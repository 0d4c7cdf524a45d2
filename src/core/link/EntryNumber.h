#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quelta {

// The value of a reply line "+CODE:value": after its first colon, up to its first CR.
QString replyValue(const QString &line);

// Hexadecimal text to its value: 0 for an empty text or one with any non-hexadecimal character.
int Hextoint(QStringView text);

// The entry number under which the configuration model holds a received four-character code, or
// nothing when the line must be ignored. Codes 9500 and 9750 belong to other panels while the
// Aguilera page is shown.
std::optional<int> numeroEntrada(QStringView code, bool aguileraPageVisible);

} // namespace quelta
