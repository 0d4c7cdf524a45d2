// The "REGISTRO DE EVENTOS" screen's steps against quelta-cloudsim: when it opens, what it reads,
// the date picker, a cloud that cannot be read and a failed export.

#include "CloudSim.h"
#include "ShellHarness.h"

#include "core/cloud/CloudAccess.h"
#include "core/session/EventHistoryScreen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace quelta;

namespace {

const QString kDevice = QStringLiteral("Q-HIST-1");
const QTimeZone kMadrid("Europe/Madrid");

// One account and a device's list written in the forms the device, the app and this program post.
QByteArray seed(int extraEntries = 0)
{
    QJsonObject events{
        {"-N00000000000000001", QJsonObject{{"Created", "2022-01-30T10:15:00.000"}, {"EventId", "77000"},
                                            {"MessageTxt", "Salida 1 activada"}, {"UserName", "Ana"},
                                            {"UserMail", "ana@quelta.test"}, {"UserId", "u-ana"}}},
        {"-N00000000000000002", QJsonObject{{"Created", "Dia: 31/01/2022 Hora: 08:00:00"}, {"EventId", 55111},
                                            {"ButtonNumber", 2}, {"MessageTxt", ""}, {"UserId", "u-luis"}}},
        {"-N00000000000000003", QJsonObject{{"Created", "Date: 29/01/2022 Hour: 23:30:00* App"},
                                            {"EventId", 66003}, {"UserName", "Desconocido"}}},
        {"-N00000000000000004", QJsonObject{{"Created", "2023-03-01T09:00:00.000"},
                                            {"MessageTxt", "Comunicación perdida"}}},
        {"-N00000000000000005", QJsonArray{1, 2, 3}},
    };
    for (int i = 0; i < extraEntries; ++i)
        events.insert(QStringLiteral("-M%1").arg(i, 17, 10, QLatin1Char('0')),
                      QJsonObject{{"Created", QDateTime(QDate(2021, 1, 1), QTime(0, 0), QTimeZone::utc())
                                                  .addSecs(i * 60)
                                                  .toString("yyyy-MM-ddThh:mm:ss.zzz")},
                                  {"MessageTxt", QStringLiteral("old %1").arg(i)}});
    const QJsonObject document{
        {"accounts", QJsonArray{QJsonObject{{"email", "tecnico@quelta.test"}, {"password", "quelta-hist"},
                                            {"localId", "u-tecnico"}}}},
        {"database", QJsonObject{{"Events", QJsonObject{{kDevice, events}}}}},
    };
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

} // namespace

class TestEventHistoryScreen : public QObject
{
    Q_OBJECT

    test::CloudSim sim_;
    std::unique_ptr<test::ShellHarness> harness_;
    EventHistoryScreen *history_ = nullptr;

    test::ScriptedPrompter &prompter() { return harness_->prompter; }
    LinkState &link() { return harness_->shell->device().link(); }

    void createShell(const QString &cloudUrl)
    {
        harness_ = std::make_unique<test::ShellHarness>();
        harness_->internet.online = true;
        harness_->endpoints = test::localCloud(cloudUrl);
        Shell &shell = harness_->create();
        CloudState &state = shell.context().cloud().state();
        state.EmpresaEmail = QStringLiteral("tecnico@quelta.test");
        state.EmpresaPassword = QStringLiteral("quelta-hist");
        shell.screens().doors().setDoorNames({"Portal", "Garaje", "Almacén", "Patio"});
        history_ = &shell.screens().history();
        history_->setTimeZone(kMadrid);
        // A device answers on the port, not locked.
        link().circuit = true;
        link().identConnectar = kDevice;
    }

    QStringList column(int index) const
    {
        QStringList cells;
        for (const QStringList &row : history_->rows())
            cells << row.at(index);
        return cells;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(kMadrid.isValid());
        QVERIFY(sim_.start(seed(120)));
    }

    void init() { createShell(sim_.url()); }
    void cleanup() { harness_.reset(); }

    // The first row that matches decides; only the last opens the screen and reads.
    void openingChecksInOrder_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("updating");
        QTest::addColumn<bool>("telecontrol");
        QTest::addColumn<bool>("device");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("offline");
        QTest::addColumn<bool>("codeAsked");
        QTest::addColumn<bool>("shown");
        QTest::newRow("update running") << false << true << true << false << true << "" << false << false << false;
        QTest::newRow("no internet") << false << false << true << false << true << "No hay conexión a internet" << true
                                     << false << false;
        QTest::newRow("telecontrol") << true << false << true << false << true
                                     << "Central en telecontrol\rNo se puede acceder a la programación" << false << false
                                     << false;
        QTest::newRow("no device") << true << false << false << false << true << " No hay ningún equipo conectado"
                                   << false << false << false;
        QTest::newRow("locked") << true << false << false << true << true << "" << false << true << false;
        QTest::newRow("open") << true << false << false << true << false << "" << false << false << true;
    }

