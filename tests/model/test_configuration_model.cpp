#include "core/link/EntryNumber.h"

#include "BoundModel.h"

#include <QTest>

using namespace quelta;

namespace {

struct BoundModel : test::BoundModel
{
    QStringList row(const char *grid, int row) const
    {
        const GridModel *g = model.grid(QString::fromLatin1(grid));
        QStringList cells;
        for (int column = 0; column < g->columns(); ++column)
            cells.append(g->text(row, column));
        return cells;
    }
};

} // namespace

class TestConfigurationModel : public QObject
{
    Q_OBJECT

private slots:
    void bindingNumbers_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("number");
        QTest::newRow("company") << "EProgEmpresa" << 102;
        QTest::newRow("offset 3") << "EIPCra22" << 1104;
        QTest::newRow("SMS 4") << "ETelSMS4" << 3114;
        QTest::newRow("time zone") << "CBHora" << 120;
        QTest::newRow("case-folded hint") << "EAdrecaZafir" << 9750;
        QTest::newRow("door times") << "ETDesactivantB4" << 4043;
        QTest::newRow("tamper grid") << "SGTamper" << 3503;
        QTest::newRow("loss grid") << "SGPerduaCOM" << 3605;
        QTest::newRow("door grid, hexadecimal") << "SGBoto4" << 4028;
        QTest::newRow("industrial keeps its design number") << "SGEquipIndus" << 3000;
        QTest::newRow("zones") << "SGLlistatZonesAgui" << 9101;
    }
    void bindingNumbers()
    {
        QFETCH(QString, control);
        QFETCH(int, number);
        BoundModel m;
        const SingleField *field = m.model.field(control);
        const int bound = field ? field->number : m.model.grid(control)->number();
        QCOMPARE(bound, number);
    }

    void entryNumbers_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("aguilera");
        QTest::addColumn<int>("number"); // -1: the line is ignored
        QTest::newRow("input 16") << "3010" << false << 3016;
        QTest::newRow("system message") << "360A" << false << 3610;
        QTest::newRow("outputs are decimal") << "3321" << false << 3321;
        QTest::newRow("door times") << "4041" << false << 4041;
        QTest::newRow("door button 4") << "401C" << false << 4028;
        QTest::newRow("operator 12") << "850C" << false << 8512;
        QTest::newRow("first zone") << "9101" << false << 9101;
        QTest::newRow("last zone") << "94FF" << false << 10123;
        QTest::newRow("event block") << "96FE" << false << 9854;
        QTest::newRow("Cofem block") << "971D" << false << 9729;
        QTest::newRow("Urano block") << "9761" << false << 9761;
        QTest::newRow("peripheral address") << "9750" << false << 9750;
        QTest::newRow("file name, Aguilera shown") << "9500" << true << -1;
        QTest::newRow("file name") << "9500" << false << 9500;
        QTest::newRow("plain code") << "0102" << false << 102;
        QTest::newRow("not a code") << "01A2" << false << -1;
        QTest::newRow("wildcard end") << "9xxx" << false << -1;
    }
    void entryNumbers()
    {
        QFETCH(QString, code);
        QFETCH(bool, aguilera);
        QFETCH(int, number);
        QCOMPARE(numeroEntrada(code, aguilera).value_or(-1), number);
    }

    void hextoint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("upper") << "94FF" << 0x94FF;
        QTest::newRow("lower") << "0c" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("invalid as a whole") << "1G" << 0;
    }
    void hextoint()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(Hextoint(text), value);
    }

    // Values as the device sends them, and the row the grid shows.
    void rowsFromValues_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<int>("page"); // -1: no panel page
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("input alias moves to the front")
            << "" << -1 << "3010" << "5;3;0;Entrada 16" << "SGEntrades" << 16
            << QStringList{"16", "Entrada 16", "5", "3", "0"};
        QTest::newRow("normally closed input") << "" << -1 << "3001" << "0;0;1;Puerta" << "SGEntrades" << 1
                                               << QStringList{"1", "Puerta", "0", "0", "1"};
        QTest::newRow("tamper flag") << "" << -1 << "3503" << "75;21;20;10;1;Tamper" << "SGTamper" << 1
                                     << QStringList{"Tamper", "75", "21", "20", "10", "1"};
        QTest::newRow("output triggers") << "" << -1 << "3301" << "1000000001" << "SGSortides" << 1
                                         << QStringList{"1", "1", "0", "0", "0", "0", "0", "0", "0", "0", "1"};
        QTest::newRow("outputs by inputs") << "" << -1 << "3312" << "0;1000000000000001" << "SGSortidesEnt" << 2
                                           << (QStringList{"2", "1"} + QStringList(14, "0") + QStringList{"1", "0"});
        QTest::newRow("short input flags") << "" << -1 << "3311" << "1;11" << "SGSortidesEnt" << 1
                                           << (QStringList{"1", "1", "1"} + QStringList(14, "0") + QStringList{"1"});
        QTest::newRow("Supra kind, three digits")
            << "Supra" << int(ProgPage::CentralSupra) << "9761" << "5:1;0;0;123;Alarma/Fin" << "SGCentralSupra" << 1
            << QStringList{"1", "005", "1", "0", "0", "123", "Alarma/Fin"};
        QTest::newRow("BC600 kind, four digits")
            << "BC600" << int(ProgPage::CentralBC600) << "9602" << "17:1;1;0;;Tec/Fin" << "SGCentralBC600" << 2
            << QStringList{"2", "0017", "1", "1", "0", "", "Tec/Fin"};
        QTest::newRow("BC216 kind, two digits")
            << "BC216" << int(ProgPage::CentralBC600) << "9601" << "5:1;0;0;;A/B" << "SGCentralBC600" << 1
            << QStringList{"1", "05", "1", "0", "0", "", "A/B"};
        QTest::newRow("Zafir kind unpadded")
            << "Cofem-A" << int(ProgPage::CentralZafir) << "9701" << "7:1;0;0;;A" << "SGCentralZafir" << 1
            << QStringList{"Alarma sensor", "7", "1", "0", "0", "", "A"};
        QTest::newRow("zone name alone")
            << "AE/SA" << int(ProgPage::CentralAguilera) << "94FF" << "Sala de calderas" << "SGLlistatZonesAgui" << 1023
            << QStringList{"1023", "", "Sala de calderas"};
        QTest::newRow("zone with its code")
            << "AE/SA" << int(ProgPage::CentralAguilera) << "9102" << "115;Escalera B" << "SGLlistatZonesAgui" << 2
            << QStringList{"2", "115", "Escalera B"};
        QTest::newRow("operators") << "" << -1 << "850C" << "Orange;orange.es;;" << "SGOperadores" << 12
                                   << QStringList{"Orange", "orange.es", "", ""};
    }
    void rowsFromValues()
    {
        QFETCH(QString, central);
        QFETCH(int, page);
        QFETCH(QString, code);
        QFETCH(QString, value);
        QFETCH(QString, grid);
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        BoundModel m;
        m.link.central = central;
        m.model.setVisiblePanelPage(page < 0 ? std::nullopt : std::optional<ProgPage>(ProgPage(page)));
        const std::optional<int> number = numeroEntrada(code, m.model.isPageVisible(ProgPage::CentralAguilera));
        QVERIFY(number);
        QVERIFY(m.model.storeEntry(*number, value));
        QCOMPARE(m.row(grid.toLatin1().constData(), row), cells);
        const GridModel *g = m.model.grid(grid);
        for (int column = 0; column < g->columns(); ++column)
            QVERIFY(!g->isModified(row, column));
    }

    // Shared codes go to the grid of the page shown.
    void sharedCodesFollowTheVisiblePage_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("grid");
        QTest::newRow("BC600") << "BC600" << int(ProgPage::CentralBC600) << "SGCentralBC600";
        QTest::newRow("Syncro") << "Syncro" << int(ProgPage::CentralSyncro) << "SGCentralSyncro";
        QTest::newRow("Bosch") << "Bosch" << int(ProgPage::CentralAvenarBosch) << "SGCentralAvenarBosch";
        QTest::newRow("ID3000") << "ID3000" << int(ProgPage::CentralID3000) << "SGCentralID3000";
    }
    void sharedCodesFollowTheVisiblePage()
    {
        QFETCH(QString, central);
        QFETCH(int, page);
        QFETCH(QString, grid);
        BoundModel m;
        m.link.central = central;
        m.model.setVisiblePanelPage(ProgPage(page));
        QCOMPARE(m.model.gridFor(9601)->name(), grid);
    }

    void uranoAndSupraShareTheirFirstCode()
    {
        BoundModel m;
        m.model.setVisiblePanelPage(ProgPage::CentralUrano);
        QCOMPARE(m.model.gridFor(9761)->name(), QStringLiteral("SGCentralUrano"));
        QCOMPARE(m.model.gridFor(9770)->name(), QStringLiteral("SGCentralUrano")); // the tenth entry, not shown
        m.model.setVisiblePanelPage(ProgPage::CentralSupra);
        QCOMPARE(m.model.gridFor(9761)->name(), QStringLiteral("SGCentralSupra"));
        m.model.setVisiblePanelPage(std::nullopt);
        QVERIFY(!m.model.gridFor(9761));
    }

    void fileNamesSkipTheAguileraPage()
    {
        BoundModel m;
        m.model.setVisiblePanelPage(ProgPage::CentralBC600);
        m.model.storeEntry(9500, QStringLiteral("EVENTOS.TXT"));
        QCOMPARE(m.model.field(u"EImportarFitxerBC600")->value, QStringLiteral("EVENTOS.TXT"));
        QCOMPARE(m.model.field(u"EImportarFitxerSupra")->value, QStringLiteral("EVENTOS.TXT"));
        m.model.Esborra_param();
        m.model.setVisiblePanelPage(ProgPage::CentralAguilera);
        m.model.storeEntry(9500, QStringLiteral("EVENTOS.TXT"));
        QCOMPARE(m.model.field(u"EImportarFitxerBC600")->value, QString());
    }

    void singleControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("time zone") << "CBHora" << 120 << "1" << "11";
        QTest::newRow("time zone, no number") << "CBHora" << 120 << "x" << "11";
        QTest::newRow("time zone, first") << "CBHora" << 120 << "-10" << "0";
        QTest::newRow("time zone, past the list") << "CBHora" << 120 << "14" << "11";
        QTest::newRow("time zone, largest number") << "CBHora" << 120 << "2147483647" << "11";
        QTest::newRow("parts") << "CLBPartsActives" << 106 << "1101" << "1101";
        QTest::newRow("parts stop at a non-digit") << "CLBPartsActives" << 106 << "1x11" << "1000";
        QTest::newRow("parts beyond four ignored") << "CLBPartsActives" << 106 << "011111" << "0111";
        QTest::newRow("DHCP") << "CBConfigADSLDHCP" << 211 << "1" << "1";
        QTest::newRow("DHCP, other") << "CBConfigADSLDHCP" << 211 << "2" << "0";
        QTest::newRow("door time part") << "ETActivatB2" << 4041 << "3;10;4" << "10";
    }
    void singleControls()
    {
        QFETCH(QString, control);
        QFETCH(int, number);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        BoundModel m;
        m.model.storeEntry(number, value);
        const SingleField *field = m.model.field(control);
        QCOMPARE(field->value, shown);
        QCOMPARE(field->state, FieldState::Read);
    }

    // A header code that is not four digits binds its field to nothing, however large it is.
    void aCraftedHeaderCodeBindsNothing()
    {
        BoundModel m;
        m.dictionary.Llegir_parametres(u"#define  _BlDsSmsI_ 0x2147483647\t/* crafted */\r\n"
                                       u"#define  _cra1IpAd_ 0x0250\t/* as shipped */\r\n");
        m.model.InicialitzaPunters(m.dictionary);
        QCOMPARE(m.model.field(u"ETelSMS2")->number, 0);
        QCOMPARE(m.model.field(u"EIPCra12")->number, 251);
    }

    void editsAreMarkedOnlyWhileADeviceAnswers()
    {
        BoundModel m;
        SingleField &company = *m.model.field(u"EProgEmpresa");
        m.model.editField(company, QStringLiteral("Acme"));
        QCOMPARE(company.state, FieldState::Empty);
        m.link.circuit = true;
        m.model.editField(company, QStringLiteral("Acme 2"));
        m.model.editField(company, QStringLiteral("Acme 3"));
        QCOMPARE(company.state, FieldState::Modified);
        QCOMPARE(m.model.ncampsModificats(), 1);
        m.activity.setRunning(true);
        m.model.editField(*m.model.field(u"EProgRef"), QStringLiteral("Ref"));
        QCOMPARE(m.model.ncampsModificats(), 1);
        m.model.CampsPantallaCLWindow();
        QCOMPARE(company.state, FieldState::Read);

        SingleField &dhcp = *m.model.field(u"CBConfigADSLDHCP");
        m.activity.setRunning(false);
        m.model.editField(dhcp, QStringLiteral("1"));
        QCOMPARE(dhcp.value, QStringLiteral("0")); // never read: the tick is undone
        m.model.storeEntry(211, QStringLiteral("0"));
        m.model.editField(dhcp, QStringLiteral("1"));
        QCOMPARE(dhcp.value, QStringLiteral("1"));
        QCOMPARE(dhcp.state, FieldState::Modified);
    }

    // A cleared model shows its titles and labels and has nothing to write.
    void clearingLeavesNothingModified()
    {
        BoundModel m;
        m.link.central = QStringLiteral("AE/SA");
        m.model.storeEntry(3016, QStringLiteral("1;1;1;X"));
        m.model.grid(u"SGSortides")->setMarker(1, 3, GridModel::kModifiedMarker);
        m.model.grid(u"SGSortides")->setFlags(1, 3, 3);
        m.model.Esborra_param();
        for (const auto &grid : m.model.grids()) {
            for (int row = 1; row <= grid->rows(); ++row) {
                for (int column = 0; column < grid->columns(); ++column) {
                    QVERIFY2(!grid->isModified(row, column), qPrintable(grid->name()));
                    QCOMPARE(grid->marker(row, column), 0);
                }
            }
        }
        QCOMPARE(m.row("SGSortides", 4), (QStringList{"4"} + QStringList(10, "0")));
        QCOMPARE(m.row("SGEntrades", 16), (QStringList{"16", "", "", "", "0"}));
        QCOMPARE(m.model.grid(u"SGCentralAD300")->text(1, 0), QStringLiteral(" ALARMA"));
        QCOMPARE(m.model.grid(u"SGCentralAD300")->text(17, 0), QStringLiteral(" DESCONEXIÓN"));
        QCOMPARE(m.model.grid(u"SGCentralAgui")->text(2, 0), QStringLiteral(" Avería"));
        QCOMPARE(m.model.grid(u"SGTest")->text(0, 2), QStringLiteral("Hora: (hh:mm)"));
        for (const SingleField &field : m.model.fields())
            QCOMPARE(field.state, FieldState::Empty);
    }
};

QTEST_GUILESS_MAIN(TestConfigurationModel)
#include "test_configuration_model.moc"
