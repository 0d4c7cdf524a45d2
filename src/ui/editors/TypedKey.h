#pragma once

#include "core/model/InputRules.h"

#include <QKeyEvent>

namespace quelta::ui {

// The character the input rules see for a key: copy, paste, backspace and Escape as their control
// codes, a typed character as itself; null for keys that type nothing (arrows, F2...).
inline QChar typedKey(const QKeyEvent &event)
{
    if (event.matches(QKeySequence::Copy))
        return QChar(kKeyCopy);
    if (event.matches(QKeySequence::Paste))
        return QChar(kKeyPaste);
    if (event.key() == Qt::Key_Backspace)
        return QChar(kKeyBackspace);
    if (event.key() == Qt::Key_Escape)
        return QChar(kKeyEscape);
    const QString text = event.text();
    return text.size() == 1 && text.at(0).isPrint() ? text.at(0) : QChar();
}

} // namespace quelta::ui
