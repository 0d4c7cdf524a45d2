#include "core/link/EntryNumber.h"

#include <QString>

namespace quelta {
namespace {

std::optional<int> decimalValue(QStringView code)
{
    bool ok = false;
    const int value = code.toInt(&ok, 10);
    return ok && code.size() == 4 && std::all_of(code.begin(), code.end(), [](QChar c) { return c.isDigit(); })
        ? std::optional<int>(value)
        : std::nullopt;
}

int blockEntry(QStringView code)
{
    return code.left(2).toInt() * 100 + Hextoint(code.mid(2, 2));
}

} // namespace

QString replyValue(const QString &line)
{
    return line.section(QLatin1Char(':'), 1).section(QLatin1Char('\r'), 0, 0);
}

int Hextoint(QStringView text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    return ok ? value : 0;
}

std::optional<int> numeroEntrada(QStringView code, bool aguileraPageVisible)
{
    if (code.size() != 4)
        return std::nullopt;
    const QChar c1 = code.at(0);
    const QChar c2 = code.at(1);
    const QChar c3 = code.at(2);
    if (c1 == QLatin1Char('3'))
        return c2 == QLatin1Char('0') || c2 == QLatin1Char('2') || c2 == QLatin1Char('6') ? blockEntry(code) : decimalValue(code);
    if (c1 == QLatin1Char('4'))
        return c3 == QLatin1Char('4') ? decimalValue(code) : std::optional<int>(4000 + Hextoint(code.mid(2, 2)));
    if (c1 == QLatin1Char('8'))
        return c2 == QLatin1Char('5') ? std::optional<int>(8500 + Hextoint(code.mid(2, 2))) : decimalValue(code);
    if (c1 == QLatin1Char('9')) {
        if (c2 >= QLatin1Char('1') && c2 <= QLatin1Char('4'))
            return 9100 + Hextoint(code.mid(1, 3)) - 256;
        if (c2 == QLatin1Char('6') || (c2 == QLatin1Char('7') && c3 < QLatin1Char('5')))
            return 9000 + c2.digitValue() * 100 + Hextoint(code.mid(2, 2));
        if (c2 == QLatin1Char('7') && c3 >= QLatin1Char('6'))
            return 9760 + Hextoint(code.mid(2, 2)) - 96;
        if (aguileraPageVisible && (code == u"9500" || code == u"9750"))
            return std::nullopt;
    }
    return decimalValue(code);
}

} // namespace quelta
