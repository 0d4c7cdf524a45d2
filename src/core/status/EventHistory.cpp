#include "core/status/EventHistory.h"

#include "core/cloud/CloudJson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quelta {
namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("EventHistory", text);
}

// The record with its keys in lower case; of two keys that differ only in case the first stays.
QJsonObject lowerCaseKeys(const QJsonObject &record)
{
    QJsonObject lowered;
    for (auto field = record.constBegin(); field != record.constEnd(); ++field) {
        const QString key = field.key().toLower();
        if (!lowered.contains(key))
            lowered.insert(key, field.value());
    }
    return lowered;
}

// A text field as text: a number or a flag written where text was meant still reads; a list, an
// object or nothing reads as empty.
QString textOf(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::trunc(number) && std::abs(number) < 1e15)
            return QString::number(static_cast<qint64>(number));
        return QString::number(number, 'g', 15);
    }
    return {};
}

// A whole number written as a number or as text; nothing otherwise.
std::optional<int> wholeNumberOf(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::trunc(number) && number >= std::numeric_limits<int>::min()
            && number <= std::numeric_limits<int>::max())
            return static_cast<int>(number);
        return std::nullopt;
    }
    if (value.isString()) {
        bool whole = false;
        const int number = value.toString().trimmed().toInt(&whole);
        if (whole)
            return number;
    }
    return std::nullopt;
}

// The communication-loss notices ("perdida") posted after this moment are not history.
const QDateTime &lostNoticesEnd()
{
    static const QDateTime end(QDate(2021, 7, 31), QTime(0, 0), QTimeZone::utc());
    return end;
}

QDateTime utcTime(int year, int month, int day, int hour, int minute, int second)
{
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, QTimeZone::utc());
}

int capturedNumber(const QRegularExpressionMatch &match, int group)
{
    return match.captured(group).isEmpty() ? 0 : match.captured(group).toInt();
}

// "+02:00", "-0130" or "Z" as seconds east of UTC.
int offsetSeconds(const QString &offset)
{
    if (offset.isEmpty() || offset == QLatin1String("Z"))
        return 0;
    const QString digits = QString(offset).remove(QLatin1Char(':'));
    const int hours = digits.mid(1, 2).toInt();
    const int minutes = digits.mid(3, 2).toInt();
    const int seconds = (hours * 60 + minutes) * 60;
    return offset.startsWith(QLatin1Char('-')) ? -seconds : seconds;
}

} // namespace

const QList<EventCodeText> &LlistaEvents()
{
    static const QList<EventCodeText> table = {
        {55001, QT_TRANSLATE_NOOP("EventHistory", "Abierta")},
        {55000, QT_TRANSLATE_NOOP("EventHistory", "Cerrada")},
        {55111, QT_TRANSLATE_NOOP("EventHistory", "Orden de abrir")},
        {55110, QT_TRANSLATE_NOOP("EventHistory", "Orden de cerrar")},
        {55011, QT_TRANSLATE_NOOP("EventHistory", "Abriendo")},
        {55010, QT_TRANSLATE_NOOP("EventHistory", "Cerrando")},
        {66001, QT_TRANSLATE_NOOP("EventHistory", "Llamada recibida: abriendo puerta")},
        {66002, QT_TRANSLATE_NOOP("EventHistory", "Fuera del horario permitido")},
        {66004, QT_TRANSLATE_NOOP("EventHistory", "Número no habilitado")},
        {66003, QT_TRANSLATE_NOOP("EventHistory", "Número no registrado")},
        {77000, QT_TRANSLATE_NOOP("EventHistory", "Orden dada a la Central")},
        {77011, QT_TRANSLATE_NOOP("EventHistory", "Orden dada a las Salidas")},
        {55112, QT_TRANSLATE_NOOP("EventHistory", "Usuario fuera del horario permitido")},
        {55114, QT_TRANSLATE_NOOP("EventHistory", "Usuario no habilitado")},
        {55115, QT_TRANSLATE_NOOP("EventHistory", "Usuario demasiado lejos")},
        {55116, QT_TRANSLATE_NOOP("EventHistory", "Posición del usuario desconocida")},
        {55117, QT_TRANSLATE_NOOP("EventHistory", "Posición del equipo no registrada")},
        {55118, QT_TRANSLATE_NOOP("EventHistory", "Entrada no activada")},
    };
    return table;
}

