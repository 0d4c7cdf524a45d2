#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include "WindowFixture.h"
#include "core/session/Shell.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/mainwindow/StatusLamp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace quelta;
using quelta::ui::TFPrincipalQueltaES;

Q_DECLARE_METATYPE(quelta::View)

namespace {

// The window, and its first activation.
struct Harness : test::WindowFixture
{
    // Shows the window and lets its first activation run.
    bool activate()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        return QTest::qWaitFor([this] { return internet.checks > 0; });
    }
};

// A translation module with no texts in it: enough for the language to count as installed.
const QStringList kCloudControls{QStringLiteral("BBBuscar"), QStringLiteral("BBMapa"), QStringLiteral("BBActualitzar"),
                                 QStringLiteral("BBEvents"), QStringLiteral("MIBuscar")};

bool isEnabled(QObject *control)
{
    if (auto *action = qobject_cast<QAction *>(control))
        return action->isEnabled();
    const auto *widget = qobject_cast<QWidget *>(control);
    return widget && widget->isEnabled();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void namedControlsExist_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"PBotons", "BBProg", "BBBuscar", "BBMapa", "BBActualitzar", "BBEvents", "BBLlegirEstat", "PUSB", "CCBPort",
              "PIP", "EIPRemot", "EPortRemot", "BBConnectarRemot", "PEstat", "PProgramacio", "PLlistatCircuits",
              "PActualitzacions", "PMapa", "PEvents", "SBEstat", "PBEstat", "LEstat", "ComLedRX", "ComLedTX",
              "ComLedRXAgui", "ComLedTXAgui", "MISistema", "MITancarSessio", "MIEstat", "MIProgramacio", "MIILlegir",
              "MIIGravar", "MIICrearplantilla", "MIIImportarPlantilla", "MIIDefecte", "MIBuscar", "MIBidi",
              "MIComunicacio", "MIIComunicacioLocal", "MIIComunicacioRemota", "MIIdioma", "LanguageSpanish",
              "LanguageEnglish", "LanguagePortugues", "LanguageFrancais", "MIInfo"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void namedControlsExist()
    {
        QFETCH(QString, name);
        Harness h;
        QVERIFY(h.window.created());
        QCOMPARE(h.window.objectName(), QStringLiteral("TFPrincipalQueltaES"));
        QVERIFY2(h.find<QObject>(name), qPrintable(name));
    }

    void statusBarPanels_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("link state") << 0 << 250 << QStringLiteral("SIN   CONEXION");
        QTest::newRow("activity") << 1 << 400 << QString();
        QTest::newRow("further text") << 2 << 250 << QString();
    }

    void statusBarPanels()
    {
        QFETCH(int, panel);
        QFETCH(int, width);
        QFETCH(QString, text);
        Harness h;
        auto *label = h.find<QLabel>(QStringLiteral("SBEstatPanel%1").arg(panel));
        QVERIFY(label);
        QCOMPARE(label->width(), width);
        QCOMPARE(label->text(), text);
    }

    // The device lamps follow the link-state text, also after it changes.
    void statusBarItemsArePlacedByTheirRules()
    {
        Harness h;
        auto *bar = h.find<QStatusBar>(QStringLiteral("SBEstat"));
        auto *state = h.find<QLabel>(QStringLiteral("SBEstatPanel0"));
        auto *progress = h.find<QProgressBar>(QStringLiteral("PBEstat"));
        QCOMPARE(progress->x(), 250 + 200);
        QCOMPARE(progress->width(), 400 - 200);
        QCOMPARE(h.find<QLabel>(QStringLiteral("LEstat"))->geometry(), progress->rect());

        // After the state's text as drawn: the program's own words, shown in Spanish here.
        for (const QString &text : {StatusBar::kSinConexio, StatusBar::kConectat}) {
            h.shell.context().statusBar().showLinkState(text);
            QCOMPARE(state->text(), text);
            const int rx = ui::GetWidthText(text, bar->font()) + ui::StatusLamp::kSize + 10;
            QCOMPARE(h.find<QWidget>(QStringLiteral("ComLedRX"))->x(), rx);
            QCOMPARE(h.find<QWidget>(QStringLiteral("ComLedTX"))->x(), rx + 20);
        }
        QCOMPARE(h.find<QWidget>(QStringLiteral("ComLedRXAgui"))->x(), 650 + 10);
        QCOMPARE(h.find<QWidget>(QStringLiteral("ComLedTXAgui"))->x(), 650 + 30);
    }

    // The label over the progress bar shows what the status bar holds: a write's share, or nothing
    // when a run starts; a read's progress leaves it alone.
    void progressLabelFollowsTheStatusBar()
    {
        Harness h;
        auto *label = h.find<QLabel>(QStringLiteral("LEstat"));
        StatusBar &bar = h.shell.context().statusBar();
        bar.setLEstat(QStringLiteral("37%"));
        QCOMPARE(label->text(), QStringLiteral("37%"));
        bar.setProgress(80);
        QCOMPARE(label->text(), QStringLiteral("37%"));
        bar.setLEstat(QString());
        QCOMPARE(label->text(), QString());
    }

    void menusAtStart()
    {
        Harness h;
        for (const char *name : {"MIILlegir", "MIIGravar", "MIICrearplantilla", "MIIImportarPlantilla", "MIIDefecte"})
            QVERIFY2(!h.find<QAction>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(h.find<QAction>(QStringLiteral("MIIComunicacioLocal"))->isChecked());
        QVERIFY(!h.find<QAction>(QStringLiteral("MIIComunicacioRemota"))->isChecked());
        QVERIFY(!h.find<QAction>(QStringLiteral("MIBidi"))->isVisible());
        QVERIFY(h.find<QAction>(QStringLiteral("LanguageSpanish"))->isChecked());
        QVERIFY(h.find<QWidget>(QStringLiteral("BBConnectarRemot"))->isHidden());
        auto *stack = h.find<QWidget>(QStringLiteral("PUSB"))->parentWidget();
        QCOMPARE(qobject_cast<QStackedWidget *>(stack)->currentWidget()->objectName(), QStringLiteral("PUSB"));
        auto *port = h.find<QComboBox>(QStringLiteral("CCBPort"));
        QCOMPARE(port->currentText(), QStringLiteral("COM1"));
    }

    void hints()
    {
        Harness h;
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 250);
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0, 255, 255));
        auto *port = h.find<QWidget>(QStringLiteral("CCBPort"));
        QCOMPARE(port->toolTip(), QStringLiteral("Puerto USB\nPuerto de comunicación de este programa con el circuito Quelta"));
        QCOMPARE(port->toolTipDuration(), 10000);
        // A bound control names its parameter, as the model numbers it.
        auto *company = h.find<QWidget>(QStringLiteral("EProgEmpresa"));
        QVERIFY(company->toolTip().startsWith(QStringLiteral("Identificación\nNombre de la empresa instaladora")));
        QVERIFY(company->toolTip().endsWith(QStringLiteral("Parámetro : 102")));
    }

    void offlineStart()
    {
        Harness h;
        QVERIFY(h.activate());
        QVERIFY(h.window.windowTitle().endsWith(QStringLiteral("        sin internet")));
        for (const QString &name : kCloudControls)
            QVERIFY2(!isEnabled(h.find<QObject>(name)), qPrintable(name));
        auto *caption = h.find<QLabel>(QStringLiteral("PEstatCaption"));
        QCOMPARE(caption->text(), QStringLiteral("SIN   CONEXION"));
        QVERIFY(caption->isVisible());
        QVERIFY(!h.find<QWidget>(QStringLiteral("deviceStatusPanels"))->isVisible());
        QVERIFY(h.find<QWidget>(QStringLiteral("PEstat"))->isVisible());

        // Later activations do not run the first activation's work again.
        h.window.hide();
        h.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.window));
        QCoreApplication::processEvents();
        QCOMPARE(h.internet.checks, 1);
    }

    void cloudControlsFollowTheShell()
    {
        Harness h;
        emit h.shell.cloudFunctionsChanged(true);
        for (const QString &name : kCloudControls)
            QVERIFY2(isEnabled(h.find<QObject>(name)), qPrintable(name));
        emit h.shell.cloudFunctionsChanged(false);
        for (const QString &name : kCloudControls)
            QVERIFY2(!isEnabled(h.find<QObject>(name)), qPrintable(name));
    }

    // Without internet "Buscar" and "Registro" only warn, and the cloud's views go off with the
    // title saying so.
    void cloudViewsOfflineSwitchTheCloudOff_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("search") << "BBBuscar";
        QTest::newRow("event history") << "BBEvents";
    }

    void cloudViewsOfflineSwitchTheCloudOff()
    {
        QFETCH(QString, button);
        Harness h;
        emit h.shell.cloudFunctionsChanged(true);
        h.find<QToolButton>(button)->click();
        QCOMPARE(h.prompter.asked.last().message, QStringLiteral("No hay conexión a internet"));
        for (const QString &name : kCloudControls)
            QVERIFY2(!isEnabled(h.find<QObject>(name)), qPrintable(name));
        QVERIFY(h.window.windowTitle().endsWith(QStringLiteral("        sin internet")));
    }

    // Each button starts from the map view.
    void buttonsChooseTheView_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        QTest::addColumn<View>("view");
        QTest::newRow("status") << "BBLlegirEstat" << "PEstat" << View::Estat;
        QTest::newRow("programming") << "BBProg" << "PProgramacio" << View::Programacio;
    }

    void buttonsChooseTheView()
    {
        QFETCH(QString, button);
        QFETCH(QString, page);
        QFETCH(View, view);
        Harness h;
        emit h.shell.cloudFunctionsChanged(true);
        auto *views = qobject_cast<QStackedWidget *>(h.find<QWidget>(QStringLiteral("PEstat"))->parentWidget());
        h.shell.context().views().setPanelmostrat(View::Mapa);
        QCOMPARE(views->currentWidget()->objectName(), QStringLiteral("PMapa"));

        h.find<QToolButton>(button)->click();
        QCOMPARE(views->currentWidget()->objectName(), page);
        QCOMPARE(h.shell.context().views().panelmostrat(), view);
    }

    // The link-loss handling returns to the status view through the core.
    void coreViewChangeBringsItsPageToFront()
    {
        Harness h;
        emit h.shell.cloudFunctionsChanged(true);
        h.shell.context().views().setPanelmostrat(View::Mapa);
        h.shell.context().views().setPanelmostrat(View::Estat);
        auto *views = qobject_cast<QStackedWidget *>(h.find<QWidget>(QStringLiteral("PEstat"))->parentWidget());
        QCOMPARE(views->currentWidget()->objectName(), QStringLiteral("PEstat"));
    }

    void consoleGestureFiresOnEveryEleventhClick()
    {
        Harness h;
        QSignalSpy toggles(&h.window, &TFPrincipalQueltaES::consoleToggleRequested);
        auto *item = h.find<QAction>(QStringLiteral("consoleGestureItem"));
        for (int click = 1; click <= 22; ++click) {
            item->trigger();
            QCOMPARE(toggles.count(), click / 11);
        }
    }

    void updateGestureCountsEmptyBarClicksDuringASession_data()
    {
        QTest::addColumn<bool>("session");
        QTest::addColumn<QString>("under");
        QTest::addColumn<int>("fired");
        QTest::newRow("empty area, session") << true << QString() << 1;
        QTest::newRow("empty area, no session") << false << QString() << 0;
        // A disabled button (offline: the cloud ones) passes its clicks on to the bar.
        QTest::newRow("disabled button, session") << true << QStringLiteral("BBBuscar") << 0;
    }

    void updateGestureCountsEmptyBarClicksDuringASession()
    {
        QFETCH(bool, session);
        QFETCH(QString, under);
        QFETCH(int, fired);
        Harness h;
        QVERIFY(h.activate());
        h.shell.device().link().circuittrobat = session;
        QSignalSpy requests(&h.window, &TFPrincipalQueltaES::firmwareUpdateViewRequested);
        auto *bar = h.find<QWidget>(QStringLiteral("PBotons"));
        const QPoint spot = under.isEmpty() ? QPoint(bar->width() / 2, bar->height() - 5)
                                            : h.find<QWidget>(under)->geometry().center();
        for (int click = 1; click <= 10; ++click)
            QTest::mouseClick(bar, Qt::LeftButton, {}, spot);
        QCOMPARE(requests.count(), 0);
        QTest::mouseClick(bar, Qt::LeftButton, {}, spot);
        QCOMPARE(requests.count(), fired);
    }

    // A loaded template is named in the result strip until the installer enters programming or
    // opens the status screen.
    void resultStripEmptiesOnProgrammingAndStatus_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("programming") << "BBProg";
        QTest::newRow("status") << "BBLlegirEstat";
    }

    void resultStripEmptiesOnProgrammingAndStatus()
    {
        QFETCH(QString, button);
        Harness h;
        const QString path = h.dir.filePath(QStringLiteral("t.pla"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("PLANTILLA COMPLETA\r\n1590=Estandar {x}\r\n103=Instalador {x}\r\n");
        file.close();
        QVERIFY(h.shell.programming().templates().MIIImportarPlantillaClick([&path] { return path; }).ok());
        auto *strip = h.find<QLabel>(QStringLiteral("PRes"));
        QCOMPARE(strip->text(), QStringLiteral("Plantilla  ") + path);
        QVERIFY(!strip->isHidden());

        h.find<QToolButton>(button)->click();
        QVERIFY(strip->isHidden());
        QCOMPARE(h.shell.context().views().resultText(), QString());
    }

    void cerrarSesionForgetsTheCredentialsAndCloses()
    {
        Harness h;
        QVERIFY(h.activate());
        h.shell.context().settings().values().email = QStringLiteral("instalador@example.com");
        h.shell.context().settings().values().password = QStringLiteral("secreta");
        h.find<QAction>(QStringLiteral("MITancarSessio"))->trigger();
        QVERIFY(!h.window.isVisible());

        AppSettings stored(std::make_unique<QSettings>(h.dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat));
        QVERIFY(stored.LLegirConfigInicial(QString()));
        QCOMPARE(stored.values().email, QString());
        QCOMPARE(stored.values().password, QString());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
