#include "core/status/ServiceClicks.h"

#include "BoundModel.h"
#include "StatusFixture.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using test::colourName;
using test::StatusFixture;

namespace {

void paint(StatusScreen &screen, const QString &box, const QString &state)
{
    if (box == QLatin1String("GPRS"))
        screen.PintaREEstatGPRS(state);
    else if (box == QLatin1String("ADSL"))
        screen.PintaREEstatADSL(state);
    else
        screen.PintaREEstatCOM(state);
}

LinkBoxId boxId(const QString &box)
{
    return box == QLatin1String("GPRS") ? LinkBoxId::Gprs : box == QLatin1String("ADSL") ? LinkBoxId::Adsl : LinkBoxId::Com;
}

} // namespace

class TestStatusPresentation : public QObject
{
    Q_OBJECT

private slots:
    // A box without a state keeps the last one it showed, faded; an output shows none.
    void ioBoxes_data()
    {
        QTest::addColumn<bool>("input");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("text");
        QTest::newRow("input on") << true << "1" << "red" << "white";
        QTest::newRow("input off") << true << "0" << "green" << "white";
        QTest::newRow("input on, then none") << true << "1 " << "paleRed" << "windowText";
        QTest::newRow("input off, then none") << true << "0 " << "paleGreen" << "windowText";
        QTest::newRow("input faded stays faded") << true << "1  " << "paleRed" << "windowText";
        QTest::newRow("input never set") << true << " " << "buttonFace" << "windowText";
        QTest::newRow("output on, then none") << false << "1 " << "inactiveCaption" << "windowText";
        QTest::newRow("output other character") << false << "x" << "inactiveCaption" << "windowText";
    }
    void ioBoxes()
    {
        QFETCH(bool, input);
        QFETCH(QString, states);
        QFETCH(QString, background);
        QFETCH(QString, text);
        StatusFixture f;
        for (const QChar state : states)
            input ? f.screen.Estat_Entrades(5, state) : f.screen.Estat_Sortides(3, state);
        const IoBox &box = input ? f.screen.input(5) : f.screen.output(3);
        QCOMPARE(colourName(box.background), background);
        QCOMPARE(colourName(box.text), text);
    }

