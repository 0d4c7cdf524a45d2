// The contact lists on the programming pages: the "Accesos" buttons follow the core's lists, a
// click on a check cell reaches the core, the door-button combo edits a phone's button, and the
// operator list has its buttons and shows its changes red.

#include "PagesFixture.h"

#include "core/session/ContactLists.h"
#include "ui/pages/ContactListsView.h"
#include "ui/pages/GridView.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace quelta;
using test::Pages;

namespace {

struct ContactPages : Pages
{
    ui::ContactListsView contacts{shell.contactLists(), *view};

    bool shown(const char *name) const
    {
        const auto *button = find<QPushButton>(QLatin1String(name));
        return button && !button->isHidden();
    }

    // A click on the cell, and what it starts once the click is handled.
    void clickCell(ui::GridView &grid, int row, int column)
    {
        const QRect cell = grid.visualRect(grid.model()->index(row - 1, column));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QCoreApplication::processEvents();
    }

    // The phone grid on the active window, as the installer has it.
    ui::GridView &phonesOnScreen()
    {
        bringForward(ProgPage::Portes);
        view->activateWindow();
        if (!QTest::qWaitForWindowActive(view.get()))
            qWarning("the pages did not become the active window");
        return *find<ui::GridView>(QStringLiteral("SGTelefons"));
    }

    void fillLists()
    {
        ContactLists &lists = shell.contactLists();
        lists.phones().storeRow(1, {"", "600111222", "Portería", "1", "1"});
        lists.phones().storeRow(2, {"", "+34933000111", "Conserje", "0", "2"});
        lists.phones().storeRow(3, {"", "699555444", "Mantenimiento", "1", "4"});
        lists.users().storeRow(1, {"", "ana@quelta.test", "Ana", "1", "1,3", "uidA"});
        lists.users().storeRow(2, {"", "bea@quelta.test", "Bea", "0", "", "uidB"});
    }
};

} // namespace

class TestContactView : public QObject
{
    Q_OBJECT

private slots:
    // Every button is on its page; "Guardar" and "Eliminar" wait for a change and a mark.
    void buttonsStartAsTheListsAre()
    {
        ContactPages p;
        p.bringForward(ProgPage::Portes);
        for (const char *name : {"BBLlegirTel", "BBImportarTel", "BBExportarTel", "BBLlegirUsuaris"})
            QVERIFY2(p.shown(name), name);
        for (const char *name : {"BBGuardarTel", "BBEliminarTel", "BbGuardarUsuaris", "BBEliminarUsuaris"})
            QVERIFY2(!p.shown(name), name);
        for (const char *name : {"BBEsborraOperadores", "BBImportarOperadores", "BBExportarOperadores"})
            QVERIFY2(p.find<QPushButton>(QLatin1String(name)), name);
        auto *phones = p.find<ui::GridView>(QStringLiteral("SGTelefons"));
        QCOMPARE(phones->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Teléfonos"));
        QCOMPARE(phones->columnWidth(2), 150);
        QVERIFY(p.find<ui::GridView>(QStringLiteral("SGUsuaris"))->isColumnHidden(ContactTable::kUserIdColumn));
    }

    // A mark shows "Eliminar"; a painted change shows "Guardar" while a device answers; clearing the
    // list hides both.
    void buttonsFollowMarksAndChanges_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("save");
        QTest::addColumn<QString>("remove");
        QTest::addColumn<int>("typedColumn");
        QTest::newRow("phones") << "SGTelefons" << "BBGuardarTel" << "BBEliminarTel" << 2;
        QTest::newRow("users") << "SGUsuaris" << "BbGuardarUsuaris" << "BBEliminarUsuaris" << 1;
    }

    void buttonsFollowMarksAndChanges()
    {
        QFETCH(QString, grid);
        QFETCH(QString, save);
        QFETCH(QString, remove);
        QFETCH(int, typedColumn);
        ContactPages p;
        p.fillLists();
        p.setDevice(true);
        p.bringForward(ProgPage::Portes);
        auto &view = *p.find<ui::GridView>(grid);
        auto &table = static_cast<ContactTable &>(*view.model());

        p.clickCell(view, 2, ContactTable::kMarkColumn);
        QCOMPARE(table.text(2, ContactTable::kMarkColumn), QStringLiteral("1"));
        QTRY_VERIFY(p.shown(remove.toLatin1()));

        table.setText(1, typedColumn, QStringLiteral("cambiado"));
        QTRY_VERIFY(p.shown(save.toLatin1()));

        p.shell.contactLists().Esborra_Portes(ContactLists::Both);
        QVERIFY(!p.shown(save.toLatin1()));
        QVERIFY(!p.shown(remove.toLatin1()));
    }

