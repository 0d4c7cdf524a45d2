#include "ui/panels/PanelScreensView.h"

#include "WindowFixture.h"
#include "core/session/Shell.h"
#include "ui/panels/PanelWidgets.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using namespace quelta;
using ui::PanelBox;
using ui::PanelScreensView;

Q_DECLARE_METATYPE(quelta::ControlLook)

namespace {

// The window with its status view on show, told of a panel type the way a status frame tells it.
struct Window : test::WindowFixture
{
    Window()
    {
        window.resize(1280, 800);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window was not shown");
        find(QStringLiteral("PEstatCaption"))->hide();
        find(QStringLiteral("deviceStatusPanels"))->show();
    }

    void frame(const QString &text) { shell.screens().decoder().Llegir_In(text); }
    void panelType(const QString &central) { frame(QStringLiteral("{#1|||3A0F2C1B:0:0|%1}").arg(central)); }
    // COM state 3: the panel link is up and the screens are drawn live.
    void panelConnected() { frame(QStringLiteral("{#2||0031|:|:::|:::||}")); }

    PanelScreensView *view() const { return find<PanelScreensView>(QStringLiteral("PanelScreensView")); }
    PanelDisplay &display() { return shell.panels().display(); }
    QWidget *control(const QString &screen, const QString &name) const
    {
        QWidget *front = view()->screen(screen);
        return front ? front->findChild<QWidget *>(name) : nullptr;
    }
};

QColor fill(const QWidget *widget)
{
    if (qobject_cast<const QTextEdit *>(widget))
        return widget->palette().color(QPalette::Base);
    if (qobject_cast<const QAbstractButton *>(widget))
        return widget->palette().color(QPalette::Button);
    return widget->palette().color(QPalette::Window);
}

QString caption(const QWidget *widget)
{
    if (const auto *panel = qobject_cast<const PanelBox *>(widget))
        return panel->caption();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return qobject_cast<const QTextEdit *>(widget)->toPlainText();
}

// What a test can see of a control: enough to tell a look from the laid-out one.
struct Seen
{
    bool hidden;
    QColor fill;
    QColor text;
    QString caption;
    int radius;
    int left;
    bool bold;

    friend bool operator==(const Seen &, const Seen &) = default;
};

Seen seen(const QWidget *widget, const QWidget *screen)
{
    const auto *panel = qobject_cast<const PanelBox *>(widget);
    return {widget->isHidden(),
            fill(widget),
            widget->palette().color(QPalette::WindowText),
            caption(widget),
            panel ? panel->cornerRadius() : 0,
            widget == screen ? 0 : widget->parentWidget()->mapTo(screen, widget->pos()).x(),
            widget->font().bold()};
}

// Every control the orders, list selectors, counters and list buttons act through, on its screen.
const QList<std::pair<QString, QStringList>> kActingControls = {
    {QStringLiteral("PEstatAgui"),
     {"SBRearme", "SBReposicio", "SBSilenci", "BBAguiAlarma", "BbAguiAvaria", "BBAguiDesconnec", "BBAguiProva"}},
    {QStringLiteral("PEstatAgui2"),
     {"PZumbador", "Label121", "PSirenes", "Image3", "PReset", "Label193", "Image6", "PDisparSirenes", "Image7",
      "PConnectar", "Image4", "PProva", "Image5"}},
    {QStringLiteral("PEstatBC600"),
     {"PBC600Rearme", "IBC600Rearme", "PBC600ResetZumb", "IBC600ResetZum", "IBC600Equips", "PBC600Alarmes",
      "PBC600Sortides", "PBC600Missatges", "PBC600Avaries", "PBC600Desconnexions", "PBC600Proves",
      "LNumBC600Alarmes", "LNumBC600Proves"}},
    {QStringLiteral("PEstatBC216"),
     {"PBC216Rearme", "IBC216Rearme", "PBC216ResetZumb", "IBC216ResetZumb", "PBC216Reset", "IBC216Reset",
      "PBC216Alarmes", "PBC216Proves", "LNumBC216Avaries"}},
    {QStringLiteral("PEstatCofem"), {"BBCofemReset", "BBCofemSilenciarZumbador", "BBCofemSilenciarSirena"}},
    {QStringLiteral("PEstatCofemZafir"),
     {"SCofemZafirSilenciar", "SCofemZafirReset", "PCofemZafirSilenciar", "PCofemZafirReset"}},
    {QStringLiteral("PEstatUrano"), {"PUranoRearme", "PUranoSilZum", "Label138", "Image17"}},
    {QStringLiteral("PEstatKomttech"),
     {"PKomttechRearme", "IKomttechRearme", "LKomttechSIlenci", "IKomttechSilenci", "Image18"}},
    {QStringLiteral("PEstatSupra"), {"PSupraRearme", "PSupraSilenzum", "Label139", "PSupraSilenSir"}},
    {QStringLiteral("PEstatSyncro"), {"PSyncroRepo", "PSyncroAlarma"}},
    {QStringLiteral("PEstatAD300"), {"PAD300Rearme", "PAD300Botons", "PAD300SilenciarZum"}},
    {QStringLiteral("PEstatID3000"),
     {"SSilenciarID3000", "SRearmeID3000", "Shape39", "LAlarmaID3000", "LAvariaID3000", "LAnullatID3000",
      "LProvaID3000"}},
    {QStringLiteral("PEstatAvenarBosch"),
     {"PAvenarBoschFoc", "PAvenarBoschFallo", "PAvenarBoschAnullat", "PAvenarBoschControl"}},
};

} // namespace

