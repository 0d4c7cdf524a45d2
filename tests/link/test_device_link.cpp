#include "ShellHarness.h"
#include "SimulatedDevice.h"

#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using test::connected;

namespace {

// Supervision runs ten times faster than on a real link: polls every 100 ms, the watchdog after 1 s.
constexpr int kTimeDivisor = 10;

struct LinkFixture
{
    test::SimulatedDevice device;
    test::ShellHarness harness;

    Shell &connect(const QStringList &deviceOptions = {})
    {
        if (!device.start(deviceOptions))
            qFatal("quelta-devsim did not start");
        Shell &shell = harness.create(device.portPath(), kTimeDivisor);
        shell.startLink();
        shell.FormActivate(test::noSignInWindow);
        return shell;
    }
};

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void findsTheDeviceAndLearnsWhoItIs()
    {
        LinkFixture f;
        Shell &shell = f.connect({"--config", test::SimulatedDevice::config("bc600.json")});
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!shell.device().link().hardware.isEmpty(), 5000);
        QCOMPARE(shell.device().link().central, QStringLiteral("BC600"));
        QVERIFY(shell.device().link().firmware.contains(QStringLiteral("Quelta_v8.7")));
        QCOMPARE(shell.device().link().PartsActives.size(), 4);
        QVERIFY(f.harness.prompter.asked.isEmpty());
        // The stream is on and its frames keep the watchdog fed.
        QTRY_VERIFY_WITH_TIMEOUT(shell.device().link().tempsllegir > 0 && shell.device().link().inf, 3000);
    }

    void aSilentDeviceIsLostAndFoundAgain()
    {
        LinkFixture f;
        Shell &shell = f.connect();
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);

        f.device.pause();
        QTRY_COMPARE_WITH_TIMEOUT(shell.context().statusBar().panel(0), StatusBar::kSinConexio, 8000);
        QVERIFY(!shell.device().link().circuit);
        QVERIFY(!shell.device().link().circuittrobat);

        f.device.resume();
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 8000);
    }

    void aVanishedPortIsReportedAndReopenedWhenItReturns()
    {
        LinkFixture f;
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("port"));
        Shell &shell = f.connect({"--link", link});
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);
        // The tool uses the stable link, as an installer uses the same COM name after replugging.
        shell.device().CCBPortClick(link);
        shell.device().CCBPortChange();
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 5000);

        f.device.stop();
        QTRY_VERIFY_WITH_TIMEOUT(shell.context().statusBar().panel(1).startsWith(QStringLiteral(" No se puede acceder al puerto :")), 8000);
        QVERIFY(!shell.device().link().circuit);

        QVERIFY(f.device.start({"--link", link}));
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell), 8000);
    }

    void theAccessCodeUnlocksProgramming()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("locked.json"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"base": ")" + test::SimulatedDevice::config("standard.json").toUtf8() + R"(", "accessCode": "482913"})");
        file.close();

        LinkFixture f;
        Shell &shell = f.connect({"--config", config});
        QTRY_VERIFY_WITH_TIMEOUT(connected(shell) && shell.device().link().protegit, 5000);
        QSignalSpy prompt(&shell.device().lock(), &ProgrammingLock::accessCodeRequested);
        QVERIFY(!shell.device().lock().allowsProgramming());
        QCOMPARE(prompt.count(), 1);

        QVERIFY(!shell.device().lock().BBDesbloqueigAcceptarClick(QStringLiteral("48291")));
        QVERIFY(f.harness.prompter.asked.last().message.contains(QStringLiteral("demasiado corto")));

        QVERIFY(shell.device().lock().BBDesbloqueigAcceptarClick(QStringLiteral("000000")));
        QTest::qWait(500);
        QVERIFY(shell.device().link().protegit);

        QVERIFY(shell.device().lock().BBDesbloqueigAcceptarClick(QStringLiteral("482913")));
        QTRY_VERIFY_WITH_TIMEOUT(!shell.device().link().protegit, 3000);
        QVERIFY(shell.device().lock().allowsProgramming());
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_device_link.moc"
