#include "TransferSession.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace Qt::StringLiterals;

namespace {

using test::connected;
using test::kTimeDivisor;
using test::waitForQuietLink;

// One value the model must hold: a single control (row -1) or a grid cell.
struct Expected
{
    QString control;
    int row = -1;
    int column = -1;
    QString value;
};
using Expectations = QList<Expected>;

Expected field(const char *name, const QString &value)
{
    return {QString::fromLatin1(name), -1, -1, value};
}

Expected cell(const char *grid, int row, int column, const QString &value)
{
    return {QString::fromLatin1(grid), row, column, value};
}

// Every expectation the model does not meet, one line each.
QStringList mismatches(ConfigurationModel &model, const Expectations &expected)
{
    QStringList wrong;
    for (const Expected &e : expected) {
        QString actual;
        if (e.row < 0) {
            const SingleField *f = model.field(e.control);
            if (!f) {
                wrong.append(e.control + QStringLiteral(": no such field"));
                continue;
            }
            actual = f->value;
        } else {
            const GridModel *g = model.grid(e.control);
            if (!g) {
                wrong.append(e.control + QStringLiteral(": no such grid"));
                continue;
            }
            actual = g->text(e.row, e.column);
        }
        if (actual != e.value) {
            const QString where = e.row < 0 ? e.control : QStringLiteral("%1[%2,%3]").arg(e.control).arg(e.row).arg(e.column);
            wrong.append(QStringLiteral("%1 holds \"%2\", expected \"%3\"").arg(where, actual, e.value));
        }
    }
    return wrong;
}

// Whatever the write engine would take as the installer's change: a data cell that differs from its
// shadow or carries a changed flag, a field marked as changed.
QStringList modifiedItems(ConfigurationModel &model)
{
    QStringList modified;
    for (const auto &grid : model.grids()) {
        for (int row = 1; row <= grid->rows(); ++row) {
            for (int column = 0; column < grid->columns(); ++column) {
                if (grid->isModified(row, column))
                    modified.append(QStringLiteral("%1[%2,%3]").arg(grid->name()).arg(row).arg(column));
            }
        }
    }
    for (const SingleField &f : model.fields()) {
        if (f.state == FieldState::Modified)
            modified.append(QString::fromLatin1(f.binding->name));
    }
    return modified;
}

// The tool on a simulated device; "* end" marks where the read engine reported a read over.
struct ReadFixture : test::TransferSession
{
    Shell &connect(const QStringList &deviceOptions)
    {
        Shell &shell = open(deviceOptions);
        QObject::connect(&shell.programming().readEngine(), &ReadEngine::readFinished, &shell, [this] { markEnd(); });
        activate();
        return shell;
    }

    // Whether a line starting so arrived after the read engine reported the read over.
    bool receivedAfterEnd(const QString &prefix) const
    {
        const qsizetype end = indexOf(QStringLiteral("* end"));
        for (qsizetype i = end + 1; end >= 0 && i < log.size(); ++i) {
            if (log.at(i).startsWith(QStringLiteral("< ") + prefix))
                return true;
        }
        return false;
    }

    // The last command sent before the read engine reported the read over.
    QString lastSentBeforeEnd() const
    {
        for (qsizetype i = indexOf(QStringLiteral("* end")) - 1; i >= 0; --i) {
            if (log.at(i).startsWith(QLatin1String("> ")))
                return log.at(i).mid(2);
        }
        return {};
    }
};

// What every read leaves behind: the link handed back to supervision after a "vEr", the status bar
// quiet, no transfer state left over.
void verifyHandedBack(const ReadFixture &f, Shell &shell, int supervisionMs)
{
    QCOMPARE(f.lastSentBeforeEnd(), QStringLiteral("vEr"));
    QCOMPARE(f.supervisionMsAtEnd, supervisionMs / kTimeDivisor);
    QVERIFY(!shell.programming().readEngine().TimerLlegir.isActive());
    QCOMPARE(shell.context().statusBar().panel(1), QString());
    QVERIFY(!shell.context().activity().running());
    QVERIFY(!shell.context().statusBar().progressVisible());
    QVERIFY(!shell.device().link().llegirpag);
    QVERIFY(shell.device().link().puntercamp.isEmpty());
    // Left waiting for operators, the dispatcher would take every later line for one of theirs.
    QVERIFY(shell.device().link().espero != QLatin1String("+85xx"));
    // The device answers, and the session outlives the next polls.
    QTRY_VERIFY_WITH_TIMEOUT(f.receivedAfterEnd(QStringLiteral("+vEr:")), 3000);
    QTest::qWait(2 * 5000 / kTimeDivisor);
    QVERIFY(connected(shell));
}

} // namespace

