#pragma once

#include <QString>

#include <optional>

// Reading the fields of the panels' state texts. A field that is missing or not a number reads as
// nothing, so the routine leaves what it would have set as it was.
namespace quelta::fields {

// A decimal counter; anything else counts as 0.
inline int number(const QString &field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// A hexadecimal number of at most seven digits, so that it fits an int.
inline std::optional<int> hexValue(QStringView text)
{
    if (text.isEmpty() || text.size() > 7)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        const auto digit = int(QStringView(u"0123456789ABCDEF").indexOf(c.toUpper()));
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

// The byte written at position at (0-based) as two hexadecimal digits.
inline std::optional<int> hexPair(const QString &text, qsizetype at)
{
    if (at < 0 || at + 2 > text.size())
        return std::nullopt;
    return hexValue(QStringView(text).mid(at, 2));
}

// The decimal digit at position at (0-based).
inline std::optional<int> digitAt(const QString &text, qsizetype at)
{
    if (at < 0 || at >= text.size() || !text.at(at).isDigit())
        return std::nullopt;
    return text.at(at).digitValue();
}

inline QChar charAt(const QString &text, qsizetype at)
{
    return at >= 0 && at < text.size() ? text.at(at) : QChar();
}

inline QString padded(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

} // namespace quelta::fields
