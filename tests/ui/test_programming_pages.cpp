#include "ui/mainwindow/TFPrincipalQueltaES.h"
#include "ui/pages/GridColumns.h"
#include "ui/pages/GridView.h"
#include "ui/pages/ProgrammingView.h"
#include "ui/pages/UserPage.h"

#include "PagesFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace quelta;
using quelta::ui::GridView;
using quelta::ui::ProgrammingView;
using test::kRed;
using test::Pages;

namespace {

// What a bound widget shows, in the model's terms.
QString shownValue(QWidget *widget)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
        QString items;
        for (int i = 0; i < list->count(); ++i)
            items += list->item(i)->checkState() == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
        return items;
    }
    const int position = qobject_cast<QComboBox *>(widget)->currentIndex();
    return position < 0 ? QString() : QString::number(position);
}

QColor shownColour(QWidget *widget)
{
    return widget->palette().color(qobject_cast<QCheckBox *>(widget) ? QPalette::Window : QPalette::Base);
}

const char *widgetClass(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Edit: return "QLineEdit";
    case FieldKind::CheckBox: return "QCheckBox";
    case FieldKind::CheckList: return "QListWidget";
    case FieldKind::Combo: return "QComboBox";
    }
    return "";
}

bool isOnPage(const QWidget *widget, ProgPage page)
{
    for (const QWidget *ancestor = widget; ancestor; ancestor = ancestor->parentWidget()) {
        if (ancestor->objectName() == QLatin1String(pageTabName(page)))
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(quelta::ProgPage)
Q_DECLARE_METATYPE(quelta::Section)

class TestProgrammingPages : public QObject
{
    Q_OBJECT

private slots:
    // Every control of the binding tables is on its page under its name, of the kind it binds as.
    void everyBoundControlHasItsWidget_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<ProgPage>("page");
        for (const FieldBinding &binding : fieldBindings())
            QTest::newRow(binding.name) << QString::fromLatin1(binding.name) << widgetClass(binding.kind) << binding.page;
        for (const GridBinding &binding : gridBindings())
            QTest::newRow(binding.name) << QString::fromLatin1(binding.name) << "quelta::ui::GridView" << binding.page;
        QTest::newRow("SGTelefons") << "SGTelefons" << "quelta::ui::GridView" << ProgPage::Portes;
        QTest::newRow("SGUsuaris") << "SGUsuaris" << "quelta::ui::GridView" << ProgPage::Portes;
    }

    void everyBoundControlHasItsWidget()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(ProgPage, page);
        Pages p;
        const QList<QWidget *> found = p.view->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QVERIFY2(found.first()->inherits(qPrintable(className)), found.first()->metaObject()->className());
        QVERIFY(isOnPage(found.first(), page));
        if (auto *grid = qobject_cast<GridView *>(found.first()))
            QCOMPARE(grid->model(), p.shell.programming().model().grid(name));
        if (auto *edit = qobject_cast<QLineEdit *>(found.first()))
            QCOMPARE(edit->isReadOnly(), p.shell.programming().model().field(name)->binding->readOnly);
    }

    // A value the device sent shows in its widget in its read colours and is not taken for an
    // edit of the installer, even with a device answering.
    void storedValuesShowInTheirWidgets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QColor>("colour");
        const QColor lightBlue(125, 184, 255);
        const QColor base = QApplication::palette().color(QPalette::Base);
        QTest::newRow("text field") << "EProgEmpresa" << "ACME S.L." << "ACME S.L." << base;
        QTest::newRow("read-only field") << "EMAC" << "00:11:22:33:44:55" << "00:11:22:33:44:55" << QColor(191, 205, 219);
        QTest::newRow("door time, its part") << "ETActivatB2" << "5;6;7" << "6" << base;
        QTest::newRow("check box") << "CBConfigADSLDHCP" << "1" << "1" << lightBlue;
        QTest::newRow("check list") << "CLBPartsActives" << "1010" << "1010" << lightBlue;
        QTest::newRow("time zone UTC+1") << "CBHora" << "1" << "11" << base;
        QTest::newRow("time zone UTC-10") << "CBHora" << "-10" << "0" << base;
    }

    void storedValuesShowInTheirWidgets()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QFETCH(QColor, colour);
        Pages p;
        p.setDevice(true);
        SingleField *field = p.shell.programming().model().field(name);
        QVERIFY(p.shell.programming().model().storeEntry(field->number, value));
        QWidget *widget = p.find(name);
        QCOMPARE(shownValue(widget), shown);
        QCOMPARE(shownColour(widget), colour);
        QCOMPARE(field->state, FieldState::Read);
        QCOMPARE(p.shell.programming().model().ncampsModificats(), 0);

        p.shell.programming().model().clearField(*field);
        QCOMPARE(shownValue(widget), p.shell.programming().model().field(name)->value);
    }

    // The installer's change reaches the model; it is marked red and counted once only while a
    // device answers. A check box never read cannot be ticked.
    void userEditsReachTheModel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("read"); // the device's value before the edit; null: never read
        QTest::addColumn<bool>("answering");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("marked");
        QTest::newRow("text field") << "EProgRef" << "" << true << "AB" << true;
        QTest::newRow("text field, no device") << "EProgRef" << "" << false << "AB" << false;
        QTest::newRow("check box") << "CBHexaCra" << "0" << true << "1" << true;
        QTest::newRow("check box never read") << "CBHexaCra" << QString() << true << "0" << false;
        QTest::newRow("check list") << "CLBPartsActives" << "0000" << true << "0100" << true;
        QTest::newRow("check list, no device") << "CLBPartsActives" << "0000" << false << "0100" << false;
        QTest::newRow("time zone") << "CBHora" << "0" << true << "11" << true;
    }

    void userEditsReachTheModel()
    {
        QFETCH(QString, name);
        QFETCH(QString, read);
        QFETCH(bool, answering);
        QFETCH(QString, value);
        QFETCH(bool, marked);
        Pages p;
        SingleField *field = p.shell.programming().model().field(name);
        p.bringForward(field->binding->page);
        p.setDevice(answering);
        if (!read.isNull())
            p.shell.programming().model().storeEntry(field->number, read);

        QWidget *widget = p.find(name);
        if (auto *list = qobject_cast<QListWidget *>(widget)) {
            list->setCurrentRow(1);
            QTest::keyClick(list, Qt::Key_Space);
        } else if (qobject_cast<QCheckBox *>(widget)) {
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
        } else if (qobject_cast<QComboBox *>(widget)) {
            QTest::keyClick(widget, Qt::Key_Down);
        } else {
            QTest::keyClicks(widget, value);
        }

        QCOMPARE(field->value, value);
        QCOMPARE(field->state == FieldState::Modified, marked);
        QCOMPARE(p.shell.programming().model().ncampsModificats(), marked ? 1 : 0);
        QCOMPARE(shownColour(widget) == kRed, marked);
        QCOMPARE(shownValue(widget), value);
    }

    // Pages 0 to 2 always; of the fire-panel pages only the connected panel's. The shared Urano
    // page takes the name of the panel, also after another panel had it.
    void panelPagesByPanelType_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caption");
        QTest::newRow("BC600") << "BC600" << 4 << "BC600/216";
        QTest::newRow("AE/SA") << "AE/SA" << 3 << "Aguilera";
        QTest::newRow("Komttech") << "Komttech" << 8 << "Komttech";
        QTest::newRow("Urano") << "Urano" << 8 << "Urano";
        QTest::newRow("Cofem-A") << "Cofem-A" << 13 << "Cofem Zafir";
        QTest::newRow("Cofem CLVR") << "Cofem CLVR" << 7 << "Cofem";
        QTest::newRow("no panel") << "" << -1 << "";
    }

    void panelPagesByPanelType()
    {
        QFETCH(QString, central);
        QFETCH(int, page);
        QFETCH(QString, caption);
        Pages p;
        for (const QString &type : {QStringLiteral("Komttech"), central}) {
            p.shell.device().link().central = type;
            p.shell.programming().model().setVisiblePanelPage(panelPageFor(type));
        }
        QTabWidget *tabs = p.tabs();
        for (int index = 0; index < kProgPageCount; ++index)
            QCOMPARE(tabs->isTabVisible(index), index <= 2 || index == page);
        if (page < 0)
            return;
        QCOMPARE(tabs->tabText(page), caption);
        if (page == 8) {
            QCOMPARE(p.find<QLabel>(QStringLiteral("LTitolCentralUrano"))->text(),
                     QStringLiteral("CENTRAL DE INCENDIOS ") + caption.toUpper());
        }
    }

    // A hidden panel page does not stay on top.
    void hiddenPageLeavesTheFront()
    {
        Pages p;
        p.bringForward(ProgPage::CentralSupra);
        p.shell.programming().model().setVisiblePanelPage(ProgPage::CentralBC600);
        QCOMPARE(p.tabs()->currentIndex(), 0);
    }

    void pageTabsAreDrawnAt140Pixels()
    {
        Pages p;
        p.bringForward(ProgPage::Usuari);
        QTabBar *bar = p.tabs()->tabBar();
        QCOMPARE(bar->tabRect(2).width(), 140);
        QCOMPARE(bar->tabRect(2).height(), p.find(QStringLiteral("BBLlegirPag"))->sizeHint().height());
    }

    // "Usuario" offers the inputs and outputs sections only when the device has them.
    void usuarioSectionsFollowTheDeviceParts_data()
    {
        QTest::addColumn<bool>("established");
        QTest::addColumn<QString>("parts");
        QTest::addColumn<bool>("inputsOutputs");
        QTest::newRow("every part") << true << "1111" << true;
        QTest::newRow("no inputs and outputs") << true << "1110" << false;
        QTest::newRow("no session") << false << "1110" << true;
        QTest::newRow("mask not of four") << true << "11100" << true;
    }

    void usuarioSectionsFollowTheDeviceParts()
    {
        QFETCH(bool, established);
        QFETCH(QString, parts);
        QFETCH(bool, inputsOutputs);
        Pages p;
        p.bringForward(ProgPage::ConfigHard);
        p.shell.device().link().circuittrobat = established;
        p.shell.device().link().PartsActives = parts;
        p.tabs()->setCurrentIndex(static_cast<int>(ProgPage::Usuari));

        QCOMPARE(p.find(QStringLiteral("PEntrades"))->isVisible(), inputsOutputs);
        QCOMPARE(p.find(QStringLiteral("PSortides"))->isVisible(), inputsOutputs);
        QCOMPARE(p.find(QStringLiteral("PSistema"))->x(), inputsOutputs ? 380 : 10);
        QCOMPARE(p.find(QStringLiteral("PConfigEntrades"))->isVisible(), inputsOutputs);
        QCOMPARE(p.find(QStringLiteral("PConfigSistema"))->isVisible(), !inputsOutputs);
    }

    // Fixed columns keep their pixels (widened with the font in proportion); the others share what
    // is left, filling the grid.
    void columnsFillTheirGrid_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ProgPage>("page");
        QTest::addColumn<Section>("section");
        for (const GridBinding &binding : gridBindings())
            QTest::newRow(binding.name) << QString::fromLatin1(binding.name) << binding.page << binding.section;
    }

    void columnsFillTheirGrid()
    {
        QFETCH(QString, name);
        QFETCH(ProgPage, page);
        QFETCH(Section, section);
        Pages p;
        p.bringForward(page, section);
        auto *grid = p.find<GridView>(name);
        const std::vector<ui::ColumnWidth> &columns = ui::gridColumns(name);
        QCOMPARE(int(columns.size()), grid->model()->columnCount());
        int total = 0;
        for (int column = 0; column < int(columns.size()); ++column) {
            const ui::ColumnWidth &width = columns[size_t(column)];
            if (width.kind == ui::ColumnWidth::Kind::Fixed)
                QCOMPARE(grid->columnWidth(column), qRound(width.pixels * grid->columnScale()));
            QVERIFY(grid->columnWidth(column) > 0);
            total += grid->columnWidth(column);
        }
        QCOMPARE(total, grid->viewport()->width());
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(grid->horizontalHeader()->model()->headerData(0, Qt::Horizontal).toString(),
                 p.shell.programming().model().grid(name)->text(0, 0));
    }

    void columnCaptionsSitOverTheirColumns_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("LErrorRest") << "LErrorRest" << "SGSortides" << 3 << 9;
        QTest::newRow("LModusPulsant") << "LModusPulsant" << "SGSortidesTemps" << 3 << 4;
    }

    void columnCaptionsSitOverTheirColumns()
    {
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QFETCH(int, first);
        QFETCH(int, last);
        Pages p;
        p.bringForward(ProgPage::Usuari, Section::Outputs);
        auto *label = p.find<QLabel>(caption);
        auto *grid = p.find<GridView>(name);
        const QRect firstCell = grid->visualRect(grid->model()->index(0, first));
        const QRect lastCell = grid->visualRect(grid->model()->index(0, last));
        const QPoint left = grid->viewport()->mapTo(label->parentWidget(), firstCell.topLeft());
        const QPoint right = grid->viewport()->mapTo(label->parentWidget(), lastCell.topRight());
        QCOMPARE(label->x(), left.x());
        QCOMPARE(label->geometry().right(), right.x() + 1); // the last column's grid line too
        QCOMPARE(label->geometry().bottom(), grid->y() - 1);
        QVERIFY(label->isVisible());
    }

    // A cell that differs from what the device last confirmed is red only while no transfer
    // runs and a device answers, and then counts as one modified item.
    void modifiedCellsAreRedOnlyWhileMarkingIsAllowed_data()
    {
        QTest::addColumn<bool>("answering");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("red");
        QTest::newRow("device, idle") << true << false << true;
        QTest::newRow("no device") << false << false << false;
        QTest::newRow("transfer running") << true << true << false;
    }

    void modifiedCellsAreRedOnlyWhileMarkingIsAllowed()
    {
        QFETCH(bool, answering);
        QFETCH(bool, busy);
        QFETCH(bool, red);
        Pages p;
        p.bringForward(ProgPage::Usuari, Section::Inputs);
        p.setDevice(answering);
        p.shell.context().activity().setRunning(busy);
        GridModel *model = p.shell.programming().model().grid(u"SGEntrades");
        model->setShadow(3, 2, QStringLiteral("5"));
        auto *grid = p.find<GridView>(QStringLiteral("SGEntrades"));
        const QImage image = grid->viewport()->grab().toImage();
        const QRect cell = grid->visualRect(grid->model()->index(2, 2));
        QCOMPARE(image.pixelColor(cell.topLeft() + QPoint(3, 3)) == kRed, red);
        grid->viewport()->grab();
        QCOMPARE(p.shell.programming().model().ncampsModificats(), red ? 1 : 0); // counted once, however often painted
        const QRect unchanged = grid->visualRect(grid->model()->index(1, 2));
        QVERIFY(image.pixelColor(unchanged.topLeft() + QPoint(3, 3)) != kRed);
    }

    void wheelLeavesConfigurationGridsAlone()
    {
        Pages p;
        p.shell.device().link().central = QStringLiteral("AE/SA");
        p.bringForward(ProgPage::CentralAguilera);
        auto *grid = p.find<GridView>(QStringLiteral("SGLlistatZonesAgui"));
        grid->setCurrentIndex(grid->model()->index(5, 1));
        const QPoint at = grid->viewport()->rect().center();
        QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(grid->viewport(), &wheel);
        QCOMPARE(grid->verticalScrollBar()->value(), 0);
        QCOMPARE(grid->currentIndex(), grid->model()->index(5, 1));
    }

    // The device streams a thousand zones, one row each: the grid must not repaint or measure
    // itself whole for every row.
    void storingAThousandZonesIsQuick()
    {
        Pages p;
        p.shell.device().link().central = QStringLiteral("AE/SA");
        p.bringForward(ProgPage::CentralAguilera);
        GridModel *zones = p.shell.programming().model().grid(u"SGLlistatZonesAgui");
        QCOMPARE(zones->rows(), 1023);

        QElapsedTimer timer;
        timer.start();
        for (int zone = 1; zone <= zones->rows(); ++zone)
            p.shell.programming().model().storeEntry(zones->number() + zone - 1, QStringLiteral("Zona %1").arg(zone));
        QCoreApplication::processEvents();
        const qint64 elapsed = timer.elapsed();
        qInfo("storing 1023 zone rows with the grid shown took %lld ms", elapsed);

        QCOMPARE(zones->text(1023, 2), QStringLiteral("Zona 1023"));
        QVERIFY2(elapsed < 500, qPrintable(QString::number(elapsed)));
    }

    // In the window: the read commands are offered once a device is found and withdrawn when
    // everything is cleared; entering the programming view brings it to the front.
    void windowOffersReadingOnlyWithADevice()
    {
        test::ScriptedPrompter prompter;
        test::FakeInternet internet;
        QTemporaryDir dir;
        Shell shell{prompter, internet,
                    std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat),
                    dir.filePath(QStringLiteral("quelta"))};
        ui::TFPrincipalQueltaES window{shell};
        auto *menuItem = window.findChild<QAction *>(QStringLiteral("MIILlegir"));
        auto *button = window.findChild<QWidget *>(QStringLiteral("BBLlegirPag"));
        QVERIFY(!menuItem->isEnabled());
        QVERIFY(!button->isEnabled());

        emit shell.device().supervisor().connectionEstablished();
        QVERIFY(menuItem->isEnabled());
        QVERIFY(button->isEnabled());

        emit shell.programming().programmingViewShown();
        auto *views = qobject_cast<QStackedWidget *>(window.findChild<QWidget *>(QStringLiteral("PProgramacio"))->parentWidget());
        QCOMPARE(views->currentWidget()->objectName(), QStringLiteral("PProgramacio"));

        shell.Esborra_Camps();
        QVERIFY(!menuItem->isEnabled());
        QVERIFY(!button->isEnabled());
    }
};

QTEST_MAIN(TestProgrammingPages)
#include "test_programming_pages.moc"
