#include "core/templates/Templates.h"
#include "core/transfer/RowValues.h"

#include "ShellHarness.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace quelta;

namespace {

// A shell with its fields bound and cleared, in the programming view, and its templates.
struct Fixture
{
    test::ShellHarness harness;
    Shell &shell = harness.create();
    std::unique_ptr<Templates> templates;

    Fixture()
    {
        if (!shell.loadDictionaries())
            qFatal("the dictionaries did not load");
        shell.Esborra_Camps();
        shell.context().views().setPanelmostrat(View::Programacio);
        templates = std::make_unique<Templates>(shell.programming().model(), shell.device().link(),
                                                shell.context().activity(), shell.context().views(),
                                                shell.device().lock(), harness.prompter);
    }

    ConfigurationModel &model() { return shell.programming().model(); }
    SingleField &field(const char *name) { return *model().field(QString::fromLatin1(name)); }
    GridModel &grid(const char *name) { return *model().grid(QString::fromLatin1(name)); }

    // A device of that panel type answers, its tab is shown and its panel-type field is read.
    void connect(const QString &central)
    {
        LinkState &link = shell.device().link();
        link.circuit = true;
        link.circuittrobat = true;
        link.central = central;
        model().setVisiblePanelPage(panelPageFor(central));
        model().storeField(field("ECentral"), central, CheckListRule::Stream);
    }

    // Every field read with a value of its own; rows 1 to 3 of every grid read, then a text cell
    // of row 1 edited and a check cell of row 2 clicked.
    void fillEverything()
    {
        for (SingleField &f : model().fields()) {
            if (f.number <= 0 || f.binding->readOnly)
                continue;
            QString value;
            switch (f.binding->kind) {
            case FieldKind::Edit:
                value = f.binding->part >= 0 ? QStringLiteral("10;20;30") : QStringLiteral("v%1 ñ").arg(f.number);
                break;
            case FieldKind::Combo: value = QStringLiteral("-5"); break;
            case FieldKind::CheckBox: value = QStringLiteral("1"); break;
            case FieldKind::CheckList: value = QStringLiteral("1010"); break;
            }
            model().storeField(f, value, CheckListRule::PageRead);
        }
        for (const auto &g : model().grids()) {
            const int first = g->binding().fixedColumn ? 1 : 0;
            int textColumn = -1;
            int flagColumn = -1;
            for (int row = 1; row <= std::min(3, g->rows()); ++row) {
                QStringList cells;
                for (int column = first; column < g->columns(); ++column) {
                    const bool flag = g->isFlagColumn(column);
                    (flag ? flagColumn : textColumn) = column;
                    cells.append(flag ? QString::number((row + column) % 2)
                                      : QStringLiteral("%1 %2.%3").arg(g->name().mid(2, 5)).arg(row).arg(column));
                }
                g->storeRow(row, cells);
            }
            if (textColumn >= 0)
                g->setText(1, textColumn, QStringLiteral("editado ñ"));
            if (flagColumn >= 0 && g->rows() >= 2)
                g->toggleCheck(2, flagColumn);
        }
    }

    QStringList rowCells(const char *name, int row)
    {
        QStringList cells;
        for (int column = 0; column < grid(name).columns(); ++column)
            cells.append(grid(name).text(row, column));
        return cells;
    }