Q_DECLARE_METATYPE(Expected)
Q_DECLARE_METATYPE(quelta::ProgPage)

class TestReadEngine : public QObject
{
    Q_OBJECT

    QTemporaryDir configs_;
    QString configHard_;
    QString quietStandard_;
    QString quietAguilera_;
    QString chattyConfig_;

private slots:
    void initTestCase()
    {
        QVERIFY(configs_.isValid());
        // Status frames once a minute, so that no frame falls between a reply and its handling.
        configHard_ = test::deviceVariant(configs_, QStringLiteral("hard.json"), QStringLiteral("bc600.json"),
                              R"("framePeriodMs": 60000, "parameters": {"0120": "-3", "0106": "1011"})");
        quietStandard_ = test::deviceVariant(configs_, QStringLiteral("standard.json"), QStringLiteral("standard.json"),
                                 R"("framePeriodMs": 60000, "parameters": {"1132": "1"})");
        quietAguilera_ = test::deviceVariant(configs_, QStringLiteral("aguilera.json"), QStringLiteral("aesa.json"),
                                 R"("framePeriodMs": 60000)");
        // Frequent frames keep the watchdog fed while a request goes unanswered.
        chattyConfig_ = test::deviceVariant(configs_, QStringLiteral("chatty.json"), QStringLiteral("standard.json"),
                                R"("framePeriodMs": 200, "parameters": {"0120": "-3"})");
    }

    void wholeDeviceRead_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<Expectations>("expected");

        QTest::newRow("BC600") << test::SimulatedDevice::config(QStringLiteral("bc600.json"))
                               << Expectations{
                                      field("EProgEmpresa", u"Protecciones Ibéricas SL"_s),
                                      field("EProgRef", u"Hospital Comarcal Ala Norte"_s),
                                      field("ECentral", u"BC600"_s),
                                      field("EIPCra21", u"cra2.example.net"_s),
                                      field("EAbonatCra21", u"0087"_s),
                                      field("EEmail2", u"jefe.turno@example.net"_s),
                                      // Every field of a shared code takes the value.
                                      field("EImportarFitxerBC600", u"EVENTOS_BC600.TXT"_s),
                                      field("EImportarFitxerCofem", u"EVENTOS_BC600.TXT"_s),
                                      field("EBaudsAgui", u"9600,N"_s),
                                      field("CBHora", u"11"_s),
                                      field("CLBPartsActives", u"1111"_s),
                                      field("CBConfigADSLDHCP", u"1"_s),
                                      field("CBHexaCra", u"0"_s),
                                      cell("SGEntrades", 1, 1, u"Pulsador"_s),
                                      cell("SGEntrades", 3, 4, u"1"_s),
                                      cell("SGEntrades", 16, 1, u"Entrada 16"_s),
                                      cell("SGSortidesEnt", 1, 2, u"1"_s),
                                      cell("SGSortidesEnt", 1, 3, u"0"_s),
                                      cell("SGPerduaCOM", 3, 4, u"354"_s),
                                      cell("SGOperadores", 2, 1, u"airtelwap.es"_s),
                                      cell("SGBCApp", 1, 0, u"1"_s),
                                      cell("SGCentralBC600", 1, 1, u"0001"_s),
                                      cell("SGCentralBC600", 1, 2, u"1"_s),
                                      cell("SGCentralBC600", 1, 5, u"110"_s),
                                      cell("SGCentralBC600", 1, 6, u"Alarma de incendio/Fin de alarma de incendio"_s),
                                      cell("SGCentralBC600", 7, 1, u"0017"_s),
                                      cell("SGCentralBC600", 8, 1, u"0023"_s),
                                      cell("SGCentralBC600", 8, 6, u"Fallo de red/Red restablecida"_s),
                                      cell("SGCentralBC600", 255, 1, QString()),
                                      // The other panels of the shared event block are not shown.
                                      cell("SGCentralSyncro", 1, 6, QString()),
                                      cell("SGCentralID3000", 1, 6, QString()),
                                  };

