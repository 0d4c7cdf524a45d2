#include "ui/pages/GridView.h"
#include "core/transfer/RowValues.h"

#include "PagesFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QGuiApplication>
#include <QtTest>

using namespace quelta;
using quelta::ui::GridView;
using test::Pages;

namespace {

// A page on screen and taking keys, with a device answering.
void pageOnScreen(Pages &p, ProgPage page, Section section = Section::None)
{
    if (page == ProgPage::CentralAguilera)
        p.shell.device().link().central = QStringLiteral("AE/SA");
    p.setDevice(true);
    p.bringForward(page, section);
    p.view->activateWindow();
    if (!QTest::qWaitForWindowActive(p.view.get()))
        qWarning("the pages did not become the active window");
}

GridView *gridOnScreen(Pages &p, const QString &name)
{
    const GridModel *model = p.shell.programming().model().grid(name);
    pageOnScreen(p, model->binding().page, model->binding().section);
    return p.find<GridView>(name);
}

// The edit, focused, after the installer typed into it.
QLineEdit *typedEdit(Pages &p, const QString &name, const QString &typed)
{
    const SingleField *field = p.shell.programming().model().field(name);
    pageOnScreen(p, field->binding->page);
    auto *edit = p.find<QLineEdit>(name);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, typed);
    return edit;
}

void leave(Pages &p, QLineEdit *edit)
{
    auto *other = p.find<QLineEdit>(QStringLiteral("EProgEmpresa") == edit->objectName() ? QStringLiteral("EProgRef")
                                                                                            : QStringLiteral("EProgEmpresa"));
    if (other->window() != edit->window() || !other->isVisible())
        other = nullptr;
    if (other)
        other->setFocus(Qt::TabFocusReason);
    else
        edit->clearFocus();
    QCoreApplication::processEvents();
}

QPoint cellCentre(GridView *grid, int row, int column)
{
    return grid->visualRect(grid->model()->index(row - 1, column)).center();
}

// A click on the cell, and what it starts once the click is handled.
void selectCell(GridView *grid, int row, int column)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, column));
    QCoreApplication::processEvents();
}

// Each key goes where the installer's would: to the grid, then to the editor it opened.
void typeIntoFocus(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

QComboBox *comboOf(Pages &p, const char *name)
{
    return p.find<QComboBox>(QLatin1String(name));
}

} // namespace