    TemplateResult loadLines(const QStringList &lines) { return templates->Carrega_dades_fitxer(lines); }
};

QStringList names(const QStringList &lines)
{
    QStringList found;
    for (const QString &line : lines.mid(1))
        found.append(line.section(QLatin1Char('='), 0, 0));
    return found;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What loading a template adds to the count: one per control or row, three per door-time line
// (its three fields); the panel type is never loaded.
int expectedCount(const QStringList &lines)
{
    int count = 0;
    for (const QString &name : names(lines)) {
        const int number = name.toInt();
        count += name == QLatin1String("1590") ? 0 : number >= 4040 && number <= 4043 ? 3 : 1;
    }
    return count;
}

Templates::PathChooser chosen(const QString &path)
{
    return [path] { return path; };
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    // Every grid kind, under the tab of each panel type: a complete template loaded into another
    // device of that panel gives back the same template, with every item marked and counted.
    void completeRoundTrip_data()
    {
        QTest::addColumn<QString>("central");
        QTest::newRow("no fire panel") << QString();
        QTest::newRow("Aguilera") << "AE/SA";
        QTest::newRow("BC600") << "BC600";
        QTest::newRow("doors") << "Puertas";
        QTest::newRow("industrial") << "Fred";
        QTest::newRow("Cofem") << "Cofem";
        QTest::newRow("Urano") << "Urano";
        QTest::newRow("Syncro") << "Syncro";
        QTest::newRow("Bosch") << "Bosch";
        QTest::newRow("AD300") << "AD300";
        QTest::newRow("Supra") << "Supra";
        QTest::newRow("Zafir") << "Cofem-A";
        QTest::newRow("ID3000") << "ID3000";
    }
    void completeRoundTrip()
    {
        QFETCH(QString, central);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("equipo.pla"));

        Fixture source;
        source.connect(central);
        source.fillEverything();
        QVERIFY(source.templates->save(path, TemplateScope::Complete).ok());
        const QStringList saved = source.templates->templateLines(TemplateScope::Complete);
        QCOMPARE(saved.first(), QStringLiteral("PLANTILLA COMPLETA"));
        const QString panel = central.isEmpty() ? QStringLiteral("Estandar") : central;
        QVERIFY(saved.contains(QStringLiteral("1590=%1 {}").arg(panel)));

        Fixture target;
        target.connect(central);
        QVERIFY(target.templates->load(path).ok());
        QCOMPARE(target.templates->templateLines(TemplateScope::Complete), saved);
        QCOMPARE(target.model().ncampsModificats(), expectedCount(saved));
        QCOMPARE(target.field("EProgEmpresa").state, FieldState::Modified);
        QCOMPARE(target.field("ECentral").state, FieldState::Read);
        for (const auto &g : target.model().grids()) {
            if (!target.model().isPageVisible(g->binding().page) || g->name() == QLatin1String("SGEquipIndus"))
                continue;
            QVERIFY2(rowDue(*g, 1), qPrintable(g->name()));
        }
    }

    void tabsDecidePanelItems_data()
    {
        QTest::addColumn<int>("page"); // -1: no panel tab shown
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("Aguilera shown") << int(ProgPage::CentralAguilera)
                                        << QStringList{"9000", "1500", "9001", "9101", "9103"}
                                        << QStringList{"9500", "9601", "4001", "9104"};
        QTest::newRow("Aguilera hidden") << int(ProgPage::CentralBC600)
                                         << QStringList{"9500", "1500", "9601", "1141"}
                                         << QStringList{"9000", "9001", "9101"};
        QTest::newRow("doors") << int(ProgPage::Portes)
                               << QStringList{"4001", "4040", "4043", "4010", "401F"}
                               << QStringList{"1500", "9000", "9601"};
        QTest::newRow("no panel tab") << -1 << QStringList{"102", "120", "211", "106", "8501", "3605"}
                                      << QStringList{"1500", "9000", "9500", "9750", "4001", "4010", "200"};
    }
    void tabsDecidePanelItems()
    {
        QFETCH(int, page);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        Fixture f;
        f.fillEverything();
        f.model().setVisiblePanelPage(page < 0 ? std::nullopt : std::optional(static_cast<ProgPage>(page)));
        const QStringList saved = names(f.templates->templateLines(TemplateScope::Complete));
        for (const QString &name : present)
            QVERIFY2(saved.contains(name), qPrintable(name));
        for (const QString &name : absent)
            QVERIFY2(!saved.contains(name), qPrintable(name));
        // Shared codes are saved once: the baud rate of the shown tab, each door's three times.
        for (const char *shared : {"1500", "4040", "4043"})
            QVERIFY(saved.count(QLatin1String(shared)) <= 1);
    }

    void itemOrderAndValues()
    {
        Fixture f;
        f.fillEverything();
        const QStringList lines = f.templates->templateLines(TemplateScope::Complete);
        const QStringList order = names(lines);
        // Edits, then the time-zone list, the check boxes, the check-list box, then the grids.
        QVERIFY(order.indexOf(QStringLiteral("6600")) < order.indexOf(QStringLiteral("120")));
        QVERIFY(order.indexOf(QStringLiteral("120")) < order.indexOf(QStringLiteral("211")));
        QVERIFY(order.indexOf(QStringLiteral("1132")) < order.indexOf(QStringLiteral("106")));
        QVERIFY(order.indexOf(QStringLiteral("106")) < order.indexOf(QStringLiteral("8501")));
        QVERIFY(order.indexOf(QStringLiteral("3605")) == order.size() - 5);
        QVERIFY(lines.contains(QStringLiteral("120=-05 {}")));
        QVERIFY(lines.contains(QStringLiteral("106=1010 {}")));
        QVERIFY(lines.contains(QStringLiteral("1590=Estandar {}")));
        // Check columns come from the shadow: input 2's flag was clicked from 0 to 1.
        QCOMPARE(f.grid("SGEntrades").text(2, 4), QStringLiteral("0"));
        QVERIFY(lines.contains(QStringLiteral("3002=Entra 2.1;Entra 2.2;Entra 2.3;1 {}")));
        QVERIFY(lines.contains(QStringLiteral("8501=Opera 1.0;Opera 1.1;Opera 1.2;editado ñ; {}")));
        QVERIFY(!order.contains(QStringLiteral("8504")));
    }

    void descriptionsAreTheHintsSecondLine()
    {
        Fixture f;
        f.templates->setHintSource([](const QString &name) {
            return name == QLatin1String("EProgEmpresa")
                       ? QStringLiteral("Identificación\r\nNombre de la empresa \r\nParámetro : 102")
                       : QString();
        });
        QVERIFY(f.templates->templateLines(TemplateScope::Complete)
                    .contains(QStringLiteral("102= {Nombre de la empresa }")));
    }

    void partialHoldsOnlyMarkedItems()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rojo.pla"));
        Fixture f;
        f.connect(QStringLiteral("Puertas"));
        f.model().editField(f.field("EProgEmpresa"), QStringLiteral("Bomberos"));
        f.harness.prompter.answers = {DialogResult::Yes}; // [Rojo]
        QVERIFY(f.templates->MIICrearplantillaClick(chosen(path)).ok());
        QCOMPARE(contents(path), QByteArray("PLANTILLA PARCIAL\r\n102=Bomberos {}\r\n1590=Puertas {}\r\n"));
        QCOMPARE(f.harness.prompter.asked.first().captions, (QStringList{"Rojo", "Todo"}));
        QCOMPARE(f.harness.prompter.asked.last().message,
                 path + QStringLiteral("\r\n\r\n    Plantilla creada correctamente    "));

        // A changed cell or a clicked check puts its row in; a door's second time puts the
        // door's three times in.
        f.grid("SGEntradesOpc").setText(4, 3, QStringLiteral("E131"));
        f.grid("SGSortides").toggleCheck(2, 5);
        f.model().editField(f.field("ETActivatB2"), QStringLiteral("7"));
        QCOMPARE(names(f.templates->templateLines(TemplateScope::Partial)),
                 (QStringList{"102", "1590", "4041", "3204", "3302"}));
        QVERIFY(f.templates->templateLines(TemplateScope::Partial).contains(QStringLiteral("4041=;7; {}")));

        Fixture target;
        target.connect(QStringLiteral("Puertas"));
        QVERIFY(target.loadLines(f.templates->templateLines(TemplateScope::Partial)).ok());
        QCOMPARE(target.field("EProgEmpresa").value, QStringLiteral("Bomberos"));
        QCOMPARE(target.field("ETActivatB2").value, QStringLiteral("7"));
        QCOMPARE(target.field("EProgInstal").state, FieldState::Empty);
        QCOMPARE(target.grid("SGEntradesOpc").text(4, 3), QStringLiteral("E131"));
        QCOMPARE(target.grid("SGSortides").flags(2, 5), 3);
        QCOMPARE(target.model().ncampsModificats(), 1 + 3 + 2);
    }

