#include "core/model/InputRules.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace quelta {
namespace {

bool isDecimal(QChar key)
{
    return key >= u'0' && key <= u'9';
}

bool isHexDigit(QChar key)
{
    return isDecimal(key) || (key >= u'A' && key <= u'F') || (key >= u'a' && key <= u'f');
}

// Phone numbers in the grids: a single number, so no ";" as in the SMS edits.
bool isPhoneKey(QChar key)
{
    return key == kKeyBackspace || isDecimal(key) || key == u'+';
}

// Blanks as the installer types them before an address: spaces and control characters.
QString withoutLeadingBlanks(const QString &item)
{
    qsizetype first = 0;
    while (first < item.size() && item.at(first) <= u' ')
        ++first;
    return item.mid(first);
}

using F = KeyFilter;
using X = ExitCheck;

const std::array<EditRule, 46> kEditRules{{
    {"EProgEmpresa", 30, F::None, X::None},
    {"EProgInstal", 30, F::None, X::None},
    {"EProgRef", 30, F::None, X::None},
    {"EProgTel", 30, F::None, X::None},
    {"EProgPassword", 30, F::None, X::None},
    {"ECodiProg", 30, F::None, X::None},
    {"EPinSIM", 6, F::None, X::None},
    // The baud rate and parity of the fire-panel link (BlRsBauI).
    {"EBaudsID3000", 6, F::None, X::None},
    {"EConfigADSLIP", 15, F::None, X::Ip},
    {"EConfigADSLGateway", 15, F::None, X::Ip},
    {"EConfigADSLSubMask", 15, F::None, X::Ip},
    {"EConfigADSLDNS", 15, F::None, X::Ip},
    {"EConfigADSLDNS2", 15, F::None, X::Ip},
    {"EPortCRA11", 5, F::Decimal, X::None},
    {"EPortCRA12", 5, F::Decimal, X::None},
    {"EPortCRA21", 5, F::Decimal, X::None},
    {"EPortCRA22", 5, F::Decimal, X::None},
    {"EEmailPort", 5, F::Decimal, X::None},
    {"EPollingCRA1", 3, F::Decimal, X::None},
    {"EAbonatCra11", 6, F::Hexadecimal, X::None},
    {"EAbonatCra12", 6, F::Hexadecimal, X::None},
    {"EAbonatCra21", 6, F::Hexadecimal, X::None},
    {"EAbonatCra22", 6, F::Hexadecimal, X::None},
    {"EAdrecaCofem", 2, F::Hexadecimal, X::PadTwoDigits},
    {"EAdrAD300", 2, F::Hexadecimal, X::PadTwoDigits},
    {"EAdrecaZafir", 2, F::Hexadecimal, X::PadTwoDigits},
    {"ETActivantB1", 4, F::Decimal, X::None},
    {"ETActivatB1", 4, F::Decimal, X::None},
    {"ETDesactivantB1", 4, F::Decimal, X::None},
    {"ETActivantB2", 4, F::Decimal, X::None},
    {"ETActivatB2", 4, F::Decimal, X::None},
    {"ETDesactivantB2", 4, F::Decimal, X::None},
    {"ETActivantB3", 4, F::Decimal, X::None},
    {"ETActivatB3", 4, F::Decimal, X::None},
    {"ETDesactivantB3", 4, F::Decimal, X::None},
    {"ETActivantB4", 4, F::Decimal, X::None},
    {"ETActivatB4", 4, F::Decimal, X::None},
    {"ETDesactivantB4", 4, F::Decimal, X::None},
    {"ETelSMS1", 100, F::Telephone, X::None},
    {"ETelSMS2", 100, F::Telephone, X::None},
    {"ETelSMS3", 100, F::Telephone, X::None},
    {"ETelSMS4", 100, F::Telephone, X::None},
    {"EEmail1", 100, F::None, X::Email},
    {"EEmail2", 100, F::None, X::Email},
    {"EEmail3", 100, F::None, X::Email},
    {"EEmail4", 100, F::None, X::Email},
}};

// Which key handler a grid has.
enum class GridKeys {
    Unchecked,
    Messages,    // message and event grids: columns by their titles
    Inputs,      // delays in columns 2 and 3
    OutputTimes, // column 0 is the output number, times in 2 to 4
    Levels,      // tamper and power: levels and times in 1 to 4
    TestTime,    // "HH:MM" in column 2
    Phones,      // the number in column 1
    DoorButtons, // phone-like numbers from column 3 on
};

struct GridKeyBinding
{
    const char *grid;
    GridKeys keys;
};

using G = GridKeys;

const std::array<GridKeyBinding, 31> kGridKeys{{
    {"SGCra", G::Messages},
    {"SGTestOpc", G::Messages},
    {"SGTamperOpc", G::Messages},
    {"SGPerduaCOM", G::Messages},
    {"SGInici", G::Messages},
    {"SGAlimOpc", G::Messages},
    {"SGEntradesOpc", G::Messages},
    {"SGSortidesOpc", G::Messages},
    {"SGCentralAgui", G::Messages},
    {"SGLlistatZonesAgui", G::Messages},
    {"SGBCApp", G::Messages},
    {"SGCentralBC600", G::Messages},
    {"SGEquipIndus", G::Messages},
    {"SGCentralCofem", G::Messages},
    {"SGCentralUrano", G::Messages},
    {"SGCentralSyncro", G::Messages},
    {"SGCentralAvenarBosch", G::Messages},
    {"SGCentralAD300", G::Messages},
    {"SGCentralSupra", G::Messages},
    {"SGCentralZafir", G::Messages},
    {"SGCentralID3000", G::Messages},
    {"SGEntrades", G::Inputs},
    {"SGSortidesTemps", G::OutputTimes},
    {"SGTamper", G::Levels},
    {"SGAlim", G::Levels},
    {"SGTest", G::TestTime},
    {"SGTelefons", G::Phones},
    {"SGBoto1", G::DoorButtons},
    {"SGBoto2", G::DoorButtons},
    {"SGBoto3", G::DoorButtons},
    {"SGBoto4", G::DoorButtons},
}};

GridKeys gridKeys(QStringView grid)
{
    const auto it = std::find_if(kGridKeys.begin(), kGridKeys.end(),
                                 [grid](const GridKeyBinding &b) { return grid == QLatin1String(b.grid); });
    return it == kGridKeys.end() ? G::Unchecked : it->keys;
}

// Column titles that pick a rule. The grids show them translated, so they are compared translated.
const char *const kContactIdTitle = QT_TRANSLATE_NOOP("Grids", "Código CID");
const char *const kEventTypeTitle = QT_TRANSLATE_NOOP("Grids", "Tipo evento");
const char *const kNameTitle = QT_TRANSLATE_NOOP("Grids", "NOMBRE");
const char *const kAliasTitle = QT_TRANSLATE_NOOP("Grids", "Alias");

bool titled(QStringView header, const char *title)
{
    return header.contains(QCoreApplication::translate("Grids", title));
}

// The option columns are set through their combo boxes only. Some grids title the e-mail column
// "Email", others "EMail": both are option columns.
bool isOptionColumn(QStringView header)
{
    return header.contains(u"App") || header.contains(u"SMS") || header.contains(u"EMail", Qt::CaseInsensitive);
}

// What a key that got through the filters does.
KeyOutcome passed(QChar key)
{
    if (key == kKeyCopy)
        return KeyOutcome::Copy;
    if (key == kKeyPaste)
        return KeyOutcome::Paste;
    return KeyOutcome::Accept;
}

KeyOutcome messageKey(const GridCell &cell, QChar key)
{
    const qsizetype length = cell.text.size();
    if (titled(cell.header, kContactIdTitle)) {
        // At most 8 hexadecimal digits; a full code can still be copied, erased or replaced.
        const bool editing = key == kKeyCopy || key == kKeyBackspace || key == kKeyPaste;
        if (!(editing || isHexDigit(key)) || (length > 7 && !editing))
            return KeyOutcome::Refuse;
    } else if (titled(cell.header, kEventTypeTitle)) {
        if (!keyAccepted(KeyFilter::Hexadecimal, key) || length > 2)
            return KeyOutcome::Refuse;
    } else if (titled(cell.header, kNameTitle)) {
        if (length >= 32)
            return KeyOutcome::Refuse;
    } else if (isOptionColumn(cell.header)) {
        return KeyOutcome::Escape;
    }
    return key == kKeyEscape ? KeyOutcome::Escape : passed(key);
}

// Two ASCII digits as a number; 100 (too big for any check) when either is not a digit.
int twoDigits(QChar tens, QChar units)
{
    return isDecimal(tens) && isDecimal(units) ? (tens.unicode() - u'0') * 10 + (units.unicode() - u'0') : 100;
}

// The daily test time "HH:MM", checked against what is already typed.
bool testTimeKeyAccepted(QStringView text, QChar key)
{
    if (key == kKeyBackspace)
        return true;
    if (!isDecimal(key) && key != u':')
        return false;
    switch (text.size()) {
    case 0:
        return key >= u'0' && key <= u'2';
    case 1:
        return twoDigits(text.at(0), key) <= 23;
    case 2:
        return key == u':';
    case 3:
        return key >= u'0' && key <= u'5';
    case 4:
        return twoDigits(text.at(3), key) < 60;
    default:
        return true;
    }
}

bool columnAccepts(GridKeys keys, const GridCell &cell, QChar key)
{
    const int c = cell.column;
    switch (keys) {
    case G::Inputs:
        return (c != 2 && c != 3) || keyAccepted(KeyFilter::Decimal, key);
    case G::OutputTimes:
        return c != 0 && (c < 2 || c > 4 || keyAccepted(KeyFilter::Decimal, key));
    case G::Levels:
        return c < 1 || c > 4 || keyAccepted(KeyFilter::Decimal, key);
    case G::TestTime:
        return c != 2 || testTimeKeyAccepted(cell.text, key);
    case G::Phones:
        return c != 1 || isPhoneKey(key);
    case G::DoorButtons:
        return c < 3 || isPhoneKey(key);
    case G::Unchecked:
    case G::Messages:
        break;
    }
    return true;
}

bool hasAliasColumn(GridKeys keys)
{
    return keys == G::Inputs || keys == G::OutputTimes || keys == G::Levels || keys == G::TestTime;
}

} // namespace