class TestEditors : public QObject
{
    Q_OBJECT

private slots:
    // The second click puts tick and shadow back, yet the cell stays changed and its row is due.
    void editsTakeOnlyWhatTheirRuleAllows_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("port: digits, five") << "EPortCRA11" << "12a34567" << "12345";
        QTest::newRow("subscriber: hexadecimal, six") << "EAbonatCra11" << "1fG2z9A0" << "1f29A0";
        QTest::newRow("SMS numbers") << "ETelSMS1" << "+34 600;7x" << "+34600;7";
        QTest::newRow("SIM PIN: six of anything") << "EPinSIM" << "12ab5678" << "12ab56";
    }

    void editsTakeOnlyWhatTheirRuleAllows()
    {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Pages p;
        QCOMPARE(typedEdit(p, edit, typed)->text(), shown);
        QCOMPARE(p.shell.programming().model().field(edit)->value, shown);
    }

    void leavingAnEditChecksItsValue_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("value");
        const QString badIp = QStringLiteral("Esta dirección IP no es válida\rPor favor, entre una dirección correcta");
        const QString badEmail = QStringLiteral("Esta dirección e-mail no es válida\rPor favor, entre una dirección correcta");
        QTest::newRow("IP, three parts") << "EConfigADSLIP" << "192.168.1" << badIp << "192.168.1";
        QTest::newRow("IP, whole") << "EConfigADSLIP" << "192.168.1.20" << "" << "192.168.1.20";
        QTest::newRow("e-mail, trailing ;") << "EEmail1" << "a@b.es;" << badEmail << "a@b.es;";
        QTest::newRow("e-mail, two") << "EEmail1" << "ana@b.es; luis@c.com" << "" << "ana@b.es; luis@c.com";
        QTest::newRow("address padded") << "EAdrAD300" << "5" << "" << "05";
    }

    // A wrong value is kept, marked, and the focus goes back to it after the warning.
    void leavingAnEditChecksItsValue()
    {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, warning);
        QFETCH(QString, value);
        Pages p;
        QLineEdit *line = typedEdit(p, edit, typed);
        leave(p, line);
        QCOMPARE(p.harness.prompter.asked.value(0).message, warning);
        QCOMPARE(line->text(), value);
        QCOMPARE(p.shell.programming().model().field(edit)->value, value);
        QCOMPARE(p.shell.programming().model().field(edit)->state, FieldState::Modified);
        if (!warning.isEmpty())
            QTRY_VERIFY(line->hasFocus());
    }

    void checkCellClickedTwiceStaysModified()
    {
        Pages p;
        GridView *view = gridOnScreen(p, QStringLiteral("SGEntrades"));
        GridModel &grid = *view->grid();
        grid.storeRow(3, {QStringLiteral("Puerta"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1")});

        selectCell(view, 3, 4);
        QCOMPARE(grid.flags(3, 4), 2);
        QCOMPARE(grid.shadow(3, 4), QStringLiteral("0"));
        selectCell(view, 3, 4);
        QCOMPARE(grid.flags(3, 4), 3);
        QCOMPARE(grid.shadow(3, 4), QStringLiteral("1"));
        QVERIFY(grid.isModified(3, 4));
        QVERIFY(rowDue(grid, 3));
        QVERIFY(!rowDue(grid, 2));
    }

    // Option cells are chosen from the grid's combo; other columns hide it.
    void optionComboFollowsTheSelectedColumn()
    {
        Pages p;
        GridView *view = gridOnScreen(p, QStringLiteral("SGEntradesOpc"));
        QComboBox *combo = comboOf(p, "CBSGEntrades");
        QVERIFY(combo && !combo->isVisible());

        selectCell(view, 2, 1);
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->currentText(), QStringLiteral("1"));
        QCOMPARE(combo->geometry().topLeft(), view->visualRect(view->model()->index(1, 1)).topLeft() + QPoint(2, 2));
        combo->hidePopup();
        emit combo->activated(3);
        QVERIFY(!combo->isVisible());
        QCOMPARE(view->grid()->text(2, 1), QStringLiteral("3"));
        QVERIFY(view->grid()->isModified(2, 1));

        selectCell(view, 2, 1);
        QVERIFY(combo->isVisible());
        selectCell(view, 2, 3);
        QVERIFY(!combo->isVisible());
    }

    void zoneTypeComboWritesTheTypeCode()
    {
        Pages p;
        GridView *view = gridOnScreen(p, QStringLiteral("SGLlistatZonesAgui"));
        QComboBox *combo = comboOf(p, "CBSGLlistatZones");
        selectCell(view, 4, 1);
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->currentIndex(), -1);
        combo->hidePopup();
        emit combo->activated(combo->findText(QStringLiteral("112=Combustión")));
        QCOMPARE(view->grid()->text(4, 1), QStringLiteral("112"));
    }

    // A one-cell grid shows and hides its combo on each click.
    void oneCellGridTogglesItsComboOnClick()
    {
        Pages p;
        GridView *view = gridOnScreen(p, QStringLiteral("SGCra"));
        QComboBox *combo = comboOf(p, "CBSGCra");
        selectCell(view, 1, 0);
        QVERIFY(combo->isVisible());
        combo->hidePopup();
        selectCell(view, 1, 0);
        QVERIFY(!combo->isVisible());
    }

    void typedKeysFollowTheColumnRules_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");

        QTest::newRow("test time, hour 24") << "SGTest" << 1 << 2 << "24" << "2";
        QTest::newRow("test time, minutes 6x") << "SGTest" << 1 << 2 << "23:6" << "23:";
        QTest::newRow("test time, whole") << "SGTest" << 1 << 2 << "07:45" << "07:45";
        QTest::newRow("Contact ID, nine digits") << "SGEntradesOpc" << 1 << 3 << "12AB56789" << "12AB5678";
        QTest::newRow("Contact ID, not hexadecimal") << "SGEntradesOpc" << 1 << 3 << "1G2" << "12";
        QTest::newRow("input delay, digits only") << "SGEntrades" << 1 << 2 << "1a2" << "12";
        QTest::newRow("alias, twelve characters") << "SGEntrades" << 1 << 1 << "Puerta trasera" << "Puerta trase";
        QTest::newRow("option column takes no text") << "SGEntradesOpc" << 1 << 4 << "" << "";
        QTest::newRow("door number") << "SGBoto1" << 1 << 3 << "+34x6" << "+346";
    }

    void typedKeysFollowTheColumnRules()
    {
        QFETCH(QString, grid);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Pages p;
        GridView *view = gridOnScreen(p, grid);
        view->setCurrentIndex(view->model()->index(row - 1, column));
        view->setFocus();
        typeIntoFocus(typed);
        if (QApplication::focusWidget() != view)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // committed once it is handled
        QCoreApplication::processEvents();
        QCOMPARE(view->grid()->text(row, column), stored);
    }

    // Typing into an App/SMS/EMail cell types nothing; on the inputs' messages it opens the combo.
    void typingIntoAnOptionCellTogglesTheCombo()
    {
        Pages p;
        GridView *view = gridOnScreen(p, QStringLiteral("SGEntradesOpc"));
        QComboBox *combo = comboOf(p, "CBSGEntrades");
        view->setCurrentIndex(view->model()->index(0, 3));
        view->setFocus();
        view->setCurrentIndex(view->model()->index(0, 2));
        QCoreApplication::processEvents();
        combo->hidePopup();
        QVERIFY(combo->isVisible());
        QTest::keyClick(view, Qt::Key_5);
        QVERIFY(!combo->isVisible());
        QTest::keyClick(view, Qt::Key_5);
        QVERIFY(combo->isVisible());
        QCOMPARE(view->grid()->text(1, 2), QString());
    }

    void pasteIntoAContactIdCell_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("stored");
        QTest::newRow("eight hexadecimal digits") << "AB12CD34" << "AB12CD34";
        QTest::newRow("nine digits") << "AB12CD345" << "0001";
        QTest::newRow("not hexadecimal") << "12-34" << "0001";
    }

    void pasteIntoAContactIdCell()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, stored);
        Pages p;
        GridView *view = gridOnScreen(p, QStringLiteral("SGEntradesOpc"));
        view->grid()->setText(1, 3, QStringLiteral("0001"));
        view->setCurrentIndex(view->model()->index(0, 3));
        view->setFocus();
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keySequence(view, QKeySequence::Paste);
        QCOMPARE(view->grid()->text(1, 3), stored);
    }
};

QTEST_MAIN(TestEditors)
#include "test_editors.moc"
