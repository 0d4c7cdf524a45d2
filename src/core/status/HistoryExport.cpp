#include "core/status/HistoryExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <filesystem>
#include <system_error>

namespace quelta {
namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("HistoryExport", text);
}

// The longest text a spreadsheet cell holds.
constexpr qsizetype kMaxCellText = 32767;

// The grid's title row colour.
constexpr lxw_color_t kTitleColour = 0xCCE3FF;

QString cannotWrite(const QString &path, const QString &reason)
{
    return translated(QT_TRANSLATE_NOOP("HistoryExport", "No se ha podido guardar el archivo %1: %2"))
        .arg(QDir::toNativeSeparators(path), reason);
}

QByteArray cellText(const QString &text)
{
    return text.left(kMaxCellText).toUtf8();
}

// A field as the CSV holds it.
QString csvField(QString text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

// Closes the workbook (which writes it) and says what went wrong, if anything did.
lxw_error writeWorkbook(const QByteArray &file, const QStringList &titles, const QList<int> &widths,
                        const QList<QStringList> &rows)
{
    lxw_workbook *workbook = workbook_new(file.constData());
    if (!workbook)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format *text = workbook_add_format(workbook);
    lxw_format *title = workbook_add_format(workbook);
    if (!sheet || !text || !title) {
        workbook_close(workbook);
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    format_set_num_format(text, "@");
    format_set_num_format(title, "@");
    format_set_bold(title);
    format_set_pattern(title, LXW_PATTERN_SOLID);
    format_set_bg_color(title, kTitleColour);

    lxw_error failed = LXW_NO_ERROR;
    const auto keep = [&failed](lxw_error error) {
        if (failed == LXW_NO_ERROR)
            failed = error;
    };
    for (qsizetype column = 0; column < titles.size(); ++column) {
        const auto index = static_cast<lxw_col_t>(column);
        keep(worksheet_set_column_pixels(sheet, index, index, static_cast<uint32_t>(widths.value(column, 64)), text));
        keep(worksheet_write_string(sheet, 0, index, cellText(titles.at(column)).constData(), title));
    }
    for (qsizetype row = 0; row < rows.size() && row + 1 < LXW_ROW_MAX; ++row) {
        const QStringList &cells = rows.at(row);
        for (qsizetype column = 0; column < titles.size(); ++column)
            keep(worksheet_write_string(sheet, static_cast<lxw_row_t>(row + 1), static_cast<lxw_col_t>(column),
                                        cellText(cells.value(column)).constData(), text));
    }
    const lxw_error closed = workbook_close(workbook);
    return failed != LXW_NO_ERROR ? failed : closed;
}

} // namespace

HistoryFileFormat historyFileFormat(const QString &path, const QString &selectedFilter)
{
    if (selectedFilter.contains(QLatin1String("*.csv")))
        return HistoryFileFormat::Csv;
    if (selectedFilter.contains(QLatin1String("*.xlsx")))
        return HistoryFileFormat::Xlsx;
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ? HistoryFileFormat::Csv
                                                                                          : HistoryFileFormat::Xlsx;
}

QStringList historyFileFilters()
{
    return {translated(QT_TRANSLATE_NOOP("HistoryExport", "Libro de Excel (*.xlsx)")),
            translated(QT_TRANSLATE_NOOP("HistoryExport", "CSV (*.csv)"))};
}

ExportResult exportHistoryXlsx(const QString &path, const QStringList &titles, const QList<int> &widths,
                               const QList<QStringList> &rows)
{
    if (path.isEmpty())
        return {cannotWrite(path, translated(QT_TRANSLATE_NOOP("HistoryExport", "no se ha indicado ningún archivo")))};
    // Written beside the target first, so that a failure leaves any earlier file as it was.
    const QFileInfo target(path);
    QTemporaryFile partial(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
    if (!partial.open())
        return {cannotWrite(path, partial.errorString())};
    const QString partialPath = partial.fileName();
    partial.close();
    // The temporary file is private to its owner; the export is an ordinary document.
    partial.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                           | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    const lxw_error error = writeWorkbook(QFile::encodeName(partialPath), titles, widths, rows);
    if (error != LXW_NO_ERROR)
        return {cannotWrite(path, QString::fromUtf8(lxw_strerror(error)))};
    std::error_code renamed;
    std::filesystem::rename(std::filesystem::path(partialPath.toStdU16String()),
                            std::filesystem::path(target.absoluteFilePath().toStdU16String()), renamed);
    if (renamed)
        return {cannotWrite(path, QString::fromStdString(renamed.message()))};
    partial.setAutoRemove(false);
    return {};
}

ExportResult exportHistoryCsv(const QString &path, const QStringList &titles, const QList<QStringList> &rows)
{
    if (path.isEmpty())
        return {cannotWrite(path, translated(QT_TRANSLATE_NOOP("HistoryExport", "no se ha indicado ningún archivo")))};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {cannotWrite(path, file.errorString())};
    const auto line = [&titles](const QStringList &cells) {
        QStringList fields;
        for (qsizetype column = 0; column < titles.size(); ++column)
            fields.append(csvField(cells.value(column)));
        return fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    };
    QByteArray text = "\xEF\xBB\xBF";
    text += line(titles).toUtf8();
    for (const QStringList &row : rows)
        text += line(row).toUtf8();
    if (file.write(text) != text.size() || !file.commit())
        return {cannotWrite(path, file.errorString())};
    return {};
}

} // namespace quelta
