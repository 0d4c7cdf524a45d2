#include "core/status/MapPosition.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace quelta {
namespace {

struct MapTexts
{
    Q_DECLARE_TR_FUNCTIONS(Map)
};

// Plain decimals only: the C locale's toDouble would also take exponents, "inf" and "nan".
std::optional<double> decimal(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+(\.\d*)?|\.\d+)$)"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<MapMarker> mapMarker(const QString &position, const QString &reference)
{
    const QStringList parts = position.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<double> latitude = decimal(parts.at(0).trimmed());
    const std::optional<double> longitude = decimal(parts.at(1).trimmed());
    if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180)
        return std::nullopt;
    // A modem without a fix reports zeros; no installation sits in the Gulf of Guinea.
    if (*latitude == 0 && *longitude == 0)
        return std::nullopt;
    const QString text = position.trimmed();
    const QString name = reference.trimmed();
    return MapMarker{*latitude, *longitude, name.isEmpty() ? text : name,
                     QStringLiteral("<h2>") + MapTexts::tr("Coordenadas del equipo").toHtmlEscaped() + QStringLiteral("</h2> ")
                         + text.toHtmlEscaped()};
}

} // namespace quelta