    void checkColumns_data()
    {
        QTest::addColumn<QString>("before"); // the shadow's tick
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("tick");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("marker");
        QTest::newRow("ticked") << "0" << "1" << "1" << 3 << 255;
        QTest::newRow("any other text ticks") << "0" << "x" << "1" << 3 << 255;
        QTest::newRow("unticked") << "1" << "0" << "0" << 2 << 255;
        QTest::newRow("empty unticks") << "1" << "" << "0" << 2 << 255;
        QTest::newRow("as the device has it") << "1" << "1" << "1" << 1 << 0;
    }
    void checkColumns()
    {
        QFETCH(QString, before);
        QFETCH(QString, field);
        QFETCH(QString, tick);
        QFETCH(int, flags);
        QFETCH(int, marker);
        Fixture f;
        GridModel &inputs = f.grid("SGEntrades");
        inputs.storeRow(5, {QStringLiteral("Puerta"), QStringLiteral("1"), QStringLiteral("2"), before});
        QVERIFY(f.loadLines({QStringLiteral("PLANTILLA PARCIAL"), QStringLiteral("1590=Estandar {}"),
                             QStringLiteral("3005=Puerta;1;2;%1 {x}").arg(field)})
                    .ok());
        QCOMPARE(inputs.text(5, 4), tick);
        QCOMPARE(inputs.shadow(5, 4), tick);
        QCOMPARE(inputs.flags(5, 4), flags);
        QCOMPARE(inputs.marker(5, 4), marker);
        QCOMPARE(rowDue(inputs, 5), marker != 0);
        QCOMPARE(f.model().ncampsModificats(), 1);
    }

