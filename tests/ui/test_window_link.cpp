#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include "Broker.h"
#include "WindowOnDevice.h"
#include "core/session/Shell.h"
#include "ui/pages/GridView.h"
#include "ui/status/StatusBarPanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace quelta;
using quelta::test::WindowOnDevice;

namespace {

// A device that wants an access code before anything can be programmed.
QString lockedDeviceConfig(const QTemporaryDir &dir, const QString &code)
{
    const QString path = dir.filePath(QStringLiteral("locked.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral(R"({"base": "%1", "accessCode": "%2"})")
                       .arg(test::SimulatedDevice::config(QStringLiteral("standard.json")), code)
                       .toUtf8());
    return path;
}

// The standard device with its status frames a minute apart, so none falls between a command and
// its echo.
QString quietDeviceConfig(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("quiet.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral(R"({"base": "%1", "framePeriodMs": 60000})")
                       .arg(test::SimulatedDevice::config(QStringLiteral("standard.json")))
                       .toUtf8());
    return path;
}

// The colour a grid cell is painted in, as on screen.
QColor cellColour(ui::GridView *grid, int row, int column)
{
    const QImage image = grid->viewport()->grab().toImage();
    return image.pixelColor(grid->visualRect(grid->model()->index(row - 1, column)).topLeft() + QPoint(3, 3));
}

} // namespace

class TestWindowLink : public QObject
{
    Q_OBJECT

private slots:
    void showsTheConnectionAndItsLoss()
    {
        WindowOnDevice w;
        QVERIFY(w.open());
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("CONECTADO"), 5000);
        QCOMPARE(w.find(QStringLiteral("PUSB"))->palette().color(QPalette::Window), QColor(125, 184, 255));

        w.device.pause();
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("SIN   CONEXION"), 8000);
        QVERIFY(w.find(QStringLiteral("PUSB"))->palette().color(QPalette::Window) != QColor(125, 184, 255));
        QCOMPARE(w.find<QLabel>(QStringLiteral("PEstatCaption"))->text(), QStringLiteral("SIN   CONEXION"));