bool isValidIp(const QString &text)
{
    static const QRegularExpression ip(QStringLiteral(
        R"(\b(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\.)"
        R"((25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\b)"));
    return ip.isValid() && ip.match(text).hasMatch();
}

bool isValidEmailList(const QString &text)
{
    // In the domain class the hyphen goes last: between \w and "." it would read as a range.
    static const QRegularExpression address(
        QStringLiteral(R"(^[a-zA-Z0-9][\w\.-]*[a-zA-Z0-9]@[\w\.-]*[a-zA-Z0-9]\.[a-zA-Z]{2,7}$)"));
    if (!address.isValid())
        return false;
    const QChar separator = text.contains(u';') ? u';' : u',';
    const QStringList items = text.split(separator);
    return std::all_of(items.begin(), items.end(), [](const QString &item) {
        return address.match(withoutLeadingBlanks(item)).hasMatch();
    });
}

bool keyAccepted(KeyFilter filter, QChar key)
{
    if (key == kKeyBackspace)
        return true;
    switch (filter) {
    case KeyFilter::None:
        return true;
    case KeyFilter::Decimal:
        return isDecimal(key);
    case KeyFilter::Hexadecimal:
        return isHexDigit(key);
    case KeyFilter::Telephone:
        return isDecimal(key) || key == u'+' || key == u';';
    }
    return false;
}

