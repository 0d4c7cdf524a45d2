#include "mainwindow/TFPrincipalQueltaES.h"

#include "FakeInternet.h"
#include "ScriptedPrompter.h"
#include "SimulatedDevice.h"
#include "app/Shell.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace quelta;
using quelta::ui::TFPrincipalQueltaES;

namespace {

// The window on a simulated device, supervision ten times faster than on a real link.
struct WindowOnDevice
{
    test::SimulatedDevice device;
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    test::FakeInternet internet;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<TFPrincipalQueltaES> window;

    bool open(const QStringList &deviceOptions = {})
    {
        if (!device.start(deviceOptions))
            return false;
        shell = std::make_unique<Shell>(prompter, internet,
                                        std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat),
                                        dir.filePath(QStringLiteral("quelta")));
        shell->setPortForThisRun(device.portPath());
        shell->supervisor().setTimeDivisor(10);
        window = std::make_unique<TFPrincipalQueltaES>(*shell);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QString linkState() const { return find<QLabel>(QStringLiteral("SBEstatPanel0"))->text(); }
};

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

    void aLockedDeviceAsksForItsCode()
    {
        QTemporaryDir configDir;
        WindowOnDevice w;
        QVERIFY(w.open({"--config", lockedDeviceConfig(configDir, QStringLiteral("482913"))}));
        QTRY_VERIFY_WITH_TIMEOUT(w.shell->link().circuittrobat && w.shell->link().protegit, 5000);

        auto *prompt = w.find(QStringLiteral("PBloqueig"));
        w.find<QToolButton>(QStringLiteral("BBProg"))->click();
        QVERIFY(prompt->isVisible());
        auto *code = w.find<QLineEdit>(QStringLiteral("ECodiDesbloqueig"));
        QCOMPARE(code->echoMode(), QLineEdit::Password);

        QTest::keyClicks(code, QStringLiteral("482913"));
        w.find<QPushButton>(QStringLiteral("BBDesbloqueigAcceptar"))->click();
        QVERIFY(!prompt->isVisible());
        QVERIFY(code->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!w.shell->link().protegit, 3000);

        w.find<QToolButton>(QStringLiteral("BBProg"))->click();
        QVERIFY(!prompt->isVisible());
    }
};

QTEST_MAIN(TestWindowLink)
#include "test_window_link.moc"