        w.device.resume();
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("CONECTADO"), 8000);
    }

    // The port is closed under the old texts and the device on it found again under the new ones.
    void switchingLanguageFindsTheDeviceAgain()
    {
        WindowOnDevice w;
        QVERIFY(QFile::copy(QStringLiteral(QUELTA_LANGUAGE_MODULES_DIR "/quelta.ENU"),
                            w.dir.filePath(QStringLiteral("quelta.ENU"))));
        QVERIFY(w.open());
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("CONECTADO"), 5000);
        SerialTransport &serial = w.shell->device().channel().serial();
        const QString port = serial.portName();

        w.find<QAction>(QStringLiteral("LanguageEnglish"))->trigger();
        QCOMPARE(w.linkState(), QStringLiteral("SIN   CONEXION"));
        QVERIFY(!w.shell->device().link().circuit);
        QCOMPARE(serial.portName(), port);
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("CONECTADO"), 8000);
        QCOMPARE(w.find<ui::StatusBarPanel>(QStringLiteral("SBEstatPanel0"))->drawnText(), QStringLiteral("CONNECTED"));
    }

    // For the record: the service console beside the window while a read streams.
    void screenshotOfTheConsoleDuringARead()
    {
        const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS");
        if (shots.isEmpty())
            QSKIP("QUELTA_SCREENSHOTS is not set");
        WindowOnDevice w;
        QVERIFY(w.open());
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("CONECTADO"), 5000);
        emit w.window->consoleToggleRequested();
        auto *console = w.find(QStringLiteral("TFInfo"));
        QTRY_VERIFY(console->isVisible());
        console->resize(900, 520);
        w.find<QToolButton>(QStringLiteral("BBProg"))->click();
        const StatusBar &bar = w.shell->context().statusBar();
        QTRY_VERIFY_WITH_TIMEOUT(bar.progressVisible() && bar.progress() >= 30, 10000);
        QTest::qWait(150); // the console appends in batches
        QVERIFY(console->grab().save(QDir(shots).filePath(QStringLiteral("console-during-read.png"))));
        QVERIFY(w.window->grab().save(QDir(shots).filePath(QStringLiteral("window-during-read.png"))));
    }

    // The remote panel takes the session from the device on the port and gives it back: lit and
    // offering "Desconectar" while the remote device is linked.
    void switchesToTheRemoteDeviceAndBack()
    {
        test::Broker server;
        QVERIFY(server.start());
        test::SimulatedDevice remoteDevice;
        QVERIFY(remoteDevice.startOnBroker(server.port(), {QStringLiteral("--unpaced")}));
        WindowOnDevice w;
        QVERIFY(w.open());
        MqttSettings broker;
        broker.host = QStringLiteral("127.0.0.1");
        broker.port = server.port();
        w.shell->device().setBrokerForThisRun(broker);
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("CONECTADO"), 5000);

        w.find<QAction>(QStringLiteral("MIIComunicacioRemota"))->trigger();
        auto *remote = w.find(QStringLiteral("PIP"));
        QVERIFY(remote->isVisible());
        // Both simulated devices are the standard one: the device last identified is offered.
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("EIdentRemot"))->text(), remoteDevice.identifier());
        auto *button = w.find<QPushButton>(QStringLiteral("BBConnectarRemot"));
        QCOMPARE(button->text(), QStringLiteral("Conectar"));
        button->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.shell->device().link().isRemote() && w.linkState() == QStringLiteral("CONECTADO"), 15000);
        QCOMPARE(remote->palette().color(QPalette::Window), QColor(125, 184, 255));
        QCOMPARE(button->text(), QStringLiteral("Desconectar"));
        QVERIFY(w.find<QAction>(QStringLiteral("MIIComunicacioRemota"))->isChecked());
        if (const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS"); !shots.isEmpty()) {
            QTest::qWait(3000); // a few status frames on screen
            w.window->grab().save(shots + QStringLiteral("/window-remote.png"));
        }

        button->click();
        QTRY_VERIFY(w.find<QAction>(QStringLiteral("MIIComunicacioLocal"))->isChecked());
        QVERIFY(w.shell->device().link().isLocal());
        QTRY_VERIFY(w.find(QStringLiteral("PUSB"))->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("CONECTADO"), 8000);
    }

    // The installer's two kinds of change, an edit and a grid cell, turn red; "Programar" writes them
    // to the device and both turn back to normal.
    void editedFieldAndCellAreProgrammed()
    {
        QTemporaryDir configDir;
        WindowOnDevice w;
        QVERIFY(w.open({"--config", quietDeviceConfig(configDir)}));
        QTRY_COMPARE_WITH_TIMEOUT(w.linkState(), QStringLiteral("CONECTADO"), 5000);
        QSignalSpy read(&w.shell->programming().readEngine(), &ReadEngine::readFinished);
        w.find<QToolButton>(QStringLiteral("BBProg"))->click();
        QVERIFY(read.wait(10000));
        QTRY_VERIFY(!w.shell->context().activity().running());

        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        auto *reference = w.find<QLineEdit>(QStringLiteral("EProgRef"));
        reference->setFocus();
        reference->selectAll();
        QTest::keyClicks(reference, QStringLiteral("Ala Norte"));
        auto *pages = w.find<QTabWidget>(QStringLiteral("PCProgramacio"));
        pages->setCurrentIndex(static_cast<int>(ProgPage::Usuari));
        auto *inputs = w.find<ui::GridView>(QStringLiteral("SGEntrades"));
        QTRY_VERIFY(inputs->isVisible());
        inputs->setFocus();
        inputs->setCurrentIndex(inputs->model()->index(1, 1));
        QTest::keyClick(inputs, Qt::Key_F2);
        auto *cellEditor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(cellEditor && inputs->isAncestorOf(cellEditor));
        cellEditor->selectAll();
        QTest::keyClicks(cellEditor, QStringLiteral("Ventana"));
        QTest::keyClick(cellEditor, Qt::Key_Return);
        QTRY_COMPARE(w.shell->programming().model().grid(u"SGEntrades")->text(2, 1), QStringLiteral("Ventana"));
        inputs->clearCellSelection(); // the selection's highlight would cover the cell's colour
        QCOMPARE(reference->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(cellColour(inputs, 2, 1), QColor(255, 0, 0));

        QSignalSpy written(&w.shell->programming().writeEngine(), &WriteEngine::writeFinished);
        w.find<QPushButton>(QStringLiteral("BBGravarPag"))->click();
        QVERIFY(written.wait(10000));
        QCOMPARE(w.shell->programming().model().field(u"EProgRef")->state, FieldState::Read); // the device's echo confirmed it
        QVERIFY(reference->palette().color(QPalette::Base) != QColor(255, 0, 0));
        QVERIFY(cellColour(inputs, 2, 1) != QColor(255, 0, 0));
        QVERIFY(!w.shell->programming().model().grid(u"SGEntrades")->isModified(2, 1)); // the device's echo confirmed it
    }

    void aLockedDeviceAsksForItsCode()
    {
        QTemporaryDir configDir;
        WindowOnDevice w;
        QVERIFY(w.open({"--config", lockedDeviceConfig(configDir, QStringLiteral("482913"))}));
        QTRY_VERIFY_WITH_TIMEOUT(w.shell->device().link().circuittrobat && w.shell->device().link().protegit, 5000);

        auto *prompt = w.find(QStringLiteral("PBloqueig"));
        w.find<QToolButton>(QStringLiteral("BBProg"))->click();
        QVERIFY(prompt->isVisible());
        auto *code = w.find<QLineEdit>(QStringLiteral("ECodiDesbloqueig"));
        QCOMPARE(code->echoMode(), QLineEdit::Password);

        QTest::keyClicks(code, QStringLiteral("482913"));
        w.find<QPushButton>(QStringLiteral("BBDesbloqueigAcceptar"))->click();
        QVERIFY(!prompt->isVisible());
        QVERIFY(code->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!w.shell->device().link().protegit, 3000);

        w.find<QToolButton>(QStringLiteral("BBProg"))->click();
        QVERIFY(!prompt->isVisible());
    }
};

QTEST_MAIN(TestWindowLink)
#include "test_window_link.moc"
