// Clearing the GPRS operator list on a simulated device: only the operator rows the device holds
// go out, emptied, and nothing else is written.

#include "TransferSession.h"

#include "core/session/ContactLists.h"
#include "core/transfer/RowValues.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace Qt::StringLiterals;

namespace {

struct ClearFixture : test::TransferSession
{
    Shell &connectAndRead(const QString &config)
    {
        Shell &shell = open({u"--config"_s, config, u"--unpaced"_s});
        QObject::connect(&shell.programming().writeEngine(), &WriteEngine::writeFinished, &shell, [this] { markEnd(); });
        QObject::connect(&shell.programming().readEngine(), &ReadEngine::readFinished, &shell,
                         [this] { log.append(u"* read"_s); });
        activate();
        return shell;
    }
};

// Connected, read in full, quiet.
void readDevice(ClearFixture &f, Shell &shell)
{
    QTRY_VERIFY_WITH_TIMEOUT(test::connected(shell), 5000);
    test::waitForQuietLink(f, shell);
    shell.programming().BBProgClick();
    QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* read"_s) > 0, 10000);
    test::waitForQuietLink(f, shell);
}

QStringList dueRows(const GridModel &grid)
{
    QStringList due;
    for (int row = 1; row <= grid.rows(); ++row) {
        if (rowDue(grid, row))
            due.append(QString::number(row));
    }
    return due;
}

} // namespace

class TestOperatorClear : public QObject
{
    Q_OBJECT

    QTemporaryDir configs_;
    QString standard_;

private slots:
    void initTestCase()
    {
        QVERIFY(configs_.isValid());
        // Four operators (8501 to 8504); status frames once a minute, clear of the echoes.
        standard_ = test::deviceVariant(configs_, u"standard.json"_s, u"standard.json"_s, R"("framePeriodMs": 60000)");
    }

    void clearingSendsOnlyTheDevicesOperators()
    {
        ClearFixture f;
        Shell &shell = f.connectAndRead(standard_);
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        ConfigurationModel &model = shell.programming().model();
        GridModel &operators = *model.grid(u"SGOperadores");
        QCOMPARE(operators.text(4, 0), u"Yoigo"_s);
        // Pending changes elsewhere stay pending: this run writes the operator grid only.
        GridModel &inputs = *model.grid(u"SGEntrades");
        inputs.setText(2, 1, u"Ventana"_s);
        SingleField &company = *model.field(u"EProgEmpresa");
        model.editField(company, u"Otra Empresa"_s);

        // "No" leaves the list as it is.
        ContactLists &lists = shell.contactLists();
        f.harness.prompter.answers = {DialogResult::No};
        lists.BBEsborraOperadoresClick();
        QCOMPARE(f.harness.prompter.asked.last().message, u"Se borrarán todas las operadoras del circuito\r\n¿Está seguro?"_s);
        QCOMPARE(operators.text(1, 0), u"Movistar"_s);
        QVERIFY(!shell.context().activity().running());

        f.harness.prompter.answers = {DialogResult::Yes};
        f.log.append(u"* start"_s);
        StatusBar &bar = shell.context().statusBar();
        bar.setLEstat(u"40%"_s); // what an earlier write left
        lists.BBEsborraOperadoresClick();
        QVERIFY(shell.context().activity().running());
        QCOMPARE(bar.panel(1), u"Borrando el listado de operadoras"_s);
        QVERIFY(bar.progressVisible());
        QCOMPARE(bar.progress(), 0);
        QCOMPARE(bar.LEstat(), QString());
        QVERIFY(!shell.device().supervisor().TimerCircuit.isActive());
        const QTimer &timer = shell.programming().writeEngine().TimerGravar;
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 100);
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 10000);

        QCOMPARE(f.sentDuringRun(), (QStringList{u"8501=;;;;"_s, u"8502=;;;;"_s, u"8503=;;;;"_s, u"8504=;;;;"_s, u"vEr"_s}));
        QCOMPARE(dueRows(operators), QStringList());
        QCOMPARE(operators.shadow(1, 0), QString());
        QCOMPARE(dueRows(inputs), QStringList{u"2"_s});
        QVERIFY(company.state == FieldState::Modified);
        QVERIFY(!shell.context().activity().running());
    }
};

QTEST_GUILESS_MAIN(TestOperatorClear)
#include "test_operator_clear.moc"
