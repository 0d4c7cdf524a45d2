#include "ui/cloud/DeviceDirectoryView.h"
#include "ui/cloud/DirectoryIcons.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace quelta;
using quelta::ui::DeviceDirectoryView;
using quelta::ui::DirectoryIcon;

namespace {

// One device of every kind the directory meets (states as named and as numbers), sorted by
// reference as the core gives them.
QList<DirectoryEntry> everyState()
{
    return {
        {QStringLiteral("Instalaciones Norte"), QStringLiteral("Almacén central"), QStringLiteral("QZ20K3-000A1"),
         QStringLiteral("Conectado"), QStringLiteral("Conectado"), 4, 4},
        {QStringLiteral("Instalaciones Norte"), QStringLiteral("Colegio San José"), QStringLiteral("QZ20K3-000B7"),
         QStringLiteral("Perdido"), QStringLiteral("Conectado"), 1, 4},
        {QStringLiteral("Fuego Sur"), QStringLiteral("Hotel Marina"), QStringLiteral("QZ20K3-0012F"),
         QStringLiteral("Desactivado"), QStringLiteral("Perdido"), 0, 1},
        {QStringLiteral("Fuego Sur"), QStringLiteral("Nave 4"), QStringLiteral("QZ20K3-00200"),
         QStringLiteral("No ADSL"), QStringLiteral("No GPRS"), 7, 7},
        {QStringLiteral("Instalaciones Norte"), QStringLiteral("Parking Plaza"), QStringLiteral("QZ20K3-0031C"),
         QStringLiteral("Conectado"), QStringLiteral("Desactivado"), 4, 0},
        {QStringLiteral("Fuego Sur"), QStringLiteral("Residencia Olivos"), QStringLiteral("QZ20K3-0044D"),
         QStringLiteral("Perdido"), QStringLiteral("No GPRS"), 1, 7},
    };
}

QImage imageOf(const QTableWidgetItem *item)
{
    return item->data(Qt::DecorationRole).value<QPixmap>().toImage();
}

QImage expected(DirectoryIcon icon, const QTableWidgetItem *item)
{
    const int size = item->data(Qt::DecorationRole).value<QPixmap>().width();
    return directoryIcon(icon, size).toImage();
}

struct View
{
    DeviceDirectoryView view;
    QTableWidget *grid;

    View() : grid(view.findChild<QTableWidget *>(QStringLiteral("SGLListatCircuits")))
    {
        view.resize(1000, 420);
        view.show();
        view.activateWindow();
        if (!QTest::qWaitForWindowActive(&view))
            qWarning("the directory did not become the active window");
    }

