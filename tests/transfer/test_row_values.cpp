#include "core/transfer/RowValues.h"

#include "BoundModel.h"

#include <QTest>

using namespace quelta;
using test::BoundModel;

class TestRowValues : public QObject
{
    Q_OBJECT

private slots:
    // The installer's cells (column → text) over a row read from the device; shadow entries of
    // check columns hold the ticks.
    void rowsAreSentWithTheirCodeAndValue_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("stored");   // what the device sent ("" = cleared row)
        QTest::addColumn<QStringList>("edits"); // "column=text" cell edits, "column:shadow" shadow edits
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("value");
        QTest::newRow("operators, A, emptied row") << "SGOperadores" << 12 << "Orange;orange.es;;" << QStringList{"0=", "1="}
                                                   << "850C" << ";;;;";
        QTest::newRow("operators") << "SGOperadores" << 1 << "" << QStringList{"0=Orange", "1=orange.es"} << "8501"
                                   << "Orange;orange.es;;;";
        QTest::newRow("input row 10, A") << "SGEntrades" << 10 << "5;3;0;Puerta" << QStringList{"1=Portón"} << "300A"
                                         << "5;3;0;Portón";
        QTest::newRow("input flag from the shadow") << "SGEntrades" << 1 << "5;3;0;Puerta" << QStringList{"4:1"}
                                                    << "3001" << "5;3;1;Puerta";
        QTest::newRow("input, empty form") << "SGEntrades" << 2 << "" << QStringList{"4:"} << "3002" << "";
        QTest::newRow("output flags, B") << "SGSortides" << 3 << "0000000000" << QStringList{"1:1", "10:1"}
                                         << "3303" << "1000000001";
        QTest::newRow("output times") << "SGSortidesTemps" << 1 << "0;5;5;0;Sirena" << QStringList{"2=1", "5:1"}
                                      << "3321" << "1;5;5;1;Sirena";
        QTest::newRow("outputs by inputs") << "SGSortidesEnt" << 4 << "1;0000000000000000" << QStringList{"16:1"}
                                           << "3314" << "1;0000000000000001";
        QTest::newRow("test, C") << "SGTest" << 1 << "24;10:00;Test" << QStringList{"1=12"} << "3502" << "12;10:00;Test";
        QTest::newRow("tamper flag from the shadow") << "SGTamper" << 1 << "75;21;20;10;0;Tamper" << QStringList{"5:1"}
                                                     << "3503" << "75;21;20;10;1;Tamper";
        QTest::newRow("loss of links, D") << "SGPerduaCOM" << 3 << "" << QStringList{"1=1"} << "3607" << "1;;;;";
        QTest::newRow("Aguilera messages") << "SGCentralAgui" << 2 << "" << QStringList{"5=Averia"} << "9002"
                                           << ";;;;Averia";
        QTest::newRow("zones, E") << "SGLlistatZonesAgui" << 1023 << "" << QStringList{"2=Cocina"} << "94FF" << ";Cocina";
        QTest::newRow("zones, empty form") << "SGLlistatZonesAgui" << 1 << "110;Hall" << QStringList{"1=", "2="}
                                           << "9101" << "";
        QTest::newRow("door 4, H") << "SGBoto4" << 2 << "1;3;10;5" << QStringList{"3=20"} << "401D" << "1;3;20;5";
        QTest::newRow("Urano, B") << "SGCentralUrano" << 1 << "" << QStringList{"1=1"} << "9761" << "1;;;;";
        QTest::newRow("Supra, F") << "SGCentralSupra" << 1 << "" << QStringList{"1=005", "2=1"} << "9761" << "005:1;;;;";
        QTest::newRow("ID3000 row 256, G") << "SGCentralID3000" << 256 << "" << QStringList{"1=0300"} << "9700"
                                           << "0300:;;;;";
    }
    void rowsAreSentWithTheirCodeAndValue()
    {
        QFETCH(QString, grid);
        QFETCH(int, row);
        QFETCH(QString, stored);
        QFETCH(QStringList, edits);
        QFETCH(QString, code);
        QFETCH(QString, value);
        BoundModel m;
        m.link.central = QStringLiteral("AE/SA");
        m.model.setVisiblePanelPage(grid.startsWith(QLatin1String("SGCentralID")) ? ProgPage::CentralID3000 : ProgPage::CentralAguilera);
        GridModel &g = *m.model.grid(grid);
        if (!stored.isEmpty())
            m.model.Llegir_StringGrid(g, stored, g.number() + row - 1);
        QVERIFY(!rowDue(g, row));
        for (const QString &edit : edits) {
            const bool shadow = edit.contains(QLatin1Char(':'));
            const int column = edit.section(QLatin1Char(shadow ? ':' : '='), 0, 0).toInt();
            const QString text = edit.section(QLatin1Char(shadow ? ':' : '='), 1);
            shadow ? g.setShadow(row, column, text) : g.setText(row, column, text);
        }
        QVERIFY(rowDue(g, row));
        const RowWrite write = rowWrite(g, row);
        QCOMPARE(write.code, code);
        QCOMPARE(write.value, value);
        QVERIFY(Verifica_StringGrid(g, value, row));
        QVERIFY(!Verifica_StringGrid(g, value + QLatin1Char('x'), row));
    }

    // Only the grids whose editors mark cells take a marker for a change.
    void markersMakeARowDue_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<bool>("due");
        QTest::newRow("outputs") << "SGSortides" << true;
        QTest::newRow("BC600 events") << "SGCentralBC600" << true;
        QTest::newRow("input messages") << "SGEntradesOpc" << false;
        QTest::newRow("Zafir events") << "SGCentralZafir" << false;
    }
    void markersMakeARowDue()
    {
        QFETCH(QString, grid);
        QFETCH(bool, due);
        BoundModel m;
        GridModel &g = *m.model.grid(grid);
        g.setMarker(1, 1, GridModel::kModifiedMarker);
        QCOMPARE(rowDue(g, 1), due);
    }
};

QTEST_GUILESS_MAIN(TestRowValues)
#include "test_row_values.moc"