        QTest::newRow("AE/SA") << test::SimulatedDevice::config(QStringLiteral("aesa.json"))
                               << Expectations{
                                      field("EProgEmpresa", u"Protecciones Ibéricas SL"_s),
                                      field("EProgRef", u"Nave Logística Zaragoza"_s),
                                      field("ECentral", u"AE/SA"_s),
                                      field("EImportarFitxer", u"ZONAS_NAVE.TXT"_s),
                                      field("EBaudsAgui", u"9600,E"_s),
                                      cell("SGEntrades", 1, 1, u"Pulsador"_s),
                                      cell("SGOperadores", 4, 0, u"Yoigo"_s),
                                      cell("SGCentralAgui", 1, 1, u"1"_s),
                                      cell("SGCentralAgui", 1, 4, u"110"_s),
                                      cell("SGCentralAgui", 1, 5, u"Alarma zona/Fin alarma zona"_s),
                                      cell("SGCentralAgui", 9, 5, u"Fallo de tierra/Fin fallo de tierra"_s),
                                      cell("SGLlistatZonesAgui", 1, 1, u"110"_s),
                                      cell("SGLlistatZonesAgui", 1, 2, u"Recepción"_s),
                                      cell("SGLlistatZonesAgui", 7, 1, u"115"_s),
                                      cell("SGLlistatZonesAgui", 12, 2, u"Sala de calderas"_s),
                                      cell("SGLlistatZonesAgui", 256, 2, u"Zona 256"_s),
                                      cell("SGLlistatZonesAgui", 1023, 0, u"1023"_s),
                                      cell("SGLlistatZonesAgui", 1023, 1, u"110"_s),
                                      cell("SGLlistatZonesAgui", 1023, 2, u"Zona 1023"_s),
                                  };
    }

    // "Prog." on a device never read: the whole device arrives as one stream and fills the model.
    void wholeDeviceRead()
    {
        QFETCH(QString, config);
        QFETCH(Expectations, expected);
        ReadFixture f;
        Shell &shell = f.connect({QStringLiteral("--config"), config, QStringLiteral("--unpaced")});
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
        waitForQuietLink(f, shell);
        if (QTest::currentTestFailed())
            return;

        f.log.append(QStringLiteral("* start"));
        shell.programming().BBProgClick();
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(QStringLiteral("* end")) > 0, 10000);

        const QStringList sent = f.sentDuringRun();
        QCOMPARE(sent.count(QStringLiteral("Xxxx")), 1);
        QVERIFY(sent.indexOf(QStringLiteral("inf")) >= 0);
        QVERIFY(sent.indexOf(QStringLiteral("inf")) < sent.indexOf(QStringLiteral("Xxxx")));
        QVERIFY(f.indexOf(QStringLiteral("< +Xxxx:Ok")) < f.indexOf(QStringLiteral("* end")));
        QCOMPARE(f.count(QStringLiteral("* end")), 1);
        QVERIFY(shell.programming().readEngine().progllegida());
        verifyHandedBack(f, shell, 1000);
        if (QTest::currentTestFailed())
            return;

        const QStringList wrong = mismatches(shell.programming().model(), expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        // What was read is what the device has: nothing to write back.
        QCOMPARE(modifiedItems(shell.programming().model()), QStringList());

        shell.programming().model().Esborra_param();
        QCOMPARE(modifiedItems(shell.programming().model()), QStringList());
        QCOMPARE(shell.programming().model().field(u"EProgEmpresa")->value, QString());
        QCOMPARE(shell.programming().model().grid(u"SGLlistatZonesAgui")->text(1, 2), QString());
    }

    // The answer to a poll still on its way when the whole read starts arrives within the stream:
    // supervision stays out of it, and the read ends normally.
    void wholeReadWithAPollAnswerInFlight()
    {
        ReadFixture f;
        Shell &shell = f.connect({QStringLiteral("--config"), test::SimulatedDevice::config(QStringLiteral("aesa.json"))});
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
        waitForQuietLink(f, shell);
        if (QTest::currentTestFailed())
            return;

        f.log.append(QStringLiteral("* start"));
        shell.device().channel().sendCommand(QStringLiteral("vEr"));
        shell.device().channel().sendCommand(QStringLiteral("Inf"));
        shell.programming().BBProgClick();
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(QStringLiteral("* end")) > 0, 10000);

        const qsizetype stream = f.indexOf(QStringLiteral("> Xxxx"));
        const qsizetype streamEnd = f.indexOf(QStringLiteral("< +Xxxx:Ok"));
        QVERIFY(stream > 0 && streamEnd > stream);
        QCOMPARE(f.log.mid(stream, streamEnd - stream).filter(QRegularExpression(QStringLiteral("^> "))),
                 QStringList{QStringLiteral("> Xxxx")});
        QVERIFY(shell.programming().readEngine().progllegida());
        QVERIFY(connected(shell));
    }

    // The device falls silent in the middle of the stream: the session ends, the read stops, and
    // once the device answers again supervision finds it.
    void sessionLostDuringAWholeRead()
    {
        ReadFixture f;
        Shell &shell = f.connect({QStringLiteral("--config"), test::SimulatedDevice::config(QStringLiteral("aesa.json"))});
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
        waitForQuietLink(f, shell);
        if (QTest::currentTestFailed())
            return;
        QSignalSpy ended(&shell.device().supervisor(), &LinkSupervisor::connectionEnded);

        shell.programming().BBProgClick();
        QTRY_VERIFY_WITH_TIMEOUT(f.count(QStringLiteral("< +91")) > 100, 5000);
        f.device.pause();
        QVERIFY(ended.wait(5000));
        QCOMPARE(shell.device().link().puntercamp, QString());
        QVERIFY(!shell.programming().readEngine().progllegida());
        f.device.resume();
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
        QCOMPARE(f.count(QStringLiteral("* end")), 0);
    }

    void pageRead_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<quelta::ProgPage>("page");
        QTest::addColumn<QStringList>("singles");   // each asked for on its own, once
        QTest::addColumn<QStringList>("wildcards"); // the block requests, in this order
        QTest::addColumn<QString>("endLine");       // the read is over only after this line
        QTest::addColumn<int>("supervisionMs");     // how soon supervision polls again
        QTest::addColumn<Expectations>("expected");

        QTest::newRow("Config. hard")
            << configHard_ << ProgPage::ConfigHard
            << QStringList{u"0102"_s, u"0103"_s, u"0104"_s, u"0105"_s, u"0108"_s, u"0212"_s, u"0213"_s,
                           u"0214"_s, u"0215"_s, u"0216"_s, u"1590"_s, u"0111"_s, u"0200"_s, u"6600"_s,
                           u"0211"_s, u"0106"_s, u"0120"_s}
            << QStringList{u"85xx"_s} << u"+85xx:Ok"_s << 1000
            << Expectations{
                   field("EProgEmpresa", u"Protecciones Ibéricas SL"_s),
                   field("EProgRef", u"Hospital Comarcal Ala Norte"_s),
                   field("EConfigADSLGateway", u"192.168.1.1"_s),
                   field("ECentral", u"BC600"_s),
                   field("EMAC", u"00:1E:C0:4A:7B:21"_s),
                   field("EPinSIM", u"1234"_s),
                   field("CBConfigADSLDHCP", u"1"_s),
                   field("CLBPartsActives", u"1011"_s),
                   field("CBHora", u"7"_s),
                   cell("SGOperadores", 0, 0, u"   Operadora: "_s),
                   cell("SGOperadores", 1, 0, u"Movistar"_s),
                   cell("SGOperadores", 2, 3, u"wap125"_s),
                   cell("SGOperadores", 4, 1, u"internet"_s),
                   cell("SGOperadores", 5, 0, QString()),
                   // Other pages are left alone.
                   field("EEMailSMTP", QString()),
                   cell("SGEntrades", 1, 1, QString()),
               };

        // No block ends this page: its last answer does, and supervision takes its time to come back.
        QTest::newRow("Config. soft")
            << quietStandard_ << ProgPage::ConfigSoft
            << QStringList{u"2001"_s, u"2002"_s, u"2003"_s, u"2004"_s, u"2101"_s, u"2102"_s, u"3111"_s, u"3114"_s,
                           u"3101"_s, u"3104"_s, u"1101"_s, u"1111"_s, u"1104"_s, u"1114"_s, u"1121"_s, u"1124"_s,
                           u"1010"_s, u"1131"_s, u"1132"_s}
            << QStringList{} << QString() << 3000
            << Expectations{
                   field("EEMailSMTP", u"smtp.example.net"_s),
                   field("EEMailPassword", u"Sm7pX2qa"_s),
                   field("EEmailSubject", u"Aviso Quelta"_s),
                   field("ETelSMS1", u"+34600111222;+34600333444"_s),
                   field("EEmail2", u"jefe.turno@example.net"_s),
                   field("EIPCra21", u"cra2.example.net"_s),
                   field("EPortCRA21", u"5002"_s),
                   field("EAbonatCra21", u"0087"_s),
                   field("EPollingCRA1", u"60"_s),
                   field("CBHexaCra", u"1"_s),
                   cell("SGCra", 1, 0, u"1"_s),
                   field("EProgEmpresa", QString()),
               };

        QTest::newRow("Usuario")
            << quietStandard_ << ProgPage::Usuari << QStringList{} << QStringList{u"3xxx"_s} << u"+3xxx:Ok"_s << 1000
            << Expectations{
                   cell("SGEntrades", 1, 1, u"Pulsador"_s),
                   cell("SGEntrades", 1, 2, u"2"_s),
                   cell("SGEntrades", 3, 4, u"1"_s),
                   cell("SGEntrades", 16, 1, u"Entrada 16"_s),
                   cell("SGEntradesOpc", 1, 3, u"115"_s),
                   cell("SGEntradesOpc", 16, 4, u"Entrada 16 disparada/Entrada 16 restaurada"_s),
                   cell("SGSortides", 2, 1, u"0"_s),
                   cell("SGSortides", 2, 2, u"1"_s),
                   cell("SGSortides", 2, 7, u"1"_s),
                   cell("SGSortidesTemps", 2, 1, u"Piloto aver."_s),
                   cell("SGSortidesTemps", 2, 3, u"5"_s),
                   cell("SGSortidesEnt", 1, 1, u"1"_s),
                   cell("SGSortidesEnt", 1, 3, u"0"_s),
                   cell("SGSortidesOpc", 4, 4, u"Salida 4 activada/Salida 4 desactivada"_s),
                   cell("SGInici", 1, 4, u"Inicio del sistema"_s),
                   cell("SGTest", 1, 0, u"Test"_s),
                   cell("SGTest", 1, 2, u"10:00"_s),
                   cell("SGTamper", 1, 0, u"Tamper"_s),
                   cell("SGTamper", 1, 1, u"190"_s),
                   cell("SGAlim", 1, 0, u"Alimentación"_s),
                   cell("SGTestOpc", 1, 3, u"602"_s),
                   cell("SGTamperOpc", 1, 4, u"Tamper abierto/Tamper cerrado"_s),
                   cell("SGAlimOpc", 1, 3, u"301"_s),
                   cell("SGPerduaCOM", 3, 4, u"354"_s),
                   cell("SGPerduaCOM", 5, 5, u"Pérdida COM/Recuperación COM"_s),
                   field("EProgEmpresa", QString()),
               };

        QTest::newRow("Aguilera")
            << quietAguilera_ << ProgPage::CentralAguilera << QStringList{u"9000"_s, u"1500"_s}
            << QStringList{u"90xx"_s, u"9xxx"_s} << u"+9xxx:Ok"_s << 1000
            << Expectations{
                   field("EImportarFitxer", u"ZONAS_NAVE.TXT"_s),
                   field("EBaudsAgui", u"9600,E"_s),
                   cell("SGCentralAgui", 1, 1, u"1"_s),
                   cell("SGCentralAgui", 1, 5, u"Alarma zona/Fin alarma zona"_s),
                   cell("SGCentralAgui", 2, 3, u"1"_s),
                   cell("SGCentralAgui", 9, 4, u"310"_s),
                   cell("SGLlistatZonesAgui", 1, 2, u"Recepción"_s),
                   cell("SGLlistatZonesAgui", 7, 1, u"115"_s),
                   cell("SGLlistatZonesAgui", 1023, 2, u"Zona 1023"_s),
                   field("EProgEmpresa", QString()),
                   cell("SGEntrades", 1, 1, QString()),
               };
    }

    // "Leer" on a page: its controls one by one, its grids by wildcard, then its trailing blocks.
    void pageRead()
    {
        QFETCH(QString, config);
        QFETCH(quelta::ProgPage, page);
        QFETCH(QStringList, singles);
        QFETCH(QStringList, wildcards);
        QFETCH(QString, endLine);
        QFETCH(int, supervisionMs);
        QFETCH(Expectations, expected);
        ReadFixture f;
        Shell &shell = f.connect({QStringLiteral("--config"), config, QStringLiteral("--unpaced")});
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
        shell.context().views().setPanelmostrat(View::Programacio);
        shell.programming().model().setVisiblePanelPage(panelPageFor(shell.device().link().central));
        waitForQuietLink(f, shell);
        if (QTest::currentTestFailed())
            return;

        f.log.append(QStringLiteral("* start"));
        shell.programming().readEngine().BBLlegirPagClick(page);
        QTRY_VERIFY_WITH_TIMEOUT(f.indexOf(QStringLiteral("* end")) > 0, 10000);

        const QStringList sent = f.sentDuringRun();
        for (const QString &code : singles)
            QVERIFY2(sent.count(code) == 1, qPrintable(code + QStringLiteral(" sent ") + QString::number(sent.count(code))));
        QStringList blocks;
        for (const QString &command : sent) {
            if (command.contains(QLatin1Char('x')))
                blocks.append(command);
        }
        QCOMPARE(blocks, wildcards);
        if (!wildcards.isEmpty()) {
            // The trailing block comes after every control of the page, and its end line ends the read.
            for (const QString &code : singles)
                QVERIFY(sent.indexOf(code) < sent.indexOf(wildcards.last()));
            const qsizetype endOfStream = f.indexOf(QStringLiteral("< ") + endLine);
            QVERIFY2(endOfStream > 0, qPrintable(endLine + QStringLiteral(" never arrived")));
            QVERIFY(endOfStream < f.indexOf(QStringLiteral("* end")));
        }
        QCOMPARE(f.count(QStringLiteral("* end")), 1);
        QVERIFY(shell.programming().readEngine().progllegida());
        verifyHandedBack(f, shell, supervisionMs);
        if (QTest::currentTestFailed())
            return;

        const QStringList wrong = mismatches(shell.programming().model(), expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        QCOMPARE(modifiedItems(shell.programming().model()), QStringList());
    }

    void pageReadRunsOutOfTries_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("neverSent");
        QTest::addColumn<Expectations>("expected");

        // The page stays as far as it was read: the controls before the silent one hold their values.
        QTest::newRow("a control never answered")
            << u"silent:0111"_s << QStringList{u"0200"_s, u"0120"_s, u"85xx"_s}
            << Expectations{
                   field("EProgEmpresa", u"Protecciones Ibéricas SL"_s),
                   field("EConfigADSLDNS2", u"8.8.4.4"_s),
                   field("ECodiProg", QString()),
                   field("EMAC", QString()),
                   field("CBHora", QString()),
                   cell("SGOperadores", 1, 0, QString()),
               };
        // Without its end line the operators block never completes the read; the device's status
        // frames must not keep it waiting for ever.
        QTest::newRow("operators block cut short")
            << u"stopstream:4"_s << QStringList{}
            << Expectations{
                   field("EProgEmpresa", u"Protecciones Ibéricas SL"_s),
                   field("CBHora", u"7"_s),
                   cell("SGOperadores", 3, 0, u"Orange"_s),
                   cell("SGOperadores", 4, 0, u"Yoigo"_s),
                   cell("SGOperadores", 5, 0, QString()),
               };
    }

    void pageReadRunsOutOfTries()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, neverSent);
        QFETCH(Expectations, expected);
        ReadFixture f;
        Shell &shell = f.connect({QStringLiteral("--config"), chattyConfig_, QStringLiteral("--unpaced"),
                                  QStringLiteral("--fault"), fault});
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
        shell.context().views().setPanelmostrat(View::Programacio);
        waitForQuietLink(f, shell);
        if (QTest::currentTestFailed())
            return;

        f.log.append(QStringLiteral("* start"));
        shell.programming().readEngine().BBLlegirPagClick(ProgPage::ConfigHard);
        // Six tries of three seconds at most.
        const bool ended = QTest::qWaitFor([&f] { return f.indexOf(QStringLiteral("* end")) > 0; }, 20000);
        QVERIFY2(ended, "the read was not abandoned");

        QCOMPARE(f.count(QStringLiteral("< +85xx:Ok")), 0);
        const QStringList sent = f.sentDuringRun();
        for (const QString &code : neverSent)
            QVERIFY2(!sent.contains(code), qPrintable(code));
        // Abandoned, not completed: entering the programming view must still read the device.
        QVERIFY(!shell.programming().readEngine().progllegida());
        verifyHandedBack(f, shell, 1000);
        if (QTest::currentTestFailed())
            return;

        const QStringList wrong = mismatches(shell.programming().model(), expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));

        shell.programming().model().Esborra_param();
        QCOMPARE(modifiedItems(shell.programming().model()), QStringList());
        for (const SingleField &cleared : shell.programming().model().fields())
            QVERIFY2(cleared.state == FieldState::Empty, cleared.binding->name);
    }
};

QTEST_GUILESS_MAIN(TestReadEngine)
#include "test_read_engine.moc"
