#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quelta {

// "Exportar a Excel": the history grid written to a file the installer chose, instead of handing
// it to a running spreadsheet application. Every cell is text, as the grid shows it.
enum class HistoryFileFormat { Xlsx, Csv };

struct ExportResult
{
    QString error; // empty: written

    bool ok() const { return error.isEmpty(); }
};

// The format a save dialog's choice asks for: CSV when its filter or the file's suffix says so.
HistoryFileFormat historyFileFormat(const QString &path, const QString &selectedFilter = {});
// The save dialog's filters, the workbook first.
QStringList historyFileFilters();

// A workbook with one sheet: the titles in bold on the grid's header colour, the rows below, every
// cell formatted and written as text, the columns as wide as the grid's (pixels). The file is
// written whole or not at all: an existing file is replaced only once the new one is complete.
ExportResult exportHistoryXlsx(const QString &path, const QStringList &titles, const QList<int> &widths,
                               const QList<QStringList> &rows);
// UTF-8 with a byte-order mark, ";" between the fields, CR LF between the lines; fields are quoted
// when they hold a separator, a quote or a line break. A cell that a spreadsheet would take for a
// formula is written with a leading apostrophe.
ExportResult exportHistoryCsv(const QString &path, const QStringList &titles, const QList<QStringList> &rows);

} // namespace quelta
