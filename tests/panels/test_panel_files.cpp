#include "core/base/DiagnosticTrace.h"
#include "core/codecs/TextFile.h"
#include "core/link/CommandChannel.h"
#include "core/model/GridModel.h"
#include "core/panels/EventTextFiles.h"
#include "core/panels/ZoneList.h"

#include "BoundModel.h"
#include "PseudoTerminal.h"
#include "ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quelta;
using namespace quelta::test;

namespace {

struct FilesFixture : BoundModel
{
    QTemporaryDir dir;
    PseudoTerminal device;
    DiagnosticTrace trace;
    ScriptedPrompter prompter;
    CommandChannel channel{link, trace};
    EventTextFiles eventTexts{model, link, channel, prompter};
    ZoneList zones{model, link, channel, prompter};

    FilesFixture()
    {
        channel.serial().setPortName(device.slavePath());
        channel.serial().open();
    }

    QString file(const QString &name, const QStringList &lines) const
    {
        const QString path = dir.filePath(name);
        textfile::writeLines(path, lines);
        return path;
    }
    GridModel &grid(const char *name) { return *model.grid(QString::fromLatin1(name)); }
    QStringList row(const char *name, int row)
    {
        QStringList cells;
        for (int column = 1; column < grid(name).columns(); ++column)
            cells << grid(name).text(row, column);
        return cells;
    }
};

const EventTextGrid &layout(const char *grid)
{
    for (const EventTextGrid &each : EventTextFiles::grids()) {
        if (QLatin1String(each.grid) == QLatin1String(grid))
            return each;
    }
    qFatal("no such grid");
}

} // namespace

class TestPanelFiles : public QObject
{
    Q_OBJECT

private slots:
    void eventTextsRoundTrip_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("BC600: zeros are empty cells") << "SGCentralBC600" << "1 2 0 4 000 Fire room 3"
                                                      << QStringList{"1", "2", "", "4", "", "Fire room 3"};
        QTest::newRow("Supra keeps its zeros") << "SGCentralSupra" << "1 0 0 4 000 Fire room 3"
                                               << QStringList{"1", "0", "0", "4", "000", "Fire room 3"};
        QTest::newRow("Cofem has four numbers") << "SGCentralCofem" << "1 2 3 000 Fallo lazo"
                                                << QStringList{"1", "2", "3", "", "Fallo lazo"};
    }
    void eventTextsRoundTrip()
    {
        QFETCH(QString, grid);
        QFETCH(QString, line);
        QFETCH(QStringList, cells);
        FilesFixture f;
        const QByteArray name = grid.toLatin1();
        const QString path = f.file(QStringLiteral("events.txt"), {QStringLiteral("header"), line});
        const int modifiedBefore = f.model.ncampsModificats();
        QVERIFY(f.eventTexts.importFile(layout(name.constData()), path));
        QCOMPARE(f.row(name.constData(), 1), cells);
        QVERIFY(f.grid(name.constData()).isModified(1, 1));
        QCOMPARE(f.model.ncampsModificats(), modifiedBefore + 2);
        QCOMPARE(f.model.field(QString::fromLatin1(layout(name.constData()).fileEntry))->value, QStringLiteral("events.txt"));

        const QString out = f.dir.filePath(QStringLiteral("out.txt"));
        QVERIFY(f.eventTexts.exportFile(layout(name.constData()), out));
        const QStringList written = *textfile::readLines(out);
        QCOMPARE(written.size(), 2);
        QCOMPARE(written.at(1), grid == QLatin1String("SGCentralBC600") ? QStringLiteral("1 2 0 4 000 Fire room 3") : line);
    }

    void aBadFileImportsNothing()
    {
        FilesFixture f;
        f.grid("SGCentralBC600").setText(1, 6, QStringLiteral("kept"));
        const QString path = f.file(QStringLiteral("bad.txt"), {QStringLiteral("header"), QStringLiteral("1 2 3 text")});
        QVERIFY(!f.eventTexts.importFile(layout("SGCentralBC600"), path));
        QCOMPARE(f.prompter.asked.first().message, path + QStringLiteral("\r\n\r\nEste fichero no es correcto"));
        QCOMPARE(f.grid("SGCentralBC600").text(1, 6), QStringLiteral("kept"));
    }

    void aHeaderOnlyFileEmptiesTheGrid()
    {
        FilesFixture f;
        f.grid("SGCentralSyncro").setText(1, 6, QStringLiteral("old"));
        QVERIFY(f.eventTexts.importFile(layout("SGCentralSyncro"), f.file(QStringLiteral("h.txt"), {QStringLiteral("header")})));
        QCOMPARE(f.grid("SGCentralSyncro").text(1, 6), QString());
        QCOMPARE(f.model.field(u"EImportarFitxerSyncro")->value, QStringLiteral("h.txt"));
    }

    void overwritingNeedsConsent()
    {
        FilesFixture f;
        const QString path = f.file(QStringLiteral("existing.txt"), {QStringLiteral("old")});
        f.prompter.answers = {DialogResult::No};
        QVERIFY(!f.eventTexts.exportFile(layout("SGCentralBC600"), path));
        QCOMPARE(*textfile::readLines(path), QStringList{"old"});
    }

    void eraseSendsTheTableCommands()
    {
        FilesFixture f;
        f.link.circuittrobat = true;
        f.prompter.answers = {DialogResult::Yes};
        f.eventTexts.erase(layout("SGCentralAD300"));
        QCOMPARE(f.device.readFor(500), QByteArray("\rqz+9500=\r\rqz+97xx=0\r"));
        QCOMPARE(f.prompter.asked.first().message,
                 QStringLiteral("Se borrarán todos los eventos programados del circuito\r\n¿Está seguro?"));
    }

    void zoneListRoundTrip()
    {
        FilesFixture f;
        const QString path = f.file(QStringLiteral("zones.txt"),
                                    {QStringLiteral("header"), QStringLiteral("12\t0 Kitchen"), QStringLiteral("13 5 Hall one"),
                                     QStringLiteral("14 Store room")});
        QVERIFY(f.zones.importFile(path));
        QCOMPARE(f.row("SGLlistatZonesAgui", 1), (QStringList{"", "Kitchen"}));
        QCOMPARE(f.row("SGLlistatZonesAgui", 2), (QStringList{"5", "Hall one"}));
        QCOMPARE(f.row("SGLlistatZonesAgui", 3), (QStringList{"", "Store room"}));
        QCOMPARE(f.grid("SGLlistatZonesAgui").text(1, 0), QStringLiteral("12"));

        const QString out = f.dir.filePath(QStringLiteral("out.txt"));
        QVERIFY(f.zones.exportFile(out));
        const QStringList written = *textfile::readLines(out);
        QCOMPARE(written.mid(1), (QStringList{"12 000 Kitchen", "13 5 Hall one", "14 000 Store room"}));

        const QString bad = f.file(QStringLiteral("bad.txt"), {QStringLiteral("header"), QStringLiteral("Kitchen 12")});
        QVERIFY(!f.zones.importFile(bad));
    }

    void zoneListErase()
    {
        FilesFixture f;
        f.link.circuittrobat = true;
        f.prompter.answers = {DialogResult::Yes};
        f.zones.BBEsborraZonesClick();
        QByteArray expected = "\rqz+9000=\r";
        for (int block = 1; block <= 9; ++block)
            expected += QStringLiteral("\rqz+9%1xx=0\r").arg(block).toLatin1();
        QCOMPARE(f.device.readFor(500), expected);
    }
};

QTEST_GUILESS_MAIN(TestPanelFiles)
#include "test_panel_files.moc"
