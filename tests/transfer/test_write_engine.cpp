#include "TransferSession.h"

#include "core/transfer/RowValues.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace Qt::StringLiterals;

namespace {

using test::connected;
using test::kTimeDivisor;
using test::waitForQuietLink;

// The tool on a simulated device; "* end" marks where the write engine reported its run over and
// "* read" where a read ended.
struct WriteFixture : test::TransferSession
{
    Shell &connectAndRead(const QStringList &deviceOptions)
    {
        Shell &shell = open(deviceOptions);
        QObject::connect(&shell.programming().writeEngine(), &WriteEngine::writeFinished, &shell, [this] { markEnd(); });
        QObject::connect(&shell.programming().readEngine(), &ReadEngine::readFinished, &shell,
                         [this] { log.append(QStringLiteral("* read")); });
        activate();
        return shell;
    }
};

// Connected, read in full, quiet: ready for the installer's changes.
void readDevice(WriteFixture &f, Shell &shell)
{
    QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
    waitForQuietLink(f, shell);
    shell.programming().BBProgClick();
    QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(QStringLiteral("* read")) > 0, 10000);
    waitForQuietLink(f, shell);
}

void edit(Shell &shell, const char *name, const QString &value)
{
    SingleField *field = shell.programming().model().field(QString::fromLatin1(name));
    QVERIFY2(field, name);
    shell.programming().model().editField(*field, value);
    QVERIFY2(field->state == FieldState::Modified, name);
}

QString command(Shell &shell, const char *field, const QString &value)
{
    return shell.programming().model().field(QString::fromLatin1(field))->code() + QLatin1Char('=') + value;
}

QString rowCommand(const GridModel &grid, int row)
{
    const RowWrite write = rowWrite(grid, row);
    return write.code + QLatin1Char('=') + write.value;
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

// Every write ends the same way: "vEr" last, supervision back, the status bar quiet.
void verifyHandedBack(const WriteFixture &f, Shell &shell, int supervisionMs)
{
    QCOMPARE(f.sentDuringRun().value(f.sentDuringRun().size() - 1), QStringLiteral("vEr"));
    QCOMPARE(f.supervisionMsAtEnd, supervisionMs / kTimeDivisor);
    QVERIFY(!shell.programming().writeEngine().running());
    QVERIFY(!shell.context().activity().running());
    QVERIFY(!shell.context().statusBar().progressVisible());
    QCOMPARE(shell.context().statusBar().panel(1), QString());
    const auto answered = [&f] {
        const QStringList after = f.log.mid(f.indexOf(QStringLiteral("* end")));
        return std::any_of(after.cbegin(), after.cend(), [](const QString &e) { return e.startsWith(u"< +vEr:"_s); });
    };
    QTRY_VERIFY_WITH_TIMEOUT(answered(), 3000);
}

} // namespace

Q_DECLARE_METATYPE(quelta::FieldState)

class TestWriteEngine : public QObject
{
    Q_OBJECT

    QTemporaryDir configs_;
    QString standard_;
    QString bc600_;
    QString aguilera_;

private slots:
    void initTestCase()
    {
        QVERIFY(configs_.isValid());
        // Status frames once a minute, so that no frame falls between a command and its echo.
        standard_ = test::deviceVariant(configs_, u"standard.json"_s, u"standard.json"_s, R"("framePeriodMs": 60000)");
        bc600_ = test::deviceVariant(configs_, u"bc600.json"_s, u"bc600.json"_s, R"("framePeriodMs": 60000)");
        // Twenty zones instead of 1023 keep the rewriting of the list short.
        aguilera_ = test::deviceVariant(configs_, u"aguilera.json"_s, u"aesa.json"_s,
                            R"("framePeriodMs": 60000, "parameters": {"9101+1023": null, "9101+20": "110;Zona {n}"})");
    }

