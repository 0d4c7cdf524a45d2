// "Exportar a Excel": the history grid written as a workbook or a CSV file, read back as a
// spreadsheet would read it.

#include "core/status/HistoryExport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelta;

Q_DECLARE_METATYPE(quelta::HistoryFileFormat)

namespace {

const QStringList kTitles = {"N.", "Fecha", "Hora", "Usuario", "Referencia", "DESCRIPCION"};
const QList<int> kWidths = {40, 80, 80, 140, 140, 600};
const QList<QStringList> kRows = {
    {"1", "30-01-2022", "11:15:00", "ana@quelta.test", "Ana Núñez", "Orden de abrir Botón 2  Garaje"},
    {"2", "29-01-2022", "08:00:05", "u-7", "", "=HYPERLINK(\"x\"); <b>&amp</b>"},
};

// A member of the workbook's zip, as unzip gives it.
QByteArray member(const QString &file, const QString &name)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, name});
    if (!unzip.waitForFinished(10000) || unzip.exitCode() != 0)
        return {};
    return unzip.readAllStandardOutput();
}

// The shared strings in their order, unescaped enough for the texts above.
QStringList sharedStrings(const QByteArray &xml)
{
    QStringList strings;
    static const QRegularExpression item(QStringLiteral("<si><t[^>]*>(.*?)</t></si>|<si><t/></si>"));
    for (auto match = item.globalMatch(QString::fromUtf8(xml)); match.hasNext();) {
        QString text = match.next().captured(1);
        strings << text.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    }
    return strings;
}

} // namespace

class TestHistoryExport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // Every cell is a text cell holding the grid's text; the title row is bold on the grid's
    // header colour, the columns as wide as the grid's.
    void workbookHoldsTheGridAsText()
    {
        const QString file = dir_.filePath("history.xlsx");
        QVERIFY2(exportHistoryXlsx(file, kTitles, kWidths, kRows).ok(), "export failed");

        const QByteArray sheet = member(file, "xl/worksheets/sheet1.xml");
        const QStringList strings = sharedStrings(member(file, "xl/sharedStrings.xml"));
        QVERIFY(!sheet.isEmpty());
        static const QRegularExpression cell(QStringLiteral("<c r=\"([A-Z]+)(\\d+)\"([^>]*)>(?:<v>(\\d+)</v>)?"));
        QMap<QString, QString> cells;
        for (auto match = cell.globalMatch(QString::fromUtf8(sheet)); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            const QString attributes = found.captured(3);
            if (attributes.contains("t=\"s\""))
                cells.insert(found.captured(1) + found.captured(2), strings.value(found.captured(4).toInt()));
            else
                QVERIFY2(found.captured(4).isEmpty(), qPrintable("a cell that is no text: " + found.captured(0)));
        }
        const QString columns = "ABCDEF";
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(cells.value(columns[column] + QString("1")), kTitles[column]);
            for (int row = 0; row < kRows.size(); ++row)
                QCOMPARE(cells.value(columns[column] + QString::number(row + 2)), kRows[row][column]);
        }
        // Six columns, the last the widest.
        QCOMPARE(QString::fromUtf8(sheet).count("<col "), 6);
        const QByteArray styles = member(file, "xl/styles.xml");
        QVERIFY(styles.contains("<b/>"));
        QVERIFY(styles.contains("FFCCE3FF"));
        QVERIFY(styles.contains("formatCode=\"@\"") || styles.contains("numFmtId=\"49\""));
    }

    void csvHoldsTheGrid()
    {
        const QString file = dir_.filePath("history.csv");
        QVERIFY(exportHistoryCsv(file, kTitles, kRows).ok());
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray text = csv.readAll();
        QVERIFY(text.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(text.mid(3)).split("\r\n"),
                 (QStringList{"N.;Fecha;Hora;Usuario;Referencia;DESCRIPCION",
                              "1;30-01-2022;11:15:00;ana@quelta.test;Ana Núñez;Orden de abrir Botón 2  Garaje",
                              "2;29-01-2022;08:00:05;u-7;;\"'=HYPERLINK(\"\"x\"\"); <b>&amp</b>\"", ""}));
    }

    void theChosenFilterDecidesTheFormat_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<HistoryFileFormat>("format");
        QTest::newRow("workbook") << "h.xlsx" << historyFileFilters().at(0) << HistoryFileFormat::Xlsx;
        QTest::newRow("csv") << "h" << historyFileFilters().at(1) << HistoryFileFormat::Csv;
        QTest::newRow("filter over suffix") << "h.csv" << historyFileFilters().at(0) << HistoryFileFormat::Xlsx;
        QTest::newRow("suffix alone") << "h.CSV" << QString() << HistoryFileFormat::Csv;
        QTest::newRow("nothing said") << "h" << QString() << HistoryFileFormat::Xlsx;
    }

    void theChosenFilterDecidesTheFormat()
    {
        QFETCH(QString, path);
        QFETCH(QString, filter);
        QFETCH(HistoryFileFormat, format);
        QCOMPARE(historyFileFormat(path, filter), format);
    }

    // A file that cannot be written says so and leaves nothing behind.
    void unwritableFileIsReported_data()
    {
        QTest::addColumn<HistoryFileFormat>("format");
        QTest::newRow("workbook") << HistoryFileFormat::Xlsx;
        QTest::newRow("csv") << HistoryFileFormat::Csv;
    }

    void unwritableFileIsReported()
    {
        QFETCH(HistoryFileFormat, format);
        const QString file = dir_.filePath("no-such-folder/history.out");
        const ExportResult result = format == HistoryFileFormat::Xlsx ? exportHistoryXlsx(file, kTitles, kWidths, kRows)
                                                                      : exportHistoryCsv(file, kTitles, kRows);
        QVERIFY(!result.ok());
        QVERIFY2(result.error.contains("history.out"), qPrintable(result.error));
        QVERIFY(!QFile::exists(file));
    }

    // A new export replaces an earlier one whole.
    void anEarlierFileIsReplaced()
    {
        const QString file = dir_.filePath("again.xlsx");
        QVERIFY(exportHistoryXlsx(file, kTitles, kWidths, kRows).ok());
        QVERIFY(exportHistoryXlsx(file, kTitles, kWidths, {{"1", "", "", "", "", "only"}}).ok());
        QVERIFY(sharedStrings(member(file, "xl/sharedStrings.xml")).contains("only"));
        QVERIFY(!sharedStrings(member(file, "xl/sharedStrings.xml")).contains("Ana Núñez"));
        QCOMPARE(QDir(dir_.path()).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestHistoryExport)
#include "test_history_export.moc"
