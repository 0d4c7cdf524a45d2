#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include "RemoteTransportStub.h"
#include "WindowFixture.h"
#include "WindowOnDevice.h"
#include "core/session/Shell.h"
#include "ui/status/GaugeView.h"
#include "ui/status/StatusBarPanel.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace quelta;

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kLime(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kPaleRed(255, 176, 176);
const QColor kLiveBlue(125, 184, 255);
const QColor kGrey(128, 128, 128);

// The window over a shell with no device; the test hands status frames to the decoder as the
// dispatcher does.
struct Window : test::WindowFixture
{
    void frame(const QString &text)
    {
        shell.device().link().StrCom = text;
        shell.screens().decoder().Llegir_In(text);
    }

    // The status screen on view, as with a device connected.
    void showStatusScreen()
    {
        window.resize(1200, 780);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        find(QStringLiteral("PEstatCaption"))->hide();
        find(QStringLiteral("deviceStatusPanels"))->show();
        QCoreApplication::processEvents();
    }
};

QColor background(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

QColor foreground(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

// The colour of the log's last line, as the document holds it.
QColor lastLogLineColour(const QTextEdit *log)
{
    const QTextBlock block = log->document()->lastBlock();
    return block.begin().fragment().charFormat().foreground().color();
}

} // namespace

class TestStatusView : public QObject
{
    Q_OBJECT

private slots:
    // Each input box shows its name from section "3" and its state from section "2"; a box that
    // loses its state fades.
    void inputAndOutputBoxesShowTheFrame()
    {
        Window w;
        QVERIFY(w.window.created());
        w.frame(QStringLiteral("{#3Puerta|Ventana|||||||||||||||#4Sirena|Luz|Rele|Aux#2"
                               "10||||:|:::|:::||}"));
        auto *door = w.find<QLabel>(QStringLiteral("EE1"));
        auto *window = w.find<QLabel>(QStringLiteral("EE2"));
        QCOMPARE(door->text(), QStringLiteral("Puerta"));
        QCOMPARE(background(door), kRed);
        QCOMPARE(foreground(door), kWhite);
        QCOMPARE(window->text(), QStringLiteral("Ventana"));
        QCOMPARE(background(window), kGreen);
        QCOMPARE(w.find<QLabel>(QStringLiteral("ES2"))->text(), QStringLiteral("Luz"));

        w.frame(QStringLiteral("{#2 0||||:|:::|:::||}"));
        QCOMPARE(background(door), kPaleRed);
        QVERIFY(foreground(door) != kWhite);
        QCOMPARE(background(window), kGreen);
    }

    void linkBoxesAndCoversFollowTheLinkStates_data()
    {
        QTest::addColumn<QString>("links");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("bold");
        QTest::newRow("GPRS at the receiver") << "6001" << "REGPRS" << " GPRS: CONECTADO A RECEPTORA" << kLime << false;
        QTest::newRow("ADSL off, bold on silver")
            << "0001" << "READSL" << " ADSL: DESACTIVADO" << QColor(192, 192, 192) << true;
        QTest::newRow("COM panel connected") << "0031" << "RECOM" << " COM: BC600 CONECTADA" << kLime << false;
    }

    void linkBoxesAndCoversFollowTheLinkStates()
    {
        QFETCH(QString, links);
        QFETCH(QString, box);
        QFETCH(QString, line);
        QFETCH(QColor, colour);
        QFETCH(bool, bold);
        Window w;
        w.shell.device().link().central = QStringLiteral("bc600");
        w.frame(QStringLiteral("{#2||%1|:|:::|:::||}").arg(links));
        auto *label = w.find<QLabel>(box);
        QCOMPARE(label->text(), line);
        QCOMPARE(background(label), colour);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(foreground(label), QColor(0, 0, 0));
    }

    // E/S "F": the boxes go and both covers say so; COM connected paints status panel 2 olive with
    // the panel's name and brings its lamps.
    void coversAndStatusBarFollowTheCore()
    {
        Window w;
        w.showStatusScreen();
        w.shell.device().link().central = QStringLiteral("BC600");
        w.frame(QStringLiteral("{#2||003F|:|:::|:::||}"));
        QVERIFY(!w.find(QStringLiteral("PESActivades"))->isVisible());
        auto *inputsCover = w.find<QLabel>(QStringLiteral("PEntradesNoDisp"));
        QVERIFY(inputsCover->isVisible());
        QCOMPARE(inputsCover->text(), QStringLiteral("NO DISPONIBLE"));
        QVERIFY(w.find(QStringLiteral("PSortidesNoDisp"))->isVisible());
        QVERIFY(inputsCover->geometry().contains(w.find(QStringLiteral("EE16"))->geometry().center()
                                                 + w.find(QStringLiteral("EE16"))->parentWidget()->mapTo(
                                                     inputsCover->parentWidget(), QPoint())));

        auto *panel = w.find<ui::StatusBarPanel>(QStringLiteral("SBEstatPanel2"));
        QCOMPARE(panel->background(), QColor(0x95, 0x95, 0x00));
        QCOMPARE(panel->drawnText(), QStringLiteral("  Quelta            BC600"));
        QVERIFY(w.find(QStringLiteral("ComLedRXAgui"))->isVisible());
        const QImage drawn = panel->grab().toImage();
        QCOMPARE(drawn.pixelColor(panel->width() / 2, 3), QColor(0x95, 0x95, 0x00));
    }

    // Power raw 0x64 is 12.3 V at 12 on a scale of 30; a tamper trigger of 0xFF puts its marker at
    // the gauge's right end with "100%".
    void gaugesShowLevelsAndMarkers()
    {
        Window w;
        w.frame(QStringLiteral("{#2|||:|1:80:FF:3C|1:64:C8:50||}"));
        auto *power = w.find<QProgressBar>(QStringLiteral("GAlimentacio"));
        QCOMPARE(power->maximum(), 30);
        QCOMPARE(power->value(), 12);
        QCOMPARE(power->palette().color(QPalette::Highlight), kLime);
        QCOMPARE(w.find<QLabel>(QStringLiteral("LVAlim"))->text(), QStringLiteral("12.3 V"));

        auto *tamper = w.find<QProgressBar>(QStringLiteral("GTamper"));
        auto *trigger = w.find<QFrame>(QStringLiteral("STamperDisp"));
        QCOMPARE(tamper->value(), 0x80);
        QCOMPARE(trigger->geometry().center().x(), tamper->x() + 150);
        QCOMPARE(w.find<QLabel>(QStringLiteral("LTamperDisp"))->text(), QStringLiteral("100%"));
        QCOMPARE(w.find<QLabel>(QStringLiteral("LTamperDisp"))->x(), tamper->x() + 150 - 10);
    }

    // Filtered, 8260 is red and 8261 hidden; the log follows its end until paused.
    void eventLogShowsColouredLinesAndFollowsItsEnd()
    {
        Window w;
        w.showStatusScreen();
        auto *log = w.find<QTextEdit>(QStringLiteral("REQuelta"));
        w.frame(QStringLiteral("{#8260:}"));
        w.frame(QStringLiteral("{#8261:}"));
        QCOMPARE(log->document()->blockCount(), 1);
        QVERIFY(log->document()->lastBlock().text().contains(QStringLiteral("Error al actualizar el tiempo")));
        QCOMPARE(lastLogLineColour(log), kRed);

        for (int i = 0; i < 60; ++i)
            w.frame(QStringLiteral("{#dtrace %1}").arg(i));
        QScrollBar *bar = log->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());

        w.find<QToolButton>(QStringLiteral("BPara"))->click();
        bar->setValue(0);
        w.frame(QStringLiteral("{#dtrace more}"));
        QCOMPARE(bar->value(), 0);
        QVERIFY(log->document()->lastBlock().text().endsWith(QStringLiteral("trace more")));

        w.find<QToolButton>(QStringLiteral("BEsborra"))->click();
        QVERIFY(log->document()->isEmpty());
    }

    // A cloud snapshot greys the heading, lays the log on the window colour and takes away its
    // follow and clear buttons, and greys the identity panel behind its boxes; opening the status screen brings the heading and buttons back.
    void cloudSnapshotGreysTheLogUntilTheScreenIsOpened()
    {
        Window w;
        w.showStatusScreen();
        auto *heading = w.find<QLabel>(QStringLiteral("LEstatQuelta"));
        auto *log = w.find<QTextEdit>(QStringLiteral("REQuelta"));
        const QList<QToolButton *> buttons{w.find<QToolButton>(QStringLiteral("BPara")),
                                           w.find<QToolButton>(QStringLiteral("BEsborra"))};
        emit w.shell.screens().connectionEstablished();
        QCOMPARE(foreground(heading), kLiveBlue);
        QCOMPARE(log->palette().color(QPalette::Base), kLiveBlue);

        auto *panel = w.find<QFrame>(QStringLiteral("PEstatES"));
        QCOMPARE(panel->palette().color(QPalette::Window), kLiveBlue);
        w.shell.screens().statusScreen().showCloudSnapshot();
        QCOMPARE(foreground(heading), kGrey);
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(109, 109, 109));
        QCOMPARE(log->palette().color(QPalette::Base), QApplication::palette(log).color(QPalette::Base));
        for (const QToolButton *button : buttons)
            QVERIFY2(button->isHidden(), qPrintable(button->objectName()));

        w.shell.device().supervisor().BBLlegirEstatClick();
        QCOMPARE(foreground(heading), kLiveBlue);
        QCOMPARE(panel->palette().color(QPalette::Window), kLiveBlue);
        for (const QToolButton *button : buttons)
            QVERIFY2(!button->isHidden(), qPrintable(button->objectName()));
    }

    // The eleventh click on "ESTADO GENERAL" reveals the all-codes button, and with it 8261 shows.
    void serviceClicksRevealTheAllCodesButton()
    {
        Window w;
        w.showStatusScreen();
        auto *heading = w.find<QLabel>(QStringLiteral("LEstatQuelta"));
        auto *all = w.find<QToolButton>(QStringLiteral("BTot"));
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(heading, Qt::LeftButton);
        QVERIFY(!all->isVisible());
        QTest::mouseClick(heading, Qt::LeftButton);
        QVERIFY(all->isVisible());

        all->click();
        w.frame(QStringLiteral("{#8261:}"));
        auto *log = w.find<QTextEdit>(QStringLiteral("REQuelta"));
        QVERIFY(log->document()->lastBlock().text().contains(QStringLiteral("8261: ")));
    }

    // Eleven clicks on a programming page's caption open its read-only field for typing.
    void serviceClicksOpenTheReadOnlyFields_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("field");
        QTest::newRow("MAC address") << "LMac" << "EMAC";
        QTest::newRow("panel type") << "LCentral" << "ECentral";
        QTest::newRow("time zone caption") << "LFranjaHoraria" << "ECentral";
    }

    void serviceClicksOpenTheReadOnlyFields()
    {
        QFETCH(QString, caption);
        QFETCH(QString, field);
        Window w;
        auto *label = w.find<QLabel>(caption);
        auto *edit = w.find<QLineEdit>(field);
        QVERIFY(label && edit && edit->isReadOnly());
        for (int i = 0; i < 11; ++i)
            QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(!edit->isReadOnly());
    }

    void dateAndTimeFollowSectionZero()
    {
        Window w;
        auto *memo = w.find<QPlainTextEdit>(QStringLiteral("MDataHora"));
        QCOMPARE(memo->toPlainText(), StatusScreen::kNoDate);
        w.frame(QStringLiteral("{#0010225143000+01}"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("Fecha: 01/02/25     Hora: 14:30"));
    }

    // A click on a green output box, confirmed, triggers the output on the device, whose next
    // frame paints the box red.
    void clickingAnOutputTogglesItOnTheDevice()
    {
        test::WindowOnDevice w;
        QVERIFY(w.open());
        auto *output = w.find<QLabel>(QStringLiteral("ES1"));
        QTRY_VERIFY_WITH_TIMEOUT(output->isVisible() && background(output) == kGreen, 8000);
        w.prompter.answers = {DialogResult::Yes};
        QTest::mouseClick(output, Qt::LeftButton);
        QVERIFY(!w.prompter.asked.isEmpty());
        QVERIFY(w.prompter.asked.last().message.contains(QStringLiteral(" Se cambiará el estado de la salida ")));
        QTRY_COMPARE_WITH_TIMEOUT(background(output), kRed, 5000);
    }

    void deviceCommandsSendTheirCommand_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("remote");
        QTest::addColumn<QString>("event");
        QTest::newRow("Reset") << "BBReset" << "\rqz+rst\r" << "qz+rst" << "8100: ";
        QTest::newRow("Envío a la CRA") << "BBCRA" << "\rqz+cra\r" << "qz+cra" << "8210: ";
    }

    // A device command appears with the device's identity, wearing its glyph. A click sends its
    // one command, which the device answers with its event; remotely it is published unframed on
    // the configuration topic.
    void deviceCommandsSendTheirCommand()
    {
        QFETCH(QString, button);
        QFETCH(QString, local);
        QFETCH(QString, remote);
        QFETCH(QString, event);
        test::WindowOnDevice w;
        QVERIFY(w.open());
        auto *command = w.find<QToolButton>(button);
        QTRY_VERIFY_WITH_TIMEOUT(command->isVisible(), 8000);
        QVERIFY(!command->icon().isNull());

        // Every code in the log: the test report's event is one of those a filtered log hides.
        w.shell->screens().eventLog().BTotClick();
        QStringList events;
        connect(&w.shell->screens().eventLog(), &DeviceEventLog::lineAdded, this,
                [&events](const LogLine &line) { events << line.text; });
        CommandChannel &channel = w.shell->device().channel();
        QSignalSpy sent(&channel, &CommandChannel::sent);
        QTest::mouseClick(command, Qt::LeftButton);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().first().toString(), local);
        QTRY_VERIFY_WITH_TIMEOUT(!events.filter(event).isEmpty(), 5000);

        test::RemoteTransportStub publisher;
        channel.activate(publisher);
        QTest::mouseClick(command, Qt::LeftButton);
        channel.activate(channel.serial());
        QCOMPARE(publisher.payloads(), QStringList{remote});
        QCOMPARE(publisher.published.first().topic, RemoteTopic::Cfg);
    }
};

QTEST_MAIN(TestStatusView)
#include "test_status_view.moc"