std::span<const EditRule> editRules()
{
    return kEditRules;
}

const EditRule *editRule(QStringView controlName)
{
    const auto it = std::find_if(kEditRules.begin(), kEditRules.end(),
                                 [controlName](const EditRule &r) { return controlName == QLatin1String(r.name); });
    return it == kEditRules.end() ? nullptr : &*it;
}

bool passesExitCheck(ExitCheck check, const QString &text)
{
    if (text.isEmpty())
        return true;
    switch (check) {
    case ExitCheck::Ip:
        return isValidIp(text);
    case ExitCheck::Email:
        return isValidEmailList(text);
    case ExitCheck::None:
    case ExitCheck::PadTwoDigits:
        break;
    }
    return true;
}

QString exitCheckMessage(ExitCheck check)
{
    switch (check) {
    case ExitCheck::Ip:
        return QCoreApplication::translate(
            "InputRules", "Esta dirección IP no es válida\rPor favor, entre una dirección correcta");
    case ExitCheck::Email:
        return QCoreApplication::translate(
            "InputRules", "Esta dirección e-mail no es válida\rPor favor, entre una dirección correcta");
    case ExitCheck::None:
    case ExitCheck::PadTwoDigits:
        break;
    }
    return {};
}

QString padAddress(const QString &text)
{
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

KeyOutcome gridKeyOutcome(const GridCell &cell, QChar key)
{
    const GridKeys keys = gridKeys(cell.grid);
    if (keys == G::Messages)
        return messageKey(cell, key);
    if (!columnAccepts(keys, cell, key))
        return KeyOutcome::Refuse;
    // Aliases have at most 12 characters.
    if (hasAliasColumn(keys) && titled(cell.header, kAliasTitle) && cell.text.size() > 11 && key != kKeyBackspace)
        return KeyOutcome::Refuse;
    return passed(key);
}

std::optional<QString> pastedText(const GridCell &cell, const QString &clipboard)
{
    if (gridKeys(cell.grid) == G::OutputTimes && cell.column == 0)
        return std::nullopt;
    if (titled(cell.header, kContactIdTitle)
        && (clipboard.size() > 8 || !std::all_of(clipboard.begin(), clipboard.end(), isHexDigit)))
        return std::nullopt;
    return clipboard;
}

bool escapeTogglesCombo(QStringView gridName)
{
    return gridName == u"SGEntradesOpc" || gridName == u"SGCra";
}

} // namespace quelta