    template<class T> T *find(const QString &name) const { return view.findChild<T *>(name); }
    QPoint centreOf(int row, int column) const
    {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
};

} // namespace

class TestDirectoryView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<DirectorySearch>(); }

    // Every link state has its own picture, with its text as tip; a device reached by neither link
    // carries the delete mark instead of its number.
    void devicesShowTheirStatesAndTheDeleteMark()
    {
        View v;
        QVERIFY(v.grid);
        v.view.showEntries(everyState());
        QCOMPARE(v.grid->rowCount(), 6);

        const struct {
            const char *number;
            DirectoryIcon ethernet, gprs;
        } rows[] = {
            {"1", DirectoryIcon::EthernetOn, DirectoryIcon::GprsOn},
            {"2", DirectoryIcon::EthernetOff, DirectoryIcon::GprsOn},
            {"Esborrar", DirectoryIcon::EthernetDisabled, DirectoryIcon::GprsOff},
            {"Esborrar", DirectoryIcon::CloudOff, DirectoryIcon::CloudOff},
            {"5", DirectoryIcon::EthernetOn, DirectoryIcon::GprsDisabled},
            {"Esborrar", DirectoryIcon::EthernetOff, DirectoryIcon::CloudOff},
        };
        for (int row = 0; row < 6; ++row) {
            const DirectoryEntry &entry = everyState().at(row);
            const QTableWidgetItem *number = v.grid->item(row, 0);
            QCOMPARE(number->text(), QLatin1String(rows[row].number));
            const bool deletable = QLatin1String(rows[row].number) == QLatin1String("Esborrar");
            if (deletable)
                QCOMPARE(imageOf(number), expected(DirectoryIcon::Delete, number));
            else
                QVERIFY(number->data(Qt::DecorationRole).isNull());
            QCOMPARE(v.grid->item(row, 1)->text(), entry.installer);
            QCOMPARE(v.grid->item(row, 2)->text(), entry.reference);
            QCOMPARE(v.grid->item(row, 3)->text(), entry.identifier);
            const QTableWidgetItem *ethernet = v.grid->item(row, 4);
            const QTableWidgetItem *gprs = v.grid->item(row, 5);
            QCOMPARE(ethernet->text(), entry.ethernet);
            QCOMPARE(ethernet->toolTip(), entry.ethernet);
            QCOMPARE(ethernet->data(Qt::AccessibleTextRole).toString(), entry.ethernet);
            QCOMPARE(gprs->text(), entry.gprs);
            QCOMPARE(gprs->toolTip(), entry.gprs);
            QCOMPARE(imageOf(ethernet), expected(rows[row].ethernet, ethernet));
            QCOMPARE(imageOf(gprs), expected(rows[row].gprs, gprs));
            for (int column = 0; column < 6; ++column)
                QVERIFY(!(v.grid->item(row, column)->flags() & Qt::ItemIsEditable));
        }

        // A new search replaces the whole list.
        v.view.showEntries(everyState().mid(3, 1));
        QCOMPARE(v.grid->rowCount(), 1);
        QCOMPARE(v.grid->item(0, 0)->text(), QStringLiteral("Esborrar"));
        QCOMPARE(v.grid->item(0, 2)->text(), QStringLiteral("Nave 4"));

        if (const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS"); !shots.isEmpty()) {
            v.view.fillSearch({QStringLiteral("PROTECCIONES IBÉRICAS"), QString(), QString()});
            v.view.showEntries(everyState());
            QTest::qWait(50);
            v.view.grab().save(shots + QStringLiteral("/directory.png"));
            v.view.showKeyPanel();
            QTest::keyClicks(v.find<QLineEdit>(QStringLiteral("EBuscaPassword")), QStringLiteral("clave123"));
            QTest::qWait(50);
            v.view.grab().save(shots + QStringLiteral("/directory-key.png"));
        }
    }

    // The fixed columns keep their widths; installer and reference share the rest of the list's width,
    // also after the view is resized.
    void headersAndWidthsFollowTheView()
    {
        View v;
        v.view.showEntries(everyState());
        const QStringList headers = {QStringLiteral("N."), QStringLiteral("Instalador"), QStringLiteral("Referencia"),
                                     QStringLiteral("Identificador"), QStringLiteral("Ethernet"), QStringLiteral("GPRS")};
        for (int column = 0; column < 6; ++column)
            QCOMPARE(v.grid->horizontalHeaderItem(column)->text(), headers.at(column));
        for (const int width : {1000, 760, 1400}) {
            v.view.resize(width, 420);
            QCoreApplication::processEvents();
            const QHeaderView *header = v.grid->horizontalHeader();
            QCOMPARE(header->sectionSize(0), 50);
            QCOMPARE(header->sectionSize(3), 150);
            QCOMPARE(header->sectionSize(4), 95);
            QCOMPARE(header->sectionSize(5), 95);
            QVERIFY(qAbs(header->sectionSize(1) - header->sectionSize(2)) <= 1);
            QCOMPARE(header->length(), v.grid->viewport()->width());
        }
    }

    void searchIsSentTrimmed()
    {
        View v;
        QSignalSpy searches(&v.view, &DeviceDirectoryView::searchRequested);
        QTest::keyClicks(v.find<QLineEdit>(QStringLiteral("ELListatEmpresa")), QStringLiteral("  ACME "));
        QTest::keyClicks(v.find<QLineEdit>(QStringLiteral("ELlistatInstal")), QStringLiteral(" Juan  "));
        QTest::keyClicks(v.find<QLineEdit>(QStringLiteral("ELlistatRef")), QStringLiteral("\tNave 4 "));
        auto *button = v.find<QPushButton>(QStringLiteral("BBLlistatBusca"));
        QCOMPARE(button->text(), QStringLiteral("BUSCAR"));
        button->click();
        QCOMPARE(searches.size(), 1);
        auto sent = searches.at(0).at(0).value<DirectorySearch>();
        QCOMPARE(sent.company, QStringLiteral("ACME"));
        QCOMPARE(sent.installer, QStringLiteral("Juan"));
        QCOMPARE(sent.reference, QStringLiteral("Nave 4"));

        // Return in any edit searches too; the bar can be refilled from the session.
        v.view.fillSearch({QStringLiteral("1234"), QString(), QStringLiteral(" R ")});
        QTest::keyClick(v.find<QLineEdit>(QStringLiteral("ELlistatRef")), Qt::Key_Return);
        QCOMPARE(searches.size(), 2);
        sent = searches.at(1).at(0).value<DirectorySearch>();
        QCOMPARE(sent.company, QStringLiteral("1234"));
        QVERIFY(sent.installer.isEmpty());
        QCOMPARE(sent.reference, QStringLiteral("R"));
    }

    // A double click names the device's row as the list numbers it, and never opens a cell for
    // editing; the pointer is a hand over the link cells only.
    void doubleClickNamesTheCell()
    {
        View v;
        v.view.showEntries(everyState());
        QSignalSpy cells(&v.view, &DeviceDirectoryView::cellActivated);
        QWidget *viewport = v.grid->viewport();
        for (const QPoint at : {v.centreOf(1, 4), v.centreOf(3, 0), v.centreOf(5, 2)}) {
            // A double click as the window system gives it: a click, then the second press.
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        }
        QCOMPARE(cells.size(), 3);
        QCOMPARE(cells.at(0), (QList<QVariant>{2, 4}));
        QCOMPARE(cells.at(1), (QList<QVariant>{4, 0}));
        QCOMPARE(cells.at(2), (QList<QVariant>{6, 2}));
        QVERIFY(viewport->findChildren<QLineEdit *>().isEmpty()); // no cell editor opened
        QCOMPARE(v.grid->item(5, 2)->text(), QStringLiteral("Residencia Olivos"));

        QTest::mouseMove(viewport, v.centreOf(2, 5));
        QCOMPARE(viewport->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(viewport, v.centreOf(2, 3));
        QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(viewport, v.centreOf(0, 4));
        QCOMPARE(viewport->cursor().shape(), Qt::PointingHandCursor);
    }

    void keyPanelAsksForTheKey()
    {
        View v;
        v.view.showEntries(everyState());
        auto *panel = v.find<QWidget>(QStringLiteral("PBuscaPassword"));
        auto *edit = v.find<QLineEdit>(QStringLiteral("EBuscaPassword"));
        auto *show = v.find<QPushButton>(QStringLiteral("BBMostraPassword"));
        auto *accept = v.find<QPushButton>(QStringLiteral("BBAcceptarPassword"));
        QVERIFY(panel && edit && show && accept);
        QVERIFY(!panel->isVisible());
        QVERIFY(panel->findChild<QLabel *>()->text() == QStringLiteral("INTRODUZCA LA CLAVE"));
        QCOMPARE(accept->text(), QStringLiteral("ACEPTAR"));

        edit->setText(QStringLiteral("left over"));
        v.view.showKeyPanel();
        QVERIFY(panel->isVisible());
        QVERIFY(edit->text().isEmpty());
        QTRY_VERIFY(edit->hasFocus());
        // In front of the list: what lies under the panel's middle is the panel.
        const QPoint middle = panel->geometry().center();
        QVERIFY(v.grid->geometry().contains(middle));
        QWidget *top = v.view.childAt(middle);
        QVERIFY(top == panel || panel->isAncestorOf(top));

        QTest::keyClicks(edit, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(edit->text(), QStringLiteral("abcdefghijklmnopqrst"));
        QCOMPARE(edit->displayText(), QString(20, QLatin1Char('*')));
        QTest::mousePress(show, Qt::LeftButton);
        QCOMPARE(edit->displayText(), QStringLiteral("abcdefghijklmnopqrst"));
        QTest::mouseRelease(show, Qt::LeftButton);
        QCOMPARE(edit->displayText(), QString(20, QLatin1Char('*')));
        QTest::mousePress(show, Qt::LeftButton);
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(show, &leave);
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QTest::mouseRelease(show, Qt::LeftButton);
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QVERIFY(edit->hasFocus()); // the button leaves the typing where it was

        QSignalSpy keys(&v.view, &DeviceDirectoryView::keyEntered);
        accept->click();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys.at(0).at(0).toString(), QStringLiteral("abcdefghijklmnopqrst"));
        QCOMPARE(keys.at(1).at(0).toString(), QStringLiteral("abcdefghijklmnopqrst"));

        v.find<QToolButton>(QStringLiteral("ISortirBuscaPasword"))->click();
        QVERIFY(!panel->isVisible());
        v.view.showKeyPanel();
        QVERIFY(panel->isVisible());
        v.view.hideKeyPanel();
        QVERIFY(!panel->isVisible());
    }
};

QTEST_MAIN(TestDirectoryView)
#include "test_directory_view.moc"
