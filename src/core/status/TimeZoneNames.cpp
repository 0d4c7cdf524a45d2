#include "core/status/TimeZoneNames.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <array>

namespace quelta {
namespace {

struct Zone
{
    const char *iana;
    const char *places;
};

// In offset order, from -10 to 13.
constexpr std::array<Zone, 24> kZones{{
    {"Pacific/Honolulu", QT_TRANSLATE_NOOP("TimeZones", "Hawaii")},
    {"America/Juneau", QT_TRANSLATE_NOOP("TimeZones", "Alaska")},
    {"America/Los_Angeles", QT_TRANSLATE_NOOP("TimeZones", "Pacific Time (US & Canada), Tijuana")},
    {"America/Denver", QT_TRANSLATE_NOOP("TimeZones", "Mountain Time (US & Canada), Chihuahua, Mazatlan")},
    {"America/Chicago", QT_TRANSLATE_NOOP("TimeZones", "Central Time (US & Canada), Central America, Mexico City")},
    {"America/Bogota", QT_TRANSLATE_NOOP("TimeZones", "Eastern Time (US & Canada), Bogota, Lima, Quito")},
    {"America/Caracas", QT_TRANSLATE_NOOP("TimeZones", "Atlantic Time (Canada), Caracas, La Paz, Santiago")},
    {"America/Punta_Arenas", QT_TRANSLATE_NOOP("TimeZones", "Brasilia, Buenos Aires, Montevideo, Greenland")},
    {"America/Noronha", QT_TRANSLATE_NOOP("TimeZones", "Mid-Atlantic, Fernando de Noronha")},
    {"Atlantic/Azores", QT_TRANSLATE_NOOP("TimeZones", "Azores, Cape Verde Is.")},
    {"Europe/London", QT_TRANSLATE_NOOP("TimeZones", "Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca")},
    {"Europe/Paris",
     QT_TRANSLATE_NOOP("TimeZones",
                       "Amsterdam, Berlin, Brussels, Madrid, Paris, Belgrade, Budapest, West Central Africa")},
    {"Europe/Riga", QT_TRANSLATE_NOOP("TimeZones", "Athens, Bucharest, Helsinki, Riga, Cairo, Jerusalem")},
    {"Europe/Moscow", QT_TRANSLATE_NOOP("TimeZones", "Moscow, St. Petersburg, Istanbul, Riyadh, Nairobi")},
    {"Asia/Dubai", QT_TRANSLATE_NOOP("TimeZones", "Abu Dhabi, Muscat, Baku, Tbilisi")},
    {"Asia/Karachi", QT_TRANSLATE_NOOP("TimeZones", "Islamabad, Karachi, Tashkent")},
    {"Asia/Omsk", QT_TRANSLATE_NOOP("TimeZones", "Astana, Dhaka, Omsk")},
    {"Asia/Jakarta", QT_TRANSLATE_NOOP("TimeZones", "Bangkok, Hanoi, Jakarta")},
    {"Asia/Hong_Kong", QT_TRANSLATE_NOOP("TimeZones", "Beijing, Hong Kong, Perth, Singapore, Taipei")},
    {"Asia/Seoul", QT_TRANSLATE_NOOP("TimeZones", "Osaka, Sapporo, Tokyo, Seoul")},
    {"Asia/Vladivostok", QT_TRANSLATE_NOOP("TimeZones", "Brisbane, Canberra, Melbourne, Sydney, Vladivostok")},
    {"Asia/Magadan", QT_TRANSLATE_NOOP("TimeZones", "Magadan, Solomon Is., New Caledonia")},
    {"Antarctica/McMurdo", QT_TRANSLATE_NOOP("TimeZones", "Auckland, Wellington, Fiji")},
    {"Pacific/Apia", QT_TRANSLATE_NOOP("TimeZones", "Nuku alofa, Samoa")},
}};

// "(UTC-03:00)"; a zone the database lacks shows the offset it stands for.
QString utcCaption(const Zone &zone, int offset)
{
    const QTimeZone known(zone.iana);
    const int seconds = known.isValid() ? known.standardTimeOffset(QDateTime::currentDateTimeUtc()) : offset * 3600;
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("(UTC%1%2:%3)")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString TexteZonaHoraria(int offset)
{
    if (offset < kFirstZoneOffset || offset > kLastZoneOffset)
        return QStringLiteral("Europe/Paris");
    return QString::fromLatin1(kZones.at(static_cast<size_t>(offset - kFirstZoneOffset)).iana);
}

QStringList zoneCaptions()
{
    QStringList captions;
    for (int offset = kFirstZoneOffset; offset <= kLastZoneOffset; ++offset) {
        const Zone &zone = kZones.at(static_cast<size_t>(offset - kFirstZoneOffset));
        captions.append(utcCaption(zone, offset) + QLatin1Char(' ')
                        + QCoreApplication::translate("TimeZones", zone.places));
    }
    return captions;
}

} // namespace quelta