    void linkBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before"); // a state painted first
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("look"); // background/font, " bold" when bold
        QTest::newRow("GPRS 0") << "GPRS" << "" << "0" << " GPRS: DESACTIVADO" << "silver/black bold";
        QTest::newRow("GPRS 1") << "GPRS" << "" << "1" << " GPRS: Buscando módulo" << "red/white";
        QTest::newRow("GPRS 2") << "GPRS" << "" << "2" << " GPRS: Buscando SIM" << "red/white";
        QTest::newRow("GPRS 3") << "GPRS" << "" << "3" << " GPRS: Registrándose" << "orange/white";
        QTest::newRow("GPRS 4") << "GPRS" << "" << "4" << " GPRS: CONECTADO A LA RED" << "orange/white";
        QTest::newRow("GPRS 5") << "GPRS" << "" << "5" << " GPRS: CONECTADO A INTERNET" << "green/white";
        QTest::newRow("GPRS 6") << "GPRS" << "" << "6" << " GPRS: CONECTADO A RECEPTORA" << "lime/black";
        QTest::newRow("GPRS 9 keeps its colour") << "GPRS" << "5" << "9" << " GPRS: " << "green/white";
        QTest::newRow("GPRS not a number") << "GPRS" << "0" << " " << " GPRS: " << "silver/black bold";
        QTest::newRow("ADSL 0") << "ADSL" << "" << "0" << " ADSL: DESACTIVADO" << "silver/black bold";
        QTest::newRow("ADSL 2") << "ADSL" << "" << "2" << " ADSL: SIN   CONEXION" << "red/white";
        QTest::newRow("ADSL 4") << "ADSL" << "" << "4" << " ADSL: SIN CONEXIÓN A RECEPTORA" << "orange/white";
        QTest::newRow("ADSL 5") << "ADSL" << "" << "5" << " ADSL: CONECTADO A INTERNET" << "green/white";
        QTest::newRow("ADSL 6") << "ADSL" << "" << "6" << " ADSL: CONECTADO A RECEPTORA" << "lime/black";
        QTest::newRow("ADSL 7 keeps its colour") << "ADSL" << "4" << "7" << " ADSL: " << "orange/white";
        QTest::newRow("ADSL untouched") << "ADSL" << "" << "7" << " ADSL: " << "window/blue";
        QTest::newRow("COM 0") << "COM" << "" << "0" << " COM: DESACTIVADO" << "silver/black bold";
        QTest::newRow("COM 1") << "COM" << "" << "1" << " COM: Central no programada" << "silver/black bold";
        QTest::newRow("COM 2") << "COM" << "" << "2" << " COM: BC600 desconectado" << "red/white";
        QTest::newRow("COM 3") << "COM" << "" << "3" << " COM: BC600 CONECTADA" << "lime/black";
        QTest::newRow("COM 4 keeps its colour") << "COM" << "3" << "4" << " COM: " << "lime/black";
    }
    void linkBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, state);
        QFETCH(QString, line);
        QFETCH(QString, look);
        StatusFixture f;
        f.link.central = QStringLiteral("bc600");
        if (!before.isEmpty())
            paint(f.screen, box, before);
        paint(f.screen, box, state);
        const LinkBox &painted = f.screen.linkBox(boxId(box));
        QCOMPARE(painted.line, line);
        QCOMPARE(colourName(painted.background) + QLatin1Char('/') + colourName(painted.font)
                     + (painted.bold ? QStringLiteral(" bold") : QString()),
                 look);
    }

    // The COM state is the device's link to the fire panel; any number redraws the status bar.
    void comStateDrivesThePanelLink_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("panelLink");
        QTest::addColumn<int>("indicatorTicks");
        QTest::addColumn<int>("redraws");
        QTest::newRow("off") << "0" << 0 << 0 << 1;
        QTest::newRow("no panel programmed") << "1" << 0 << 0 << 1;
        QTest::newRow("panel lost") << "2" << 1 << 0 << 1;
        QTest::newRow("panel connected") << "3" << 2 << 8 << 1;
        QTest::newRow("other number") << "7" << 5 << 0 << 1;
        QTest::newRow("not a number") << "-" << 5 << 0 << 0;
    }
    void comStateDrivesThePanelLink()
    {
        QFETCH(QString, state);
        QFETCH(int, panelLink);
        QFETCH(int, indicatorTicks);
        QFETCH(int, redraws);
        StatusFixture f;
        f.link.connex_Quelta_Agui = 5;
        f.statusBar.setPanel(2, QStringLiteral(" "));
        f.screen.setREInterCentralVisible(true);
        QSignalSpy redrawn(&f.screen, &StatusScreen::statusBarRedrawRequested);
        f.screen.PintaREEstatCOM(state);
        QCOMPARE(f.link.connex_Quelta_Agui, panelLink);
        QCOMPARE(f.link.tempsRXAgui, indicatorTicks);
        QCOMPARE(f.link.tempsTXAgui, indicatorTicks);
        QCOMPARE(redrawn.size(), redraws);
        QCOMPARE(f.statusBar.panel(2), redraws ? QString() : QStringLiteral(" "));
        QCOMPARE(f.screen.REInterCentralVisible(), panelLink == 5 || panelLink == 2);
    }

    void ioCovers_data()
    {
        QTest::addColumn<QString>("central");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("expected"); // activities, label, input cover, output cover
        QTest::newRow("none") << "" << "" << "0 1 - -";
        QTest::newRow("off") << "" << "0" << "0 1 DESACTIVADO/silver DESACTIVADO/buttonFace";
        QTest::newRow("on, no panel") << "" << "1" << "1 1 - -";
        QTest::newRow("on, doors") << "Puertas" << "1" << "1 1 - -";
        QTest::newRow("on, fire panel") << "BC600" << "1" << "1 0 /paleBlue -";
        QTest::newRow("not fitted") << "" << "F" << "0 1 NO DISPONIBLE/buttonFace NO DISPONIBLE/buttonFace";
    }
    void ioCovers()
    {
        QFETCH(QString, central);
        QFETCH(QString, state);
        QFETCH(QString, expected);
        StatusFixture f;
        f.link.central = central;
        f.screen.PintaREEstatES(state);
        const auto cover = [](const IoCover &c) {
            return c.visible ? c.text + QLatin1Char('/') + colourName(c.background) : QStringLiteral("-");
        };
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(int(f.screen.PESActivadesVisible()))
                     .arg(int(f.screen.LEntradesVisible()))
                     .arg(cover(f.screen.PEntradesNoDisp()), cover(f.screen.PSortidesNoDisp())),
                 expected);
    }

    void gauges_data()
    {
        QTest::addColumn<bool>("power");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("restore");
        QTest::addColumn<int>("trigger");
        QTest::addColumn<QString>("expected"); // position bar voltage | restore marker, label left, label | trigger ...
        QTest::newRow("tamper full trigger") << false << "1" << 128 << 0 << 255 << "128 lime  | 0 -10 0% | 150 140 100%";
        QTest::newRow("tamper fault") << false << "0" << 200 << 60 << 190 << "200 red  | 35 25 23% | 111 101 74%";
        QTest::newRow("power 0x64") << true << "1" << 100 << 192 << 176 << "12 lime 12.3 V | 115 85 I: 23.2V | 105 95 B: 21.3V";
        QTest::newRow("power empty") << true << "0" << 0 << 0 << 255 << "0 red 0.4 V | 0 -30 I: 0.4V | 155 145 B: 30.6V";
        // Levels are bytes: larger ones are taken at the top.
        QTest::newRow("tamper trigger 0x7FFFFFFF") << false << "1" << 0 << 0 << 0x7FFFFFFF << "0 lime  | 0 -10 0% | 150 140 100%";
        QTest::newRow("tamper restore 0x7FFFFFFF") << false << "1" << 0 << 0x7FFFFFFF << 0 << "0 lime  | 150 140 100% | 0 -10 0%";
        QTest::newRow("power trigger 0x7FFFFFF") << true << "1" << 0 << 0 << 0x7FFFFFF
                                                 << "0 lime 0.4 V | 0 -30 I: 0.4V | 155 145 B: 30.6V";
    }
    void gauges()
    {
        QFETCH(bool, power);
        QFETCH(QString, state);
        QFETCH(int, level);
        QFETCH(int, restore);
        QFETCH(int, trigger);
        QFETCH(QString, expected);
        StatusFixture f;
        power ? f.screen.Alimentacio(state, level, restore, trigger) : f.screen.Tamper(state, level, restore, trigger);
        const Gauge &g = power ? f.screen.GAlimentacio() : f.screen.GTamper();
        QCOMPARE(g.maximum, power ? 30 : 255);
        QCOMPARE(QStringLiteral("%1 %2 %3 | %4 %5 %6 | %7 %8 %9")
                     .arg(g.position)
                     .arg(colourName(g.bar), g.voltage)
                     .arg(g.restoreMarker)
                     .arg(g.restoreLabelLeft)
                     .arg(g.restoreLabel)
                     .arg(g.triggerMarker)
                     .arg(g.triggerLabelLeft)
                     .arg(g.triggerLabel),
                 expected);
    }

    void statusBarPanels_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("panelLink");
        QTest::addColumn<QString>("central");
        QTest::addColumn<QString>("look"); // background, picture, text, indicators, Aguilera alarms
        QTest::newRow("0 connected") << 0 << 0 << "" << "lime 19 CONECTADO 0 0";
        QTest::newRow("1") << 1 << 0 << "" << "silver -1 Leyendo 0 0";
        QTest::newRow("2 no panel link") << 2 << 0 << "BC600" << "silver -1    0 0";
        QTest::newRow("2 BC600 lost") << 2 << 1 << "BC600" << "orange 3   Quelta            BC600 1 0";
        QTest::newRow("2 BC216 connected") << 2 << 2 << "BC216" << "olive 4   Quelta            BC216 1 0";
        QTest::newRow("2 AE/SA lost") << 2 << 1 << "AE/SA" << "orange 3   Quelta            Aguilera 1 1";
        QTest::newRow("2 AGE connected") << 2 << 2 << "AGE" << "olive 4   Quelta            Aguilera 1 0";
        QTest::newRow("2 AE/C5 lost") << 2 << 1 << "AE/C5" << "orange 3   Quelta            Aguilera 1 0";
        QTest::newRow("2 Cofem CLVR") << 2 << 2 << "Cofem CLVR" << "olive 4   Quelta            CLVR 1 0";
        QTest::newRow("2 Cofem") << 2 << 2 << "Cofem" << "olive 4   Quelta            K-CONECTA 1 0";
        QTest::newRow("2 Cofem-A") << 2 << 2 << "Cofem-A" << "olive 4   Quelta            Cofem-A 1 0";
        QTest::newRow("2 ID3000") << 2 << 2 << "ID3000" << "olive 4   Quelta            ID3000 1 0";
        QTest::newRow("2 other link state") << 2 << 3 << "BC600" << "silver -1    0 0";
    }
    void statusBarPanels()
    {
        QFETCH(int, index);
        QFETCH(int, panelLink);
        QFETCH(QString, central);
        QFETCH(QString, look);
        StatusFixture f;
        f.statusBar.showLinkState(StatusBar::kConectat);
        f.statusBar.setPanel(1, QStringLiteral("Leyendo"));
        f.link.connex_Quelta_Agui = panelLink;
        f.link.central = central;
        const StatusBarPanelLook drawn = f.screen.SBEstatDrawPanel(index);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(colourName(drawn.background))
                     .arg(drawn.picture)
                     .arg(drawn.text)
                     .arg(int(drawn.panelLinkIndicators))
                     .arg(int(drawn.opensAguileraAlarms)),
                 look);
        QCOMPARE(f.screen.SBEstatDrawPanel(0).picture, 19);
        f.statusBar.showLinkState(StatusBar::kSinConexio);
        QCOMPARE(f.screen.SBEstatDrawPanel(0).background, colour::silver);
        QCOMPARE(f.screen.SBEstatDrawPanel(0).picture, 20);
    }

    void partsMaskAndClearing()
    {
        StatusFixture f;
        QSignalSpy allowed(&f.screen, &StatusScreen::panelScreensAllowedChanged);
        f.screen.applyPartsMask(QStringLiteral("0000"));
        QCOMPARE(f.screen.linkBox(LinkBoxId::Gprs).line, QStringLiteral("GPRS: No disponible"));
        QCOMPARE(f.screen.linkBox(LinkBoxId::Adsl).line, QStringLiteral("ADSL : No disponible"));
        QCOMPARE(f.screen.linkBox(LinkBoxId::Adsl).background, colour::silver);
        QVERIFY(!f.screen.panelScreensAllowed());
        QVERIFY(!f.screen.PESActivadesVisible());
        QCOMPARE(f.screen.PSortidesNoDisp().text, QStringLiteral("NO DISPONIBLE"));
        QCOMPARE(allowed.size(), 1);

        f.frame(QStringLiteral("{#01012251430003+01#21|1|6633|20:x|1:10:20:30}"));
        f.screen.clear();
        QCOMPARE(f.screen.MDataHora(), StatusScreen::kNoDate);
        QCOMPARE(f.screen.input(1).background, colour::buttonFace);
        QCOMPARE(f.screen.linkBox(LinkBoxId::Gprs).line, QString());
        QCOMPARE(f.link.connex_Quelta_Agui, 0);
        QVERIFY(f.screen.panelScreensAllowed());
        // The gauges are drawn empty with their default marks.
        QCOMPARE(f.screen.GTamper().restoreMarker, 60 * 150 / 255);
        QCOMPARE(f.screen.GTamper().triggerMarker, 190 * 150 / 255);
        QCOMPARE(f.screen.GAlimentacio().restoreLabel, QStringLiteral("I: 9.9V"));
        QCOMPARE(f.screen.GAlimentacio().triggerLabel, QStringLiteral("B: 24.1V"));
    }

    void eventLogButtons()
    {
        DeviceEventLog log;
        QSignalSpy scrolled(&log, &DeviceEventLog::scrollToBottomRequested);
        QCOMPARE(log.BParaPicture(), 13);
        QCOMPARE(log.BTotPicture(), 10);
        QVERIFY(!log.BTotVisible());
        log.addLine(QStringLiteral("a"), colour::red);
        QCOMPARE(scrolled.size(), 1);
        log.BParaClick();
        QCOMPARE(log.BParaPicture(), 6);
        log.addLine(QStringLiteral("b"), colour::red); // paused: added, the view stays
        log.appendToLastLine(QStringLiteral("."));
        QCOMPARE(scrolled.size(), 1);
        QCOMPARE(log.lines().last().text, QStringLiteral("b."));
        log.BTotClick();
        QCOMPARE(log.BTotPicture(), 9);
        log.BEsborraClick();
        QVERIFY(log.lines().isEmpty());
        QVERIFY(!log.following()); // clearing keeps the buttons
        log.clear();
        QVERIFY(log.following() && log.filtered());
        QCOMPARE(log.font(), colour::blue);

        log.addLine(QStringLiteral("live"), colour::red);
        log.leaveSnapshot(); // a live log stays
        QCOMPARE(log.lines().size(), 1);
        log.setFont(colour::grayText);
        log.leaveSnapshot();
        QVERIFY(log.lines().isEmpty());
        QCOMPARE(log.font(), colour::blue);
    }

    void serviceClicks()
    {
        test::BoundModel bound;
        DeviceEventLog log;
        ServiceClicks clicks(log, bound.model);
        QSignalSpy unlocked(&clicks, &ServiceClicks::fieldUnlocked);
        for (int round = 1; round <= 2; ++round) {
            for (int click = 1; click < ServiceClicks::kClicks; ++click)
                clicks.LEstatQueltaClick();
            QCOMPARE(log.BTotVisible(), round == 2);
            clicks.LEstatQueltaClick();
            QCOMPARE(log.BTotVisible(), round == 1);
        }
        bound.model.field(u"EMAC")->enabled = false;
        for (int click = 1; click <= ServiceClicks::kClicks; ++click) {
            clicks.LMacClick();
            clicks.LCentralClick();
        }
        QVERIFY(bound.model.field(u"EMAC")->enabled);
        QCOMPARE(unlocked.size(), 2);
        QCOMPARE(unlocked.at(0).first().toString(), QStringLiteral("EMAC"));
        QCOMPARE(unlocked.at(1).first().toString(), QStringLiteral("ECentral"));
    }

    void doorsLayout_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<bool>("mayOpen");
        QTest::addColumn<QString>("placed"); // door:left per shown door
        QTest::addColumn<int>("picture");
        QTest::newRow("two of four") << 2 << "1,0,1,0" << true << "1:140 3:540" << 0;
        QTest::newRow("no count: door 1 alone") << 0 << "0,1,1,1" << false << "1:340" << 5;
        QTest::newRow("four") << 4 << "1,1,1,1" << true << "1:40 2:240 3:440 4:640" << 0;
    }
    void doorsLayout()
    {
        QFETCH(int, buttons);
        QFETCH(QString, flags);
        QFETCH(bool, mayOpen);
        QFETCH(QString, placed);
        QFETCH(int, picture);
        StatusFixture f;
        f.cloud.buttons = buttons;
        f.cloud.flags = flags;
        f.cloud.mayOpen = mayOpen;
        f.doors.MostraPEstatPortes(true, QSize(800, 400));
        QStringList shown;
        for (int n = 1; n <= DoorsScreen::kDoors; ++n) {
            const Door &door = f.doors.door(n);
            if (!door.shown)
                continue;
            shown << QStringLiteral("%1:%2").arg(n).arg(door.image.left());
            QCOMPARE(door.picture, picture);
            QCOMPARE(door.image, QRect(door.image.left(), 125, 120, 120)); // centred, above the two panels
            QCOMPARE(door.namePanel, QRect(door.image.left(), 260, 120, 30));
            QCOMPARE(door.statePanel, QRect(door.image.left(), 290, 120, 30));
        }
        QCOMPARE(shown.join(u' '), placed);

        f.cloud.flags = QStringLiteral("0,1,0,0"); // laid out already: nothing moves
        f.doors.MostraPEstatPortes(true, QSize(800, 400));
        QVERIFY(f.doors.door(1).shown);
    }

    void doorsCloudErrorIsShown()
    {
        StatusFixture f;
        f.cloud.error = QStringLiteral("401 Unauthorized");
        f.doors.MostraPEstatPortes(true, QSize(400, 400));
        QVERIFY(!f.prompter.asked.isEmpty());
        const DialogRequest &shown = f.prompter.asked.first();
        QCOMPARE(shown.caption, QStringLiteral("ERROR"));
        QCOMPARE(shown.message, QStringLiteral("401 Unauthorized\r\nCompruebe la conexión a internet"));
        QCOMPARE(shown.autoCloseSeconds, 8);
        QVERIFY(f.doors.door(1).shown); // with the defaults
    }

    void doorOrders_data()
    {
        QTest::addColumn<bool>("remote");
        QTest::addColumn<QString>("state"); // the state panel, or the cloud's state when remote
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("posted");
        QTest::newRow("local, closed") << false << "Cerrado" << "\rqz+Obrir2\r" << "77000|Orden de abrir  Garaje";
        QTest::newRow("local, closing") << false << "Cerrando" << "\rqz+Obrir2\r" << "77000|Orden de abrir  Garaje";
        QTest::newRow("local, open") << false << "Abierto" << "\rqz+Tancar2\r" << "77000|Orden de cerrar  Garaje";
        QTest::newRow("remote, closed") << true << "CLOSED" << "ssts/0123ABCD/user42 {#Obrir2}" << "";
        QTest::newRow("remote, opening") << true << "OPENING" << "ssts/0123ABCD/user42 {#Tancar2}" << "";
        QTest::newRow("remote, open") << true << "OPEN" << "ssts/0123ABCD/user42 {#Tancar2}" << "";
    }
    void doorOrders()
    {
        QFETCH(bool, remote);
        QFETCH(QString, state);
        QFETCH(QString, command);
        QFETCH(QString, posted);
        StatusFixture f;
        f.online = true;
        f.link.identConnectar = QStringLiteral("0123ABCD");
        f.doors.setDoorNames({QStringLiteral("Entrada"), QStringLiteral("Garaje")});
        QSignalSpy published(&f.doors, &DoorsScreen::remoteDoorCommand);
        if (remote) {
            f.goRemote();
            f.cloud.doorStates.insert(2, state);
        } else {
            const QString word = state == QLatin1String("Cerrado") ? QStringLiteral("Tancat")
                : state == QLatin1String("Cerrando")               ? QStringLiteral("Tancant")
                                                                   : QStringLiteral("Obert");
            f.frame(QStringLiteral("{#%1%2}").arg(word).arg(2));
        }
        f.doors.IPBotoClick(2);
        if (remote) {
            QCOMPARE(published.size(), 1);
            QCOMPARE(published.first().at(0).toString() + QLatin1Char(' ') + published.first().at(1).toString(), command);
        } else {
            QCOMPARE(QString::fromLatin1(f.device.readFor(500)), command);
        }
        QCOMPARE(f.cloud.posted.join(u'\n'), posted);
    }

    void doorOrderWithoutPermission()
    {
        StatusFixture f;
        f.cloud.mayOpen = false;
        f.doors.IPBotoClick(1);
        QCOMPARE(f.cloud.posted, QStringList{"77000|Usuario no habilitado"});
        QCOMPARE(f.prompter.asked.size(), 1);
        QCOMPARE(f.prompter.asked.first().message, QStringLiteral("Usuario no habilitado"));
        QCOMPARE(f.device.readFor(200), QByteArray());
    }

    void buttonFlagsOfTheUserRecord_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("flags");
        QTest::newRow("empty") << "{}" << "1,0,0,0";
        QTest::newRow("button 1 off") << R"({"b1Enabled": false})" << "0,0,0,0";
        QTest::newRow("keys in any case") << R"({"B2ENABLED": true, "b3enabled": "true", "b4Enabled": "yes"})"
                                          << "1,1,1,0";
    }
    void buttonFlagsOfTheUserRecord()
    {
        QFETCH(QString, record);
        QFETCH(QString, flags);
        QCOMPARE(buttonFlags(QJsonDocument::fromJson(record.toUtf8()).object()), flags);
    }

    void offlineCloudSaysSo()
    {
        DiagnosticTrace trace;
        OfflineStatusCloud cloud(trace);
        QSignalSpy traced(&trace, &DiagnosticTrace::lineAdded);
        QCOMPARE(cloud.AgafaNumBotons(), 0);
        QCOMPARE(cloud.AgafaBotonsMarcats(), QStringLiteral("1,0,0,0"));
        QVERIFY(!cloud.AgafaPotObrirPortes());
        cloud.ActualitzaEventsRTDB(QStringLiteral("ID"), QStringLiteral("Salida disparada: 1"), QStringLiteral("77000"));
        QCOMPARE(traced.size(), 4);
        QVERIFY(traced.last().first().toString().contains(QLatin1String("not posted")));
    }
};

QTEST_GUILESS_MAIN(TestStatusPresentation)
#include "test_status_presentation.moc"
