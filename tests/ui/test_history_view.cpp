// The event history screen's view over the demo company's "Colegio San Gregorio" history in
// quelta-cloudsim: what the grid shows, the date picker, its "X" and the export.

#include "CloudSim.h"
#include "ShellHarness.h"

#include "core/session/EventHistoryScreen.h"
#include "ui/status/EventHistoryView.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace quelta;
using quelta::ui::EventHistoryView;

namespace {

const QString kDevice = QStringLiteral("3A0F2C1B84D96A11");

QByteArray demoSeed()
{
    QFile seed(QStringLiteral(QUELTA_CLOUDSIM_SEEDS "/demo.json"));
    return seed.open(QIODevice::ReadOnly) ? seed.readAll() : QByteArray();
}

} // namespace

class TestHistoryView : public QObject
{
    Q_OBJECT

    test::CloudSim sim_;
    std::unique_ptr<test::ShellHarness> harness_;
    EventHistoryScreen *screen_ = nullptr;
    std::unique_ptr<EventHistoryView> view_;

    template<class T> T *find(const QString &name) const { return view_->findChild<T *>(name); }
    QTableWidget *grid() const { return find<QTableWidget>(QStringLiteral("SGHistoric")); }

private slots:
    void initTestCase() { QVERIFY(sim_.start(demoSeed())); }

    // The demo installer, beside the school's device, with its doors named.
    void init()
    {
        harness_ = std::make_unique<test::ShellHarness>();
        harness_->internet.online = true;
        harness_->endpoints = test::localCloud(sim_.url());
        Shell &shell = harness_->create();
        CloudState &state = shell.context().cloud().state();
        state.EmpresaEmail = QStringLiteral("instalador@quelta.test");
        state.EmpresaPassword = QStringLiteral("quelta-demo");
        shell.screens().doors().setDoorNames({"Entrada principal", "Gimnasio", "Comedor", "Patio"});
        shell.device().link().circuit = true;
        shell.device().link().identConnectar = kDevice;
        screen_ = &shell.screens().history();
        screen_->setTimeZone(QTimeZone("Europe/Madrid"));
        view_ = std::make_unique<EventHistoryView>(*screen_);
        view_->resize(1280, 520);
        view_->show();
    }

    void cleanup()
    {
        view_.reset();
        harness_.reset();
    }

    // The grid shows the screen's rows, newest first, under the grid's titles.
    void gridShowsTheHistory()
    {
        screen_->BBEventsClick();
        QVERIFY2(harness_->prompter.asked.isEmpty(), qPrintable(harness_->prompter.asked.value(0).message));
        QCOMPARE(find<QLabel>(QStringLiteral("PEvents2"))->text(), QStringLiteral("REGISTRO DE EVENTOS"));
        const QList<QStringList> rows = screen_->rows();
        QCOMPARE(rows.size(), 10); // the lost-communication notice is not shown
        QCOMPARE(grid()->rowCount(), 10);
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < kHistoryColumns; ++column)
                QCOMPARE(grid()->item(row, column)->text(), rows[row][column]);
        QCOMPARE(grid()->item(0, 5)->text(), QStringLiteral("Prueba de sirenas Zona 3"));
        QCOMPARE(grid()->item(0, 2)->text(), QStringLiteral("12:30:00"));
        QCOMPARE(grid()->item(7, 5)->text(), QStringLiteral("Orden de abrir Botón 1  Entrada principal"));
        for (int column = 0; column < kHistoryColumns; ++column)
            QCOMPARE(grid()->horizontalHeaderItem(column)->text(), historyTitles().at(column));
        QCOMPARE(grid()->horizontalHeader()->sectionSize(0), 40);

        if (const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS"); !shots.isEmpty()) {
            QTest::qWait(50);
            view_->grab().save(shots + QStringLiteral("/event-history.png"));
        }
    }

    // A date picked in the calendar reads from that day on; "X" empties the picker and reads all.
    void pickerAndCrossReadAgain()
    {
        screen_->BBEventsClick();
        auto *picker = find<QDateEdit>(QStringLiteral("CPEvents"));
        QVERIFY(!view_->chosenDate());
        emit picker->calendarWidget()->clicked(QDate(2026, 12, 6));
        QCOMPARE(screen_->fromDate(), std::optional<QDate>(QDate(2026, 12, 6)));
        QCOMPARE(grid()->rowCount(), 4);
        QCOMPARE(view_->chosenDate(), std::optional<QDate>(QDate(2026, 12, 6)));

        find<QToolButton>(QStringLiteral("PEsborraData"))->click();
        QCOMPARE(screen_->fromDate(), std::nullopt);
        QVERIFY(!view_->chosenDate());
        QCOMPARE(grid()->rowCount(), 10);
    }

    // "Exportar a Excel" writes what the save dialog chose; a cancelled dialog writes nothing.
    void exportWritesTheChosenFile()
    {
        screen_->BBEventsClick();
        QTemporaryDir dir;
        std::optional<EventHistoryView::SaveTarget> answer;
        view_->setSaveChooser([&answer](QWidget *) { return answer; });
        auto *button = find<QPushButton>(QStringLiteral("BBExportarHist"));
        QCOMPARE(button->text(), QStringLiteral("Exportar a Excel"));

        button->click();
        QVERIFY(QDir(dir.path()).isEmpty());
        answer = EventHistoryView::SaveTarget{dir.filePath("school.csv"), HistoryFileFormat::Csv};
        button->click();
        QFile csv(dir.filePath("school.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), 11);
    }
};

QTEST_MAIN(TestHistoryView)
#include "test_history_view.moc"