    void openingChecksInOrder()
    {
        QFETCH(bool, online);
        QFETCH(bool, updating);
        QFETCH(bool, telecontrol);
        QFETCH(bool, device);
        QFETCH(bool, locked);
        QFETCH(QString, message);
        QFETCH(bool, offline);
        QFETCH(bool, codeAsked);
        QFETCH(bool, shown);
        harness_->internet.online = online;
        link().tempsActu = updating ? 10 : 0;
        link().bidiCentral = telecontrol;
        link().circuit = device;
        link().protegit = locked;
        QSignalSpy offlineSpy(history_, &EventHistoryScreen::offline);
        QSignalSpy shownSpy(history_, &EventHistoryScreen::shown);
        QSignalSpy codeSpy(&harness_->shell->device().lock(), &ProgrammingLock::accessCodeRequested);

        history_->BBEventsClick();

        QCOMPARE(prompter().asked.isEmpty() ? QString() : prompter().asked.first().message, message);
        if (!message.isEmpty())
            QCOMPARE(prompter().asked.first().caption, dialog::atencio());
        QCOMPARE(offlineSpy.count(), offline ? 1 : 0);
        QCOMPARE(codeSpy.count(), codeAsked ? 1 : 0);
        QCOMPARE(shownSpy.count(), shown ? 1 : 0);
        QCOMPARE(history_->rows().isEmpty(), !shown);
    }

    // The last 100 entries, newest first; the free forms, the door event, the user without mail.
    void openingReadsTheLatestEntries()
    {
        QVERIFY(EventHistoryScreen::heading() == QStringLiteral("REGISTRO DE EVENTOS"));
        history_->BBEventsClick();
        QVERIFY2(prompter().asked.isEmpty(), qPrintable(prompter().asked.value(0).message));
        const QList<QStringList> rows = history_->rows();
        // 100 read; the lost-communication notice of 2023 drops out.
        QCOMPARE(rows.size(), 99);
        QCOMPARE(rows.at(0), (QStringList{"1", "31-01-2022", "09:00:00", "u-luis", "", "Orden de abrir Botón 2  Garaje"}));
        QCOMPARE(rows.at(1),
                 (QStringList{"2", "30-01-2022", "11:15:00", "ana@quelta.test", "Ana", "Salida 1 activada"}));
        QCOMPARE(rows.at(2), (QStringList{"3", "30-01-2022", "00:30:00", "", "Desconocido", "Número no registrado"}));
        QCOMPARE(rows.at(3).at(5), QStringLiteral("old 119"));
        QCOMPARE(rows.last().at(5), QStringLiteral("old 24"));
    }

    // A date reads up to 1000 entries and keeps those from that day on; "X" reads the latest again.
    void theDatePickerFiltersAndTheCrossClears()
    {
        QSignalSpy repainted(history_, &EventHistoryScreen::rowsChanged);
        history_->CPEventsCloseUp(QDate(2021, 1, 1));
        QCOMPARE(history_->fromDate(), std::optional<QDate>(QDate(2021, 1, 1)));
        QCOMPARE(history_->rows().size(), 123);
        history_->CPEventsCloseUp(QDate(2022, 1, 30));
        QCOMPARE(column(5), (QStringList{"Orden de abrir Botón 2  Garaje", "Salida 1 activada", "Número no registrado"}));
        history_->PEsborraDataClick();
        QCOMPARE(history_->fromDate(), std::nullopt);
        QCOMPARE(history_->rows().size(), 99);
        QVERIFY(repainted.count() >= 3);
        QVERIFY(prompter().asked.isEmpty());
    }

    // A cloud that cannot be read empties the grid and says so for 8 s.
    void aReadErrorEmptiesTheGridAndSaysSo()
    {
        test::CloudSim gone;
        QVERIFY(gone.start(seed()));
        createShell(gone.url());
        history_->BBEventsClick();
        QCOMPARE(history_->rows().size(), 3);
        gone.stop();
        QSignalSpy failed(history_, &EventHistoryScreen::readFailed);
        history_->BBLlegirEventsClick();
        QVERIFY(history_->rows().isEmpty());
        QCOMPARE(failed.count(), 1);
        const DialogRequest &shown = prompter().asked.last();
        QCOMPARE(shown.caption, dialog::error());
        QCOMPARE(shown.message, QStringLiteral("Sin conexión a internet no se puede leer el histórico"));
        QCOMPARE(shown.autoCloseSeconds, 8);
    }

    // An identifier that would address another node reads nothing.
    void aDeviceWithoutAUsableIdentifierReadsNothing_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::newRow("empty") << "";
        QTest::newRow("path") << "Q-HIST-1/../..";
        QTest::newRow("dot") << "Q.HIST";
    }

    void aDeviceWithoutAUsableIdentifierReadsNothing()
    {
        QFETCH(QString, identifier);
        const HistoryRead read = history_->readHistory(identifier, 100);
        QVERIFY(!read.ok());
        QVERIFY(read.list.entries.isEmpty());
    }

    void aFailedExportIsShown()
    {
        history_->BBEventsClick();
        QTemporaryDir dir;
        const ExportResult result =
            history_->BBExportarHistClick(dir.filePath("missing/history.xlsx"), HistoryFileFormat::Xlsx);
        QVERIFY(!result.ok());
        QCOMPARE(prompter().asked.last().message, result.error);
        QVERIFY(history_->BBExportarHistClick(dir.filePath("history.csv"), HistoryFileFormat::Csv).ok());
        QFile csv(dir.filePath("history.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), 100);
    }
};

QTEST_GUILESS_MAIN(TestEventHistoryScreen)
#include "test_event_history_screen.moc"
