#pragma once

#include "core/status/EventHistory.h"
#include "core/status/HistoryExport.h"

#include <QObject>

#include <optional>

namespace quelta {

class DeviceSession;
class DoorsScreen;
class ProgramContext;

// A read of a device's history from the cloud.
struct HistoryRead
{
    HistoryList list;
    QString error; // empty: read (an empty list included)

    bool ok() const { return error.isEmpty(); }
};

// The "REGISTRO DE EVENTOS" screen PEvents: the device's event history as the cloud keeps it, read
// from a date on or the latest entries, and its export. The view paints rows() and forwards the
// installer's clicks; the screen is shown over the current view without changing it.
class EventHistoryScreen : public QObject
{
    Q_OBJECT
public:
    EventHistoryScreen(ProgramContext &context, DeviceSession &device, DoorsScreen &doors, QObject *parent = nullptr);

    // The heading PEvents2.
    static QString heading();
    const QList<HistoryEntry> &entries() const { return entries_; }
    // The grid's data rows, the title row not included.
    QList<QStringList> rows() const { return historyRows(entries_, zone_); }
    // The date picker CPEvents; nothing: no date chosen.
    std::optional<QDate> fromDate() const { return from_; }
    // Times are shown in the PC's zone; tests choose theirs.
    const QTimeZone &timeZone() const { return zone_; }
    void setTimeZone(const QTimeZone &zone);

    // "Registro": opens the screen when the internet, the device and its lock allow it.
    void BBEventsClick();
    // Reads the history again into the grid.
    void BBLlegirEventsClick();
    // The date picker closed on a date: the list starts there.
    void CPEventsCloseUp(const QDate &date);
    // "X" beside the picker: the whole list again.
    void PEsborraDataClick();
    // "Exportar a Excel", to the file chosen in the save dialog; a failure is shown and returned.
    ExportResult BBExportarHistClick(const QString &path, HistoryFileFormat format);
    // The grid emptied (Esborra_historic): part of clearing every field.
    void Esborra_historic();

    // The last count entries of the device's history, without dialogs; the command line reads
    // with it too. from: only the entries from that local date on.
    HistoryRead readHistory(const QString &identifier, int count, std::optional<QDate> from = std::nullopt);

signals:
    // The internet is gone: the cloud's controls are switched off and the title says so.
    void offline();
    // The history could not be read from the cloud: the title says "sin internet".
    void readFailed();
    // The heading is set: the screen comes to the front.
    void shown();
    // The rows or the date changed: the grid is painted again and scrolled to the top.
    void rowsChanged();

private:
    ProgramContext &context_;
    DeviceSession &device_;
    DoorsScreen &doors_;
    QList<HistoryEntry> entries_;
    std::optional<QDate> from_;
    QTimeZone zone_ = QTimeZone::systemTimeZone();
};

} // namespace quelta
