#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <optional>

namespace quelta {

// One entry of a device's event history, as the cloud keeps it under "Events/<identifier>".
struct HistoryEntry
{
    QDateTime created; // UTC; invalid when the record's "created" could not be read
    QString user;      // the e-mail of who caused it, else their user id
    QString name;      // the user's name
    QString message;

    friend bool operator==(const HistoryEntry &, const HistoryEntry &) = default;
};

// An event code and its source text (translated with the context "EventHistory").
struct EventCodeText
{
    int code;
    const char *text;
};

// The code table LlistaEvents: door states and orders, calls, refused users, orders to the panel
// and the outputs.
const QList<EventCodeText> &LlistaEvents();
// The translated text of a code; empty when the code is not in the table.
QString eventText(int code);

// How the history is read: the door names for door events, the zone in which times are shown and
// the date the list starts from ("A partir de:").
struct HistoryRules
{
    QStringList doorNames;                          // PBotoNom1-PBotoNom4
    QTimeZone zone = QTimeZone::systemTimeZone();   // local time
    std::optional<QDate> from;                      // in local time; nothing: the whole list
};

struct HistoryList
{
    QList<HistoryEntry> entries; // newest first
    int skipped = 0;             // records that are no history entry at all (not an object)
    bool readable = true;        // false: the text was neither a list nor empty
};

// The most records one list is taken with: a longer answer keeps its last ones.
constexpr int kMaxHistoryRecords = 10000;
// The entries read when no date is chosen, and when one is.
constexpr int kHistoryLast = 100;
constexpr int kHistoryLastFromDate = 1000;

// The list as the database answers it (an object of push key to record, in creation order; an
// array or null too), filtered and ordered newest first. Records of the wrong shape never stop the
// rest: a record that is not an object is skipped, a field of the wrong type reads as empty.
HistoryList parseHistory(const QByteArray &json, const HistoryRules &rules);
// One record; nothing when it is dropped (a lost-communication notice after July 2021, or before
// the chosen date).
std::optional<HistoryEntry> historyEntry(const QJsonObject &record, const HistoryRules &rules);
// A record's "created" text in any of the forms written over the years: ISO year first
// ("2022-01-30T10:15:00.000", UTC unless it carries an offset) or day first after "Dia:", "Día:",
// "Date:", with "Hora:"/"Hour:" before the time, "/" or "\/" between the date's parts, and a tail
// after "* ". The time is UTC; nothing when the text holds no date and time.
std::optional<QDateTime> parseCreated(const QString &text);
// The entry's message: "messagetxt" with its line breaks as spaces and back-slashes removed, else
// the text of "eventid"; a door event adds " Botón N  " and the door's name.
QString historyMessage(const QJsonObject &record, const QStringList &doorNames);

// The grid SGHistoric: its titles and widths in pixels, and its rows (running number, date
// "dd-MM-yyyy", time "hh:mm:ss" in the zone, user, name, message).
constexpr int kHistoryColumns = 6;
QStringList historyTitles();
QList<int> historyColumnWidths();
QStringList historyRow(int number, const HistoryEntry &entry, const QTimeZone &zone);
QList<QStringList> historyRows(const QList<HistoryEntry> &entries, const QTimeZone &zone);

} // namespace quelta
