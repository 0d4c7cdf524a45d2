// The contact lists on the programming pages: the "Accesos" buttons follow the core's lists, a
// click on a check cell reaches the core, and the operator list has its buttons.

#include "PagesFixture.h"

#include "core/session/ContactLists.h"
#include "ui/pages/ContactListsView.h"
#include "ui/pages/GridView.h"

#include <QComboBox>
#include <QPushButton>
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

    void clickCell(ui::GridView &grid, int row, int column)
    {
        const QRect cell = grid.visualRect(grid.model()->index(row - 1, column));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
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

    // A click on a phone's button cell opens CBSGTelefons there; choosing writes the cell.
    void buttonComboWritesTheCell()
    {
        ContactPages p;
        p.fillLists();
        p.bringForward(ProgPage::Portes);
        auto &view = *p.find<ui::GridView>(QStringLiteral("SGTelefons"));
        p.clickCell(view, 2, ContactTable::kButtonColumn);
        auto *combo = p.find<QComboBox>(QStringLiteral("CBSGTelefons"));
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->count(), 5);
        combo->hidePopup();
        emit combo->activated(3);
        QCOMPARE(p.shell.contactLists().phones().text(2, ContactTable::kButtonColumn), QStringLiteral("3"));
        QVERIFY(!combo->isVisible());
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