    // Selecting a phone's button cell opens CBSGTelefons over it, two pixels in and as wide as the
    // cell, on "1" with its list open; the item chosen becomes the row's button.
    void buttonComboWritesTheCell()
    {
        ContactPages p;
        p.fillLists();
        ui::GridView &view = p.phonesOnScreen();
        auto *combo = p.find<QComboBox>(QStringLiteral("CBSGTelefons"));
        QVERIFY(combo && !combo->isVisible());

        p.clickCell(view, 2, ContactTable::kButtonColumn);
        QVERIFY(combo->isVisible());
        const QRect cell = view.visualRect(view.model()->index(1, ContactTable::kButtonColumn));
        QCOMPARE(combo->geometry().topLeft(), cell.topLeft() + QPoint(2, 2));
        QCOMPARE(combo->width(), cell.width());
        QCOMPARE(combo->currentText(), QStringLiteral("1"));
        QCOMPARE(combo->count(), 5);
        QVERIFY(combo->view()->isVisible());

        combo->hidePopup();
        emit combo->activated(3);
        QCOMPARE(p.shell.contactLists().phones().text(2, ContactTable::kButtonColumn), QStringLiteral("3"));
        QVERIFY(!combo->isVisible());
    }

    // The combo goes as the installer moves on, and the cell keeps its button.
    void buttonComboHidesWhenLeft_data()
    {
        QTest::addColumn<int>("leave");
        QTest::newRow("another column selected") << 0;
        QTest::newRow("grid scrolled") << 1;
        QTest::newRow("another control focused") << 2;
    }

    void buttonComboHidesWhenLeft()
    {
        QFETCH(int, leave);
        ContactPages p;
        p.fillLists();
        ui::GridView &view = p.phonesOnScreen();
        auto *combo = p.find<QComboBox>(QStringLiteral("CBSGTelefons"));
        p.clickCell(view, 2, ContactTable::kButtonColumn);
        combo->hidePopup();
        QVERIFY(combo->isVisible());

        switch (leave) {
        case 0: p.clickCell(view, 2, 2); break;
        case 1: view.verticalScrollBar()->setValue(3); break;
        default:
            p.find<ui::GridView>(QStringLiteral("SGUsuaris"))->setFocus(Qt::MouseFocusReason);
            QCoreApplication::processEvents();
        }
        QVERIFY(!combo->isVisible());
        QCOMPARE(p.shell.contactLists().phones().text(2, ContactTable::kButtonColumn), QStringLiteral("2"));
    }

    // An operator that differs from the device is red while no transfer runs and either a device
    // answers or a loaded template is shown in the result strip; it counts once, however often
    // it is painted.
    void operatorChangesAreRedWithADeviceOrATemplate_data()
    {
        QTest::addColumn<bool>("answering");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("strip");
        QTest::addColumn<bool>("red");
        const QString loaded = QStringLiteral("Plantilla  oficina.txt");
        QTest::newRow("device, idle") << true << false << QString() << true;
        QTest::newRow("device, transfer running") << true << true << QString() << false;
        QTest::newRow("no device") << false << false << QString() << false;
        QTest::newRow("template shown, no device") << false << false << loaded << true;
        QTest::newRow("template shown, transfer running") << false << true << loaded << false;
    }

    void operatorChangesAreRedWithADeviceOrATemplate()
    {
        QFETCH(bool, answering);
        QFETCH(bool, busy);
        QFETCH(QString, strip);
        QFETCH(bool, red);
        ContactPages p;
        p.bringForward(ProgPage::ConfigHard);
        p.setDevice(answering);
        p.shell.context().activity().setRunning(busy);
        p.shell.context().views().setResultText(strip);
        ConfigurationModel &model = p.shell.programming().model();
        model.grid(u"SGOperadores")->setText(2, 1, QStringLiteral("internet"));

        auto *grid = p.find<ui::GridView>(QStringLiteral("SGOperadores"));
        const QImage image = grid->viewport()->grab().toImage();
        const QRect changed = grid->visualRect(grid->model()->index(1, 1));
        const QRect unchanged = grid->visualRect(grid->model()->index(0, 1));
        // The text starts at the top left: the background shows at the other corner.
        QCOMPARE(image.pixelColor(changed.bottomRight() - QPoint(3, 3)) == test::kRed, red);
        QVERIFY(image.pixelColor(unchanged.bottomRight() - QPoint(3, 3)) != test::kRed);
        grid->viewport()->grab();
        QCOMPARE(model.ncampsModificats(), red ? 1 : 0);
    }

    void screenshot()
    {
        const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS");
        if (shots.isEmpty())
            QSKIP("QUELTA_SCREENSHOTS is not set");
        ContactPages p;
        p.fillLists();
        p.setDevice(true);
        p.shell.contactLists().phones().setText(2, 2, QStringLiteral("Conserjería"));
        p.shell.contactLists().users().click(2, ContactTable::kMarkColumn);
        p.shell.contactLists().headerReleased(p.shell.contactLists().users(), 1);
        p.bringForward(ProgPage::Portes);
        QTest::qWait(100);
        QVERIFY(p.view->grab().save(shots + QStringLiteral("/contact-lists.png")));
    }
};

QTEST_MAIN(TestContactView)
#include "test_contact_view.moc"