    void doorLineTicksActivation()
    {
        Fixture f;
        f.connect(QStringLiteral("Puertas"));
        f.grid("SGBoto2").storeRow(1, {"1", "3", "4", "5"});
        QVERIFY(f.loadLines({QStringLiteral("PLANTILLA PARCIAL"), QStringLiteral("1590=Puertas {}"),
                             QStringLiteral("4012=1;5;10;20 {Botón 1}")})
                    .ok());
        GridModel &door = f.grid("SGBoto1");
        QCOMPARE(f.rowCells("SGBoto1", 3), (QStringList{"3", "1", "5", "10", "20"}));
        QCOMPARE(door.flags(3, 1), 3);
        QCOMPARE(door.marker(3, 1), 255);
        QCOMPARE(rowWrite(door, 3).value, QStringLiteral("1;5;10;20"));
        // The door grids are emptied before loading.
        QCOMPARE(f.grid("SGBoto2").text(1, 2), QString());
    }

    void zoneListEndsAtFirstEmptyRow()
    {
        Fixture f;
        f.connect(QStringLiteral("AE/SA"));
        GridModel &zones = f.grid("SGLlistatZonesAgui");
        for (int row : {1, 2, 3, 5})
            zones.setText(row, 2, QStringLiteral("Zona %1").arg(row));
        const QStringList lines = f.templates->templateLines(TemplateScope::Complete);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^9[1-9]\\d\\d="))).filter(QStringLiteral(";Zona")),
                 (QStringList{"9101=1;;Zona 1; {}", "9102=2;;Zona 2; {}", "9103=3;;Zona 3; {}"}));
    }

    // Zone row 400 is named 9500, the other panels' file-name code: it must not land there.
    void zoneRowsDoNotFillSharedCodes()
    {
        Fixture f;
        f.connect(QStringLiteral("AE/SA"));
        QVERIFY(f.loadLines({QStringLiteral("PLANTILLA PARCIAL"), QStringLiteral("1590=AE/SA {}"),
                             QStringLiteral("9500=400;12;Almacén; {}")})
                    .ok());
        QCOMPARE(f.grid("SGLlistatZonesAgui").text(400, 2), QStringLiteral("Almacén"));
        QCOMPARE(f.field("EImportarFitxerBC600").state, FieldState::Empty);
        QCOMPARE(f.model().ncampsModificats(), 1);
    }

    void bytesOnDiskAreWindows1252WithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ñ.pla"));
        Fixture f;
        f.model().storeField(f.field("EProgEmpresa"), QStringLiteral("Compañía €"), CheckListRule::Stream);
        QVERIFY(f.templates->save(path, TemplateScope::Complete).ok());
        const QByteArray bytes = contents(path);
        QVERIFY(bytes.startsWith("PLANTILLA COMPLETA\r\n102=Compa\xF1\xED" "a \x80 {}\r\n"));
        QVERIFY(bytes.endsWith("}\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

        Fixture target;
        QVERIFY(target.templates->load(path).ok());
        QCOMPARE(target.field("EProgEmpresa").value, QStringLiteral("Compañía €"));
    }

    void timeZoneValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("position");
        QTest::newRow("ahead") << "+01" << "11";
        QTest::newRow("behind") << "-05" << "5";
        QTest::newRow("not a number") << "xx" << "11";
    }
    void timeZoneValues()
    {
        QFETCH(QString, value);
        QFETCH(QString, position);
        Fixture f;
        QVERIFY(f.loadLines({QStringLiteral("PLANTILLA COMPLETA"), QStringLiteral("1590=Estandar {}"),
                             QStringLiteral("120=%1 {UTC}").arg(value)})
                    .ok());
        QCOMPARE(f.field("CBHora").value, position);
        QCOMPARE(f.field("CBHora").state, FieldState::Modified);
    }

    void loadingTwiceCountsTwice()
    {
        Fixture f;
        const QStringList lines{QStringLiteral("PLANTILLA PARCIAL"), QStringLiteral("1590=Puertas {}"),
                                QStringLiteral("102=Bomberos {}"), QStringLiteral("4040=1;2;3 {}"),
                                QStringLiteral("3001=A;1;2;1 {}"), QStringLiteral("103=sin descripción")};
        QVERIFY(f.loadLines(lines).ok());
        QCOMPARE(f.model().ncampsModificats(), 5);
        QVERIFY(f.loadLines(lines).ok());
        QCOMPARE(f.model().ncampsModificats(), 10);
        QCOMPARE(f.field("EProgInstal").state, FieldState::Empty);
        QCOMPARE(f.field("ETDesactivantB1").value, QStringLiteral("3"));
    }

    void panelTypeChecks_data()
    {
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("central");
        QTest::addColumn<QString>("panelLine");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString invalid = QStringLiteral("Esta plantilla no es correcta");
        const QString mismatch = QStringLiteral("El tipo de central de la plantilla y del equipo no coinciden");
        const int ok = int(TemplateStatus::Ok);
        QTest::newRow("standard, no panel") << true << "" << "1590=Estandar {x}" << ok << "";
        const int other = int(TemplateStatus::PanelMismatch);
        QTest::newRow("standard into BC600") << true << "BC600" << "1590=Estandar {x}" << other << mismatch;
        QTest::newRow("panel into no panel") << true << "" << "1590=BC600 {x}" << other << mismatch;
        QTest::newRow("contained in the device's") << true << "BC216 v2" << "1590= BC216 {x}" << ok << "";
        QTest::newRow("no device found") << false << "" << "1590=Urano {x}" << ok << "";
        QTest::newRow("no panel line") << true << "" << "102=Bomberos {x}" << int(TemplateStatus::Invalid) << invalid;
        QTest::newRow("empty panel type") << false << "" << "1590= {x}" << int(TemplateStatus::Invalid) << invalid;
    }
    void panelTypeChecks()
    {
        QFETCH(bool, found);
        QFETCH(QString, central);
        QFETCH(QString, panelLine);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.pla"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("PLANTILLA COMPLETA\r\n%1\r\n103=Instalador {x}\r\n3001=A;1;2;1 {x}\r\n")
                       .arg(panelLine)
                       .toLatin1());
        file.close();
        Fixture f;
        if (found)
            f.connect(central);
        const TemplateResult result = f.templates->MIIImportarPlantillaClick(chosen(path));
        QCOMPARE(int(result.status), status);
        QCOMPARE(result.message, message);
        const DialogRequest &told = f.harness.prompter.asked.last();
        if (result.ok()) {
            QCOMPARE(told.message, path + QStringLiteral("\r\n\r\n    Plantilla cargada    "));
            QCOMPARE(f.field("EProgInstal").value, QStringLiteral("Instalador"));
            return;
        }
        QCOMPARE(told.caption, QStringLiteral("ERROR"));
        QCOMPARE(told.message, message);
        QCOMPARE(f.field("EProgInstal").state, FieldState::Empty);
        QCOMPARE(f.grid("SGEntrades").text(1, 1), QString());
        QCOMPARE(f.model().ncampsModificats(), 0);
    }

    void unreadableTemplateChangesNothing()
    {
        Fixture f;
        QSignalSpy shown(&f.shell.context().views(), &ViewState::resultTextChanged);
        const TemplateResult result =
            f.templates->MIIImportarPlantillaClick(chosen(QStringLiteral("/nonexistent/dir/t.pla")));
        QCOMPARE(result.status, TemplateStatus::Unreadable);
        QVERIFY(result.message.startsWith(QStringLiteral("Se ha producido un error al cargar la plantilla\r\n\r\nERROR : ")));
        QVERIFY(result.message.size() > 60);
        QCOMPARE(f.harness.prompter.asked.last().caption, QStringLiteral("ERROR"));
        QCOMPARE(f.model().ncampsModificats(), 0);
        QCOMPARE(shown.count(), 0);
    }

    void overwriteNeedsConfirmation()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("existe.pla"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("antes");
        file.close();
        Fixture f;
        f.harness.prompter.answers = {DialogResult::No /* [Todo] */, DialogResult::No};
        QCOMPARE(f.templates->MIICrearplantillaClick(chosen(path)).status, TemplateStatus::Cancelled);
        QCOMPARE(f.harness.prompter.asked.last().message,
                 QStringLiteral("Esta plantilla ya existe, ¿desea sobreescribirla?"));
        QCOMPARE(contents(path), QByteArray("antes"));

        f.harness.prompter.answers = {DialogResult::No, DialogResult::Yes};
        QVERIFY(f.templates->MIICrearplantillaClick(chosen(path)).ok());
        QVERIFY(contents(path).startsWith("PLANTILLA COMPLETA\r\n"));
    }

    void savingShowsTheConnectedPanelsTab()
    {
        Fixture f;
        f.connect(QStringLiteral("BC600"));
        f.model().setVisiblePanelPage(ProgPage::CentralAguilera);
        f.shell.context().views().setPanelmostrat(View::Estat);
        QTemporaryDir dir;
        QVERIFY(f.templates->save(dir.filePath(QStringLiteral("t.pla")), TemplateScope::Complete).ok());
        QVERIFY(f.shell.context().views().isShown(View::Programacio));
        QCOMPARE(f.model().visiblePanelPage(), std::optional(ProgPage::CentralBC600));
    }

    void guards_data()
    {
        QTest::addColumn<QString>("guard");
        QTest::addColumn<QString>("warning");
        QTest::newRow("firmware update") << "update" << "";
        QTest::newRow("transfer running") << "busy" << "";
        QTest::newRow("telecontrol") << "telecontrol" << "Central en telecontrol\rNo se puede acceder a la programación";
        QTest::newRow("access code") << "locked" << "";
    }
    void guards()
    {
        QFETCH(QString, guard);
        QFETCH(QString, warning);
        Fixture f;
        LinkState &link = f.shell.device().link();
        if (guard == QLatin1String("update"))
            link.tempsActu = 5;
        else if (guard == QLatin1String("busy"))
            f.shell.context().activity().setRunning(true);
        else if (guard == QLatin1String("telecontrol"))
            link.bidiCentral = true;
        else
            link.protegit = true;
        QSignalSpy accessCode(&f.shell.device().lock(), &ProgrammingLock::accessCodeRequested);
        int chooserCalls = 0;
        const Templates::PathChooser chooser = [&chooserCalls] {
            ++chooserCalls;
            return QStringLiteral("/tmp/never.pla");
        };
        QCOMPARE(f.templates->MIICrearplantillaClick(chooser).status, TemplateStatus::Refused);
        QCOMPARE(f.templates->MIIImportarPlantillaClick(chooser).status, TemplateStatus::Refused);
        QCOMPARE(chooserCalls, 0);
        QCOMPARE(accessCode.count(), guard == QLatin1String("locked") ? 2 : 0);
        QCOMPARE(f.harness.prompter.asked.size(), warning.isEmpty() ? 0 : 2);
        if (!warning.isEmpty())
            QCOMPARE(f.harness.prompter.asked.first().message, warning);
    }
};

QTEST_MAIN(TestTemplates)
#include "test_templates.moc"
