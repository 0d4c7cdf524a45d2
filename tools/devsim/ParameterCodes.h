#pragma once

#include <QString>

#include <algorithm>

// The parameters whose values the device itself uses.
namespace quelta::devsim::codes {

inline const QString kIdentifier = QStringLiteral("0101"); // read-only
inline const QString kCompany = QStringLiteral("0102");
inline const QString kInstaller = QStringLiteral("0103");
inline const QString kReference = QStringLiteral("0104");
inline const QString kPhoneNumber = QStringLiteral("0105");
inline const QString kActiveParts = QStringLiteral("0106");
inline const QString kAccessCode = QStringLiteral("0111");
inline const QString kTimeZone = QStringLiteral("0120");
inline const QString kPanelType = QStringLiteral("1590");
inline const QString kTamper = QStringLiteral("3503");
inline const QString kPower = QStringLiteral("3504");
// First entries of blocks: entry n has the code first + n - 1, counted in hexadecimal.
inline constexpr int kInputs = 0x3001;
inline constexpr int kOutputTimes = 0x3321;
inline constexpr int kDoorNames = 0x4001;
inline constexpr int kDoorTimes = 0x4040;
inline constexpr int kZoneNames = 0x9101;

inline bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// Four hexadecimal digits, either case.
inline bool isCode(QStringView text)
{
    return text.size() == 4 && std::all_of(text.begin(), text.end(), isHexDigit);
}

// Four upper-case hexadecimal digits.
inline QString codeText(int code)
{
    return QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace quelta::devsim::codes