QString eventText(int code)
{
    const QList<EventCodeText> &table = LlistaEvents();
    const auto found = std::find_if(table.cbegin(), table.cend(), [code](const EventCodeText &entry) { return entry.code == code; });
    return found == table.cend() ? QString() : translated(found->text);
}

std::optional<QDateTime> parseCreated(const QString &text)
{
    // At most one line's worth: a date and a time never take more.
    QString normal = text.left(200);
    normal.replace(QLatin1Char('T'), QLatin1Char(' '));
    if (const qsizetype tail = normal.indexOf(QLatin1String("* ")); tail >= 0)
        normal.truncate(tail);
    normal.replace(QLatin1String("\\/"), QLatin1String("-"));
    normal.replace(QLatin1Char('/'), QLatin1Char('-'));
    for (const QString &word : {QStringLiteral("Dia:"), QStringLiteral("Hora:"), QStringLiteral("Date:"),
                                QStringLiteral("Hour:"), QStringLiteral("D\u00EDa:")})
        normal.remove(word);
    normal = normal.simplified();

    static const QRegularExpression yearFirst(QStringLiteral(
        R"(^(\d{4})-(\d{1,2})-(\d{1,2}) ?(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?(?:[.,]\d+)? ?(Z|[+-]\d{2}:?\d{2})?)"));
    static const QRegularExpression dayFirst(
        QStringLiteral(R"(^(\d{1,2})-(\d{1,2})-(\d{4}) ?(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)"));
    if (const QRegularExpressionMatch match = yearFirst.match(normal); match.hasMatch()) {
        const QDateTime time = utcTime(capturedNumber(match, 1), capturedNumber(match, 2), capturedNumber(match, 3),
                                       capturedNumber(match, 4), capturedNumber(match, 5), capturedNumber(match, 6));
        if (time.isValid())
            return time.addSecs(-offsetSeconds(match.captured(7)));
        return std::nullopt;
    }
    if (const QRegularExpressionMatch match = dayFirst.match(normal); match.hasMatch()) {
        const QDateTime time = utcTime(capturedNumber(match, 3), capturedNumber(match, 2), capturedNumber(match, 1),
                                       capturedNumber(match, 4), capturedNumber(match, 5), capturedNumber(match, 6));
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

QString historyMessage(const QJsonObject &record, const QStringList &doorNames)
{
    const QJsonObject fields = lowerCaseKeys(record);
    QString message = textOf(fields.value(QLatin1String("messagetxt")));
    // Line breaks, real or left escaped by the writer, become spaces; stray back-slashes go.
    message.replace(QLatin1String("\r\n"), QLatin1String(" "));
    message.replace(QLatin1Char('\r'), QLatin1Char(' '));
    message.replace(QLatin1Char('\n'), QLatin1Char(' '));
    message.replace(QLatin1String("\\r"), QLatin1String(" "));
    message.replace(QLatin1String("\\n"), QLatin1String(" "));
    message.remove(QLatin1Char('\\'));
    if (message.trimmed().isEmpty()) {
        const QJsonValue id = fields.value(QLatin1String("eventid"));
        const std::optional<int> code = wholeNumberOf(id);
        message = code ? eventText(*code) : QString();
        // A code the table does not know is still worth showing.
        if (message.isEmpty())
            message = textOf(id).trimmed();
    }
    if (const std::optional<int> button = wholeNumberOf(fields.value(QLatin1String("buttonnumber")));
        button && *button >= 1 && *button <= 4) {
        message += QLatin1Char(' ') + translated(QT_TRANSLATE_NOOP("EventHistory", "Botón")) + QLatin1Char(' ')
            + QString::number(*button) + QStringLiteral("  ") + doorNames.value(*button - 1);
    }
    return message;
}

std::optional<HistoryEntry> historyEntry(const QJsonObject &record, const HistoryRules &rules)
{
    const QJsonObject fields = lowerCaseKeys(record);
    HistoryEntry entry;
    entry.created = parseCreated(textOf(fields.value(QLatin1String("created")))).value_or(QDateTime());
    if (entry.created.isValid() && entry.created > lostNoticesEnd()
        && QJsonDocument(record).toJson(QJsonDocument::Compact).contains("perdida"))
        return std::nullopt;
    if (rules.from) {
        const QDateTime from(*rules.from, QTime(0, 0), rules.zone);
        if (!entry.created.isValid() || entry.created < from)
            return std::nullopt;
    }
    entry.user = textOf(fields.value(QLatin1String("usermail"))).trimmed();
    if (entry.user.isEmpty())
        entry.user = textOf(fields.value(QLatin1String("userid"))).trimmed();
    entry.name = textOf(fields.value(QLatin1String("username")));
    entry.message = historyMessage(record, rules.doorNames);
    return entry;
}

HistoryList parseHistory(const QByteArray &json, const HistoryRules &rules)
{
    HistoryList list;
    QList<QJsonValue> records;
    if (json.trimmed().isEmpty())
        return list;
    const std::optional<QJsonValue> value = parseJson(json);
    if (!value) {
        list.readable = false;
        return list;
    }
    if (value->isObject()) {
        // The answer's own order is the creation order; a parsed object would sort by key.
        for (const auto &member : objectMembers(json).value_or(JsonMembers{}))
            records.append(member.second);
    } else if (value->isArray()) {
        // A list posted under the keys 0, 1, 2... comes back as an array, with nulls for gaps.
        for (const QJsonValue record : value->toArray()) {
            if (!record.isNull())
                records.append(record);
        }
    } else if (!value->isNull()) {
        list.readable = false;
        return list;
    }
    if (records.size() > kMaxHistoryRecords)
        records = records.mid(records.size() - kMaxHistoryRecords);

    // Newest first: by time, and the later written first where the times are the same or unknown.
    std::reverse(records.begin(), records.end());
    for (const QJsonValue &record : std::as_const(records)) {
        if (!record.isObject()) {
            ++list.skipped;
            continue;
        }
        if (std::optional<HistoryEntry> entry = historyEntry(record.toObject(), rules))
            list.entries.append(std::move(*entry));
    }
    std::stable_sort(list.entries.begin(), list.entries.end(), [](const HistoryEntry &a, const HistoryEntry &b) {
        if (a.created.isValid() != b.created.isValid())
            return a.created.isValid();
        return a.created.isValid() && a.created > b.created;
    });
    return list;
}

QStringList historyTitles()
{
    return {translated(QT_TRANSLATE_NOOP("EventHistory", "N.")), translated(QT_TRANSLATE_NOOP("EventHistory", "Fecha")),
        translated(QT_TRANSLATE_NOOP("EventHistory", "Hora")), translated(QT_TRANSLATE_NOOP("EventHistory", "Usuario")),
        translated(QT_TRANSLATE_NOOP("EventHistory", "Referencia")),
        translated(QT_TRANSLATE_NOOP("EventHistory", "DESCRIPCION"))};
}

QList<int> historyColumnWidths()
{
    return {40, 80, 80, 140, 140, 600};
}

QStringList historyRow(int number, const HistoryEntry &entry, const QTimeZone &zone)
{
    const QDateTime local = entry.created.isValid() ? entry.created.toTimeZone(zone) : QDateTime();
    return {QString::number(number),
            local.isValid() ? local.toString(QStringLiteral("dd-MM-yyyy")) : QString(),
            local.isValid() ? local.toString(QStringLiteral("hh:mm:ss")) : QString(),
            entry.user,
            entry.name,
            entry.message};
}

QList<QStringList> historyRows(const QList<HistoryEntry> &entries, const QTimeZone &zone)
{
    QList<QStringList> rows;
    rows.reserve(entries.size());
    for (const HistoryEntry &entry : entries)
        rows.append(historyRow(static_cast<int>(rows.size()) + 1, entry, zone));
    return rows;
}

} // namespace quelta