    // Only what changed goes out, kind by kind and row by row, and every echo confirms it.
    void fullWriteSendsChangesInOrder()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, standard_, u"--unpaced"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        ConfigurationModel &model = shell.programming().model();
        GridModel *inputs = model.grid(u"SGEntrades");
        GridModel *operators = model.grid(u"SGOperadores");
        // Changed against the model's own array order: the grids first, the edits last.
        operators->setText(1, 1, u"apn.nuevo.es"_s);
        inputs->setText(5, 1, u"Puerta trasera"_s);
        inputs->setText(2, 1, u"Ventana"_s);
        edit(shell, "CBConfigADSLDHCP", u"0"_s);
        edit(shell, "CLBPartsActives", u"1011"_s);
        edit(shell, "CBHora", u"13"_s);
        edit(shell, "EProgRef", u"Ala Sur"_s);
        edit(shell, "EProgEmpresa", u"Nueva Empresa"_s);
        if (QTest::currentTestFailed())
            return;
        const QStringList expected{
            u"inf"_s,
            command(shell, "EProgEmpresa", u"Nueva Empresa"_s),
            command(shell, "EProgRef", u"Ala Sur"_s),
            command(shell, "CBHora", u"+03"_s),
            command(shell, "CLBPartsActives", u"1011"_s),
            command(shell, "CBConfigADSLDHCP", u"0"_s),
            rowCommand(*operators, 1),
            rowCommand(*inputs, 2),
            rowCommand(*inputs, 5),
            u"vEr"_s,
        };