class TestPanelScreens : public QObject
{
    Q_OBJECT

private slots:
    // Each control that acts is on its own screen, under a name found nowhere else in the window
    // (the lamp painter and the routines reach controls by name), and the core takes it as acting.
    void actingControlsAreOnTheirScreens()
    {
        Window w;
        for (const auto &[screen, controls] : kActingControls) {
            for (const QString &name : controls) {
                QVERIFY2(w.control(screen, name), qPrintable(screen + QLatin1Char('/') + name));
                QVERIFY2(w.shell.panels().isClickable(name), qPrintable(name));
            }
        }
        for (const QString &screen : w.view()->screenNames()) {
            for (const QWidget *widget : w.view()->screen(screen)->findChildren<QWidget *>()) {
                if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
                    QCOMPARE(w.window.findChildren<QWidget *>(widget->objectName()).size(), 1);
            }
        }
    }

    void onlyThePanelsScreenIsShown_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<QString>("screen");
        QTest::newRow("AE/SA") << "AE/SA" << "PEstatAgui";
        QTest::newRow("AGE") << "AGE-2" << "PEstatAgui";
        QTest::newRow("AE/C5") << "AE/C5" << "PEstatAgui2";
        QTest::newRow("BC600") << "BC600" << "PEstatBC600";
        QTest::newRow("BC216") << "BC216" << "PEstatBC216";
        QTest::newRow("Cofem CLVR") << "Cofem CLVR" << "PEstatCofem";
        QTest::newRow("Cofem-A") << "Cofem-A" << "PEstatCofemZafir";
        QTest::newRow("Detnov") << "Detnov" << "PEstatDetnov";
        QTest::newRow("Urano") << "Urano" << "PEstatUrano";
        QTest::newRow("Komttech") << "Komttech" << "PEstatKomttech";
        QTest::newRow("Supra") << "Supra" << "PEstatSupra";
        QTest::newRow("Syncro") << "Syncro" << "PEstatSyncro";
        QTest::newRow("AD300") << "AD300" << "PEstatAD300";
        QTest::newRow("ID3000") << "ID3000" << "PEstatID3000";
        QTest::newRow("Bosch") << "Bosch Avenar" << "PEstatAvenarBosch";
        QTest::newRow("doors") << "Puertas" << "";
        QTest::newRow("no panel") << "COFEM" << "";
    }

    // The screen of the panel type alone is shown, whole, above the event log of a window of
    // 1280 by 800; a door controller or an unknown type shows none.
    void onlyThePanelsScreenIsShown()
    {
        QFETCH(QString, central);
        QFETCH(QString, screen);
        Window w;
        w.panelType(central);
        QCOMPARE(w.view()->isVisible(), !screen.isEmpty());
        for (const QString &name : w.view()->screenNames())
            QCOMPARE(w.view()->screen(name)->isVisible(), name == screen);
        if (screen.isEmpty())
            return;
        QWidget *front = w.view()->screen(screen);
        QCOMPARE(front->visibleRegion().boundingRect(), front->rect());
        QVERIFY(front->mapTo(&w.window, QPoint(0, front->height())).y()
                <= w.find(QStringLiteral("PEstatQuelta"))->mapTo(&w.window, QPoint()).y());
        for (const QWidget *widget : front->findChildren<QWidget *>()) {
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
        }
    }

    void looksReachTheirControls_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("name");
        QTest::addColumn<ControlLook>("look");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QString>("caption");

        const auto look = [](auto member, auto value) {
            ControlLook result;
            result.*member = value;
            return result;
        };
        ControlLook colours;
        colours.fill = colour::red;
        colours.font = colour::white;
        ControlLook lines;
        lines.lines = QList<DisplayLine>{{QStringLiteral("ZONA 3"), colour::red, true, 14},
                                         {QStringLiteral("Aula 12"), colour::windowText, false, 0}};
        const QColor none;
        QTest::newRow("counter panel") << "BC600" << "PEstatBC600" << "PBC600Avaries" << colours << QColor(Qt::red)
                                       << QColor(Qt::white) << QString();
        QTest::newRow("counter number") << "BC216" << "PEstatBC216" << "LNumBC216Proves"
                                        << look(&ControlLook::caption, QStringLiteral("12")) << none << none << "12";
        QTest::newRow("screen") << "Urano" << "PEstatUrano" << "PEstatUrano" << look(&ControlLook::fill, colour::teal)
                                << QColor(0, 128, 128) << none << QString();
        QTest::newRow("telecontrol caption") << "AE/C5" << "PEstatAgui2" << "PEstatAgui2"
                                             << look(&ControlLook::caption, QStringLiteral("CENTRAL EN TELECONTROL"))
                                             << none << none << "CENTRAL EN TELECONTROL";
        QTest::newRow("list button") << "AE/SA" << "PEstatAgui" << "BbAguiAvaria"
                                     << look(&ControlLook::font, colour::green) << none << QColor(0, 128, 0) << QString();
        QTest::newRow("memo shown") << "AE/SA" << "PEstatAgui" << "MAguiInfo" << look(&ControlLook::visible, true)
                                    << none << none << QString();
        QTest::newRow("event box lines") << "ID3000" << "PEstatID3000" << "REID3000Pantalla" << lines
                                         << none << none << "ZONA 3\nAula 12";
        QTest::newRow("memo fill") << "AD300" << "PEstatAD300" << "MAD300" << look(&ControlLook::fill, colour::cyan)
                                   << QColor(0x0E, 0xB0, 0xE7) << none << QString();
        QTest::newRow("cover hidden") << "Komttech" << "PEstatKomttech" << "PKomttechOffline"
                                      << look(&ControlLook::visible, false) << none << none << QString();
        QTest::newRow("key corners") << "BC216" << "PEstatBC216" << "PBC216Rearme"
                                     << look(&ControlLook::cornerRadius, 80) << none << none << QString();
        QTest::newRow("state label moved") << "ID3000" << "PEstatID3000" << "LProvaID3000"
                                           << look(&ControlLook::left, 114) << none << none << QString();
        QTest::newRow("state label bold") << "ID3000" << "PEstatID3000" << "LAvariaID3000"
                                          << look(&ControlLook::bold, true) << none << none << QString();
        QTest::newRow("access level") << "BC216" << "PEstatBC216" << "REBC216Autoritzacio"
                                      << look(&ControlLook::caption, QStringLiteral("Nivel instalador")) << none
                                      << none << "Nivel instalador";
    }

    // A look set in the display shows on the control of that name, and a reset brings back the
    // laid-out look whatever the look changed.
    void looksReachTheirControls()
    {
        QFETCH(QString, central);
        QFETCH(QString, screen);
        QFETCH(QString, name);
        QFETCH(ControlLook, look);
        QFETCH(QColor, fill);
        QFETCH(QColor, text);
        QFETCH(QString, caption);
        Window w;
        w.panelType(central);
        w.display().reset();
        QWidget *widget = w.control(screen, name);
        if (!widget && name == screen)
            widget = w.view()->screen(screen);
        QVERIFY(widget);
        QWidget *front = w.view()->screen(screen);
        const Seen laidOut = seen(widget, front);

        const auto set = [&](const QString &control) {
            if (look.fill)
                w.display().setFill(control, *look.fill);
            if (look.font)
                w.display().setFont(control, *look.font);
            if (look.caption)
                w.display().setCaption(control, *look.caption);
            if (look.visible)
                w.display().setVisible(control, *look.visible);
            if (look.bold)
                w.display().setBold(control, *look.bold);
            if (look.cornerRadius)
                w.display().setCornerRadius(control, *look.cornerRadius);
            if (look.left)
                w.display().setLeft(control, *look.left);
            if (look.lines) {
                w.display().clearLines(control);
                for (const DisplayLine &line : *look.lines)
                    w.display().addLine(control, line);
            }
        };
        set(name);
        const Seen shown = seen(widget, front);
        if (fill.isValid())
            QCOMPARE(shown.fill, fill);
        if (text.isValid())
            QCOMPARE(shown.text, text);
        if (!caption.isEmpty())
            QCOMPARE(shown.caption, caption);
        if (look.visible)
            QCOMPARE(shown.hidden, !*look.visible);
        if (look.cornerRadius)
            QCOMPARE(shown.radius, *look.cornerRadius);
        if (look.left)
            QCOMPARE(shown.left, *look.left);
        if (look.bold)
            QCOMPARE(shown.bold, *look.bold);
        if (look.lines) {
            auto *box = qobject_cast<QTextEdit *>(widget);
            const QTextBlock first = box->document()->firstBlock();
            const QTextCharFormat heading = first.begin().fragment().charFormat();
            QCOMPARE(heading.foreground().color(), QColor(Qt::red));
            QVERIFY(heading.font().bold());
            QCOMPARE(heading.fontPointSize(), 14.0);
            QCOMPARE(first.next().begin().fragment().charFormat().foreground().color(),
                     box->palette().color(QPalette::Text));
        }
        QVERIFY(!(shown == laidOut));

        w.display().reset();
        QCOMPARE(seen(widget, front), laidOut);
    }

    // An inner panel takes the look the routines give the screen's panels where it has no look of
    // its own; a look of its own wins.
    void innerPanelsTakeTheScreensLook()
    {
        Window w;
        w.panelType(QStringLiteral("Supra"));
        ControlLook inner;
        inner.fill = colour::grey;
        inner.font = colour::white;
        inner.cornerRadius = 30;
        w.display().setFill(QStringLiteral("PSupraBotons"), colour::red);
        w.display().setInnerLook(QStringLiteral("PEstatSupra"), inner);
        const auto *zones = qobject_cast<PanelBox *>(w.control(QStringLiteral("PEstatSupra"), QStringLiteral("PSupraZonas")));
        const auto *keys = qobject_cast<PanelBox *>(w.control(QStringLiteral("PEstatSupra"), QStringLiteral("PSupraBotons")));
        QCOMPARE(fill(zones), QColor(128, 128, 128));
        QCOMPARE(zones->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(zones->cornerRadius(), 30);
        QCOMPARE(fill(keys), QColor(Qt::red));
        QCOMPARE(keys->cornerRadius(), 30);
        // The lamps and captions on a panel are not panels: they keep their own colours.
        QVERIFY(fill(w.control(QStringLiteral("PEstatSupra"), QStringLiteral("SAlLZ1"))) != QColor(128, 128, 128));

        inner.visible = false;
        w.display().setInnerLook(QStringLiteral("PEstatSupra"), inner);
        QVERIFY(zones->isHidden());
        QVERIFY(!w.control(QStringLiteral("PEstatSupra"), QStringLiteral("SAlLZ1"))->isVisible());
    }

    void clicksReachTheCore_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("onPress");
        QTest::newRow("BC600 re-arm key") << "BC600" << "PBC600Rearme" << "Rearme" << false;
        QTest::newRow("BC600 re-arm symbol") << "BC600" << "IBC600Rearme" << "Rearme" << false;
        QTest::newRow("BC600 sirens symbol") << "BC600" << "IBC600Equips" << "Silensir" << false;
        QTest::newRow("BC216 reset") << "BC216" << "PBC216Reset" << "Silensir" << false;
        QTest::newRow("AE/C5 reset caption") << "AE/C5" << "Label193" << "Reset" << false;
        QTest::newRow("AE/C5 connect picture") << "AE/C5" << "Image4" << "Connex" << false;
        QTest::newRow("AE/C5 test") << "AE/C5" << "PProva" << "Test" << false;
        QTest::newRow("AE/SA restore") << "AE/SA" << "SBReposicio" << "Repos" << false;
        QTest::newRow("Cofem button") << "Cofem" << "BBCofemSilenciarSirena" << "Silensir" << false;
        QTest::newRow("Komttech silence") << "Komttech" << "LKomttechSIlenci" << "Silenbuz" << false;
        QTest::newRow("AD300 acknowledge") << "AD300" << "PAD300SilenciarZum" << "Silenbuz" << false;
        QTest::newRow("Supra sirens") << "Supra" << "PSupraSilenSir" << "Silensir" << false;
        // The round caps act on the press, and only the cap acts, not the plate it lies on.
        QTest::newRow("Zafir silence cap") << "Cofem-A" << "SCofemZafirSilenciar" << "Silensir" << true;
        QTest::newRow("Zafir reset plate") << "Cofem-A" << "PCofemZafirReset" << "Reset" << false;
        QTest::newRow("ID3000 reset cap") << "ID3000" << "SRearmeID3000" << "Rearme" << true;
        QTest::newRow("ID3000 reset rim") << "ID3000" << "Shape39" << "Rearme" << true;
    }

    // A click on an order control of a live panel sends the order once: keys that act on being
    // pressed do so at the press, the others when the button is let go over them.
    void clicksReachTheCore()
    {
        QFETCH(QString, central);
        QFETCH(QString, control);
        QFETCH(QString, order);
        QFETCH(bool, onPress);
        Window w;
        w.panelType(central);
        w.panelConnected();
        QVERIFY(w.shell.panels().live());
        QSignalSpy sent(&w.shell.panels().orders(), &PanelOrders::sent);
        QWidget *widget = w.find(control);
        QVERIFY(widget && widget->isVisible());
        const QPoint at = widget->rect().center();
        if (qobject_cast<QAbstractButton *>(widget)) {
            QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        } else {
            QTest::mousePress(widget, Qt::LeftButton, {}, at);
            QCOMPARE(sent.size(), onPress ? 1 : 0);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
        }
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.at(0).at(0).toString(), order);
    }

    // The selectors change what the screen shows: the Aguilera list button turns its caption
    // green, a BC600 counter's caption heads the event box, an ID3000 state label turns bold.
    void selectorsChooseTheList()
    {
        Window w;
        w.panelType(QStringLiteral("AE/SA"));
        w.panelConnected();
        QTest::mouseClick(w.find<QAbstractButton>(QStringLiteral("BbAguiAvaria")), Qt::LeftButton);
        QCOMPARE(w.find(QStringLiteral("BbAguiAvaria"))->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
        QCOMPARE(w.find(QStringLiteral("BBAguiAlarma"))->palette().color(QPalette::ButtonText), QColor(128, 128, 128));

        w.panelType(QStringLiteral("BC600"));
        // A press on the caption inside the faults counter is a press on the counter.
        QWidget *faults = w.find(QStringLiteral("PBC600Avaries"));
        QLabel *faultsCaption = nullptr;
        for (QLabel *label : faults->findChildren<QLabel *>()) {
            if (label->objectName().isEmpty())
                faultsCaption = label;
        }
        QVERIFY(faultsCaption);
        QTest::mouseClick(faultsCaption, Qt::LeftButton);
        QVERIFY(w.find<QLabel>(QStringLiteral("LNumBC600"))->text().endsWith(QStringLiteral("Averías")));

        w.panelType(QStringLiteral("ID3000"));
        QTest::mouseClick(w.find(QStringLiteral("LAnullatID3000")), Qt::LeftButton);
        QVERIFY(w.find(QStringLiteral("LAnullatID3000"))->font().bold());
        QVERIFY(!w.find(QStringLiteral("LAlarmaID3000"))->font().bold());
    }
};

QTEST_MAIN(TestPanelScreens)
#include "test_panel_screens.moc"
