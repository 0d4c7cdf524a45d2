#include "core/base/FormatSettings.h"

#include <QLocale>

namespace quelta {

FormatSettings FormatSettings::fromSystem()
{
    FormatSettings format;
    const QString decimalPoint = QLocale::system().decimalPoint();
    format.decimalSeparator = decimalPoint.isEmpty() ? QLatin1Char('.') : decimalPoint.front();
    return format;
}

} // namespace quelta