        f.log.append(u"* start"_s);
        StatusBar &bar = shell.context().statusBar();
        bar.setLEstat(u"7%"_s); // what an earlier write left
        QStringList percents;
        connect(&bar, &StatusBar::LEstatChanged, &bar, [&percents](const QString &text) { percents << text; });
        shell.programming().writeEngine().BBGravarClick();
        QVERIFY(shell.context().activity().running());
        QCOMPARE(bar.panel(1), u"Programando"_s);
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 10000);
        // The label follows the items written, from empty to the whole.
        QCOMPARE(percents.value(0), QString());
        QCOMPARE(percents.last(), u"100%"_s);

        QCOMPARE(f.sentDuringRun(), expected);
        verifyHandedBack(f, shell, 2000);
        for (const char *name : {"EProgEmpresa", "EProgRef", "CBHora", "CLBPartsActives", "CBConfigADSLDHCP"})
            QVERIFY2(model.field(QString::fromLatin1(name))->state == FieldState::Read, name);
        QCOMPARE(model.field(u"EProgEmpresa")->value, u"Nueva Empresa"_s);
        QCOMPARE(dueRows(*inputs), QStringList());
        QCOMPARE(dueRows(*operators), QStringList());
        QCOMPARE(inputs->text(2, 1), u"Ventana"_s);
        QCOMPARE(model.ncampsModificats(), 0);
    }

    // With nothing changed only the information and version requests go out.
    void fullWriteWithoutChanges()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, standard_, u"--unpaced"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        f.log.append(u"* start"_s);
        shell.programming().writeEngine().BBGravarClick();
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 5000);
        QCOMPARE(f.sentDuringRun(), (QStringList{u"inf"_s, u"vEr"_s}));
        QCOMPARE(shell.context().statusBar().progress(), 0);
    }

    void refusedParameter_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("refused");

        QTest::newRow("NO_PAR") << u"refuse:0103=NO_PAR"_s << u"EProgInstal"_s;
        QTest::newRow("errprg") << u"refuse:0102=errprg"_s << u"EProgEmpresa"_s;
    }

    // A refused parameter is sent once; its control is emptied and disabled, and the run goes on.
    void refusedParameter()
    {
        QFETCH(QString, fault);
        QFETCH(QString, refused);
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, standard_, u"--unpaced"_s, u"--fault"_s, fault});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        edit(shell, "EProgEmpresa", u"Nueva Empresa"_s);
        edit(shell, "EProgInstal", u"Marta Soler"_s);
        edit(shell, "EProgRef", u"Ala Sur"_s);
        const QString refusedCommand = command(shell, refused.toLatin1().constData(),
                                               shell.programming().model().field(refused)->value);

        f.log.append(u"* start"_s);
        shell.programming().writeEngine().BBGravarClick();
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 10000);

        const QStringList sent = f.sentDuringRun();
        QCOMPARE(sent.count(refusedCommand), 1);
        QVERIFY(sent.contains(command(shell, "EProgRef", u"Ala Sur"_s)));
        verifyHandedBack(f, shell, 2000);
        for (SingleField &field : shell.programming().model().fields()) {
            const QString name = QString::fromLatin1(field.binding->name);
            if (name == refused) {
                QCOMPARE(field.state, FieldState::Refused);
                QVERIFY(!field.enabled);
                QCOMPARE(field.value, QString());
            } else if (name == u"EProgEmpresa"_s || name == u"EProgInstal"_s || name == u"EProgRef"_s) {
                QCOMPARE(field.state, FieldState::Read);
                QVERIFY(field.enabled);
            }
        }
    }

    // The device stores a character the code page lacks as "?": the echo never matches. The item is
    // sent three times and left marked; the run goes on with the next one.
    void echoThatDiffers()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, standard_, u"--unpaced"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        GridModel *inputs = shell.programming().model().grid(u"SGEntrades");
        inputs->setText(3, 1, u"Ωmega"_s);
        inputs->setText(4, 1, u"Garaje"_s);
        edit(shell, "EProgEmpresa", u"Ωmega SL"_s);
        edit(shell, "EProgRef", u"Ala Sur"_s);
        if (QTest::currentTestFailed())
            return;
        const QString badRow = rowWrite(*inputs, 3).code + u"="_s;

        f.log.append(u"* start"_s);
        shell.programming().writeEngine().BBGravarClick();
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 15000);

        const QStringList sent = f.sentDuringRun();
        QCOMPARE(sent.count(command(shell, "EProgEmpresa", u"Ωmega SL"_s)), 3);
        QCOMPARE(sent.filter(QRegularExpression(u"^"_s + badRow)).size(), 3);
        QVERIFY(sent.contains(command(shell, "EProgRef", u"Ala Sur"_s)));
        QVERIFY(sent.contains(rowCommand(*inputs, 4)));
        verifyHandedBack(f, shell, 2000);
        QCOMPARE(shell.programming().model().field(u"EProgEmpresa")->state, FieldState::Modified);
        QCOMPARE(shell.programming().model().field(u"EProgRef")->state, FieldState::Read);
        QCOMPARE(dueRows(*inputs), QStringList{u"3"_s});
    }

    // No echo at all: six sends, then the run is given up quietly and the rest stays marked.
    void noEchoAbandonsTheRun()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, standard_, u"--unpaced"_s, u"--fault"_s, u"silent:0104"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        edit(shell, "EProgEmpresa", u"Nueva Empresa"_s);
        edit(shell, "EProgRef", u"Ala Sur"_s);
        edit(shell, "CBHora", u"13"_s);
        if (QTest::currentTestFailed())
            return;

        // The stream is off during a write, so nothing else feeds the link watchdog; at this test's
        // pace it would end the session long before the tries run out. Keep it fed, as a device
        // answering other traffic would.
        QTimer feed;
        QObject::connect(&feed, &QTimer::timeout, &shell, [&shell] { shell.device().link().tempsllegir = 100; });
        feed.start(50);

        f.log.append(u"* start"_s);
        shell.programming().writeEngine().BBGravarClick();
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 20000);
        feed.stop();

        const QStringList sent = f.sentDuringRun();
        QCOMPARE(sent.count(command(shell, "EProgRef", u"Ala Sur"_s)), WriteEngine::kTries);
        QVERIFY(sent.filter(shell.programming().model().field(u"CBHora")->code()).isEmpty());
        verifyHandedBack(f, shell, 1000);
        QVERIFY(f.harness.prompter.asked.isEmpty());
        QCOMPARE(shell.programming().model().field(u"EProgEmpresa")->state, FieldState::Read);
        QCOMPARE(shell.programming().model().field(u"EProgRef")->state, FieldState::Modified);
        QCOMPARE(shell.programming().model().field(u"CBHora")->state, FieldState::Modified);
        QVERIFY(!shell.device().link().llegirpag);
    }

    // The session ends while an item waits for its echo: the run stops there, sends nothing more,
    // and supervision finds the device again.
    void sessionLostDuringAWrite()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, standard_, u"--unpaced"_s, u"--fault"_s, u"silent:0104"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        edit(shell, "EProgRef", u"Ala Sur"_s);
        QSignalSpy ended(&shell.device().supervisor(), &LinkSupervisor::connectionEnded);

        f.log.append(u"* start"_s);
        shell.programming().writeEngine().BBGravarClick();
        QVERIFY(ended.wait(5000));
        f.log.append(u"* lost"_s);
        QVERIFY(!shell.programming().writeEngine().running());
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);

        const QStringList afterLoss = f.log.mid(f.indexOf(u"* lost"_s));
        QVERIFY(afterLoss.filter(u"> "_s + shell.programming().model().field(u"EProgRef")->code()).isEmpty());
        QVERIFY(f.count(u"* end"_s) == 0); // not reported as a finished write
    }

    // A changed first event row empties the device's event list once; every event the list holds
    // is then written back, the unchanged ones too, so none is lost.
    void eventListClearedOnceAndRewritten()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, bc600_, u"--unpaced"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        GridModel *events = shell.programming().model().grid(u"SGCentralBC600");
        events->setText(1, 6, u"Fuego/Fin de fuego"_s);
        events->setText(3, 6, u"Aviso/Fin de aviso"_s);
        QStringList rows; // every row that is not empty, as it is to be written
        for (int row = 1; row <= events->rows(); ++row) {
            if (!events->text(row, 1).isEmpty() || !events->text(row, 6).isEmpty())
                rows.append(rowCommand(*events, row));
        }
        QVERIFY(rows.size() > 3);

        f.log.append(u"* start"_s);
        shell.programming().writeEngine().BBGravarClick();
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 15000);

        const QStringList sent = f.sentDuringRun();
        QCOMPARE(sent.count(u"96xx=0"_s), 1);
        QStringList eventWrites = sent.filter(QRegularExpression(u"^96[0-9A-F]{2}="_s));
        QVERIFY(sent.indexOf(u"96xx=0"_s) < sent.indexOf(eventWrites.value(0)));
        QCOMPARE(eventWrites, rows);
        verifyHandedBack(f, shell, 2000);
        QCOMPARE(dueRows(*events), QStringList());
        QCOMPARE(events->text(3, 6), u"Aviso/Fin de aviso"_s);
    }

    // A page write on the Aguilera page with a changed zone list empties the list's four blocks and
    // writes the list back in the same run, with the page's changed controls and nothing else.
    void pageWriteRewritesClearedZoneList()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, aguilera_, u"--unpaced"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        GridModel *zones = shell.programming().model().grid(u"SGLlistatZonesAgui");
        zones->setText(5, 2, u"Almacén"_s);
        edit(shell, "EBaudsAgui", u"19200,N"_s);
        edit(shell, "EProgEmpresa", u"Otra página"_s);
        if (QTest::currentTestFailed())
            return;
        QStringList rows;
        for (int row = 1; row <= zones->rows(); ++row) {
            if (!zones->text(row, 2).isEmpty())
                rows.append(rowCommand(*zones, row));
        }
        QCOMPARE(rows.size(), 20);

        f.log.append(u"* start"_s);
        shell.programming().writeEngine().BBGravarPagClick(ProgPage::CentralAguilera);
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 15000);

        const QStringList sent = f.sentDuringRun();
        QCOMPARE(sent.mid(0, 4), (QStringList{u"91xx=0"_s, u"92xx=0"_s, u"93xx=0"_s, u"94xx=0"_s}));
        QCOMPARE(sent.value(4), command(shell, "EBaudsAgui", u"19200,N"_s));
        QCOMPARE(sent.mid(5, rows.size()), rows);
        QCOMPARE(sent.size(), 5 + rows.size() + 1);
        verifyHandedBack(f, shell, 2000);
        QCOMPARE(dueRows(*zones), QStringList());
        QCOMPARE(shell.programming().model().field(u"EBaudsAgui")->state, FieldState::Read);
        QCOMPARE(shell.programming().model().field(u"EProgEmpresa")->state, FieldState::Modified);
    }

    // Once the stream stops in the programming view with nothing waiting, the changes of the page on
    // top are written, and only those.
    void streamStopStartsTheWaitingPageWrite()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, standard_, u"--unpaced"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(shell.context().views().isShown(View::Programacio));
        QCOMPARE(shell.programming().writeEngine().camp_final(), 0);
        shell.programming().model().setActivePage(ProgPage::ConfigHard);
        edit(shell, "EProgRef", u"Ala Sur"_s);
        edit(shell, "EEmailPort", u"2525"_s);
        if (QTest::currentTestFailed())
            return;

        f.log.append(u"* start"_s);
        shell.device().link().espero = u"+inf"_s; // the stream-off answer is awaited, so supervision sees it
        shell.device().channel().sendCommand(u"inf"_s);
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(u"* end"_s) > 0, 10000);

        QCOMPARE(f.sentDuringRun(), (QStringList{u"inf"_s, command(shell, "EProgRef", u"Ala Sur"_s), u"vEr"_s}));
        QCOMPARE(shell.programming().model().field(u"EProgRef")->state, FieldState::Read);
        QCOMPARE(shell.programming().model().field(u"EEmailPort")->state, FieldState::Modified);
    }

    // "Initialized" ends the restore and a full read brings the factory values in.
    void factoryRestoreIsFollowedByAFullRead()
    {
        WriteFixture f;
        Shell &shell = f.connectAndRead({u"--config"_s, standard_, u"--unpaced"_s});
        readDevice(f, shell);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(shell.programming().model().field(u"EProgEmpresa")->value, u"Protecciones Ibéricas SL"_s);
        const qsizetype reads = f.count(u"* read"_s);

        f.log.append(u"* start"_s);
        shell.programming().writeEngine().GravarperDefecte();
        QCOMPARE(shell.context().statusBar().panel(1), u"Restaurando"_s);
        QTRY_VERIFY_WITH_TIMEOUT(f.count(u"* read"_s) > reads, 10000);

        const qsizetype start = f.indexOf(u"* start"_s);
        const qsizetype restore = f.log.indexOf(u"> Xxxx=0"_s, start);
        const qsizetype initialised = f.log.indexOf(u"< +Xxxx:Initialized"_s, start);
        const qsizetype read = f.log.indexOf(u"> Xxxx"_s, start);
        QVERIFY(restore > start);
        QVERIFY(initialised > restore);
        QVERIFY(read > initialised);
        QCOMPARE(f.log.mid(start).count(u"> Xxxx=0"_s), 1);
        QVERIFY(!shell.programming().writeEngine().running());
        QCOMPARE(shell.programming().writeEngine().camp_final(), 0);
        QCOMPARE(shell.programming().model().field(u"EProgEmpresa")->value, QString());
        QCOMPARE(shell.programming().model().field(u"EProgEmpresa")->state, FieldState::Read);
    }
};

QTEST_GUILESS_MAIN(TestWriteEngine)
#include "test_write_engine.moc"
