#include "PseudoTerminal.h"
#include "ShellHarness.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

using ShellFixture = test::ShellHarness;

namespace {

// A shell whose stored port is the pseudo-terminal, activated, its identification request taken.
Shell &activatedOn(ShellFixture &fixture, test::PseudoTerminal &device)
{
    fixture.storeSetting("REG1", AppSettings::defaultTitle());
    fixture.storeSetting("REG2", device.slavePath());
    Shell &shell = fixture.create();
    shell.FormActivate(test::noSignInWindow);
    device.readFor(2000);
    return shell;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void dictionariesLoadFromTheEmbeddedHeaders()
    {
        ShellFixture fixture;
        Shell &shell = fixture.create();
        QVERIFY(shell.loadDictionaries());
        QVERIFY(fixture.prompter.asked.isEmpty());
        QCOMPARE(shell.context().dictionary().codeOf(u"idEmpres"), QStringLiteral("0102"));
    }

    void offlineFirstActivationRunsOnceAndDisablesTheCloud()
    {
        ShellFixture fixture;
        fixture.storeSetting("REG2", QString()); // no port: nothing is opened
        Shell &shell = fixture.create();
        QSignalSpy cloud(&shell, &Shell::cloudFunctionsChanged);
        shell.FormActivate(test::noSignInWindow);
        shell.FormActivate(test::noSignInWindow);
        QCOMPARE(fixture.internet.checks, 1);
        QCOMPARE(cloud.count(), 1);
        QCOMPARE(cloud.first().first().toBool(), false);
        QCOMPARE(shell.context().windowTitle(), AppSettings::defaultTitle() + QStringLiteral("        sin internet"));
        QCOMPARE(shell.context().views().panelmostrat(), View::Estat);
    }

    void firstActivationOpensTheStoredPortAndAsksForIdentification()
    {
        test::PseudoTerminal device;
        QVERIFY(device.isValid());
        ShellFixture fixture;
        fixture.storeSetting("REG1", AppSettings::defaultTitle());
        fixture.storeSetting("REG2", device.slavePath());
        Shell &shell = fixture.create();
        shell.FormActivate(test::noSignInWindow);
        QCOMPARE(device.readFor(2000), QByteArray("\rqz+ver\r"));
        QCOMPARE(shell.device().link().espero, QStringLiteral("+ver"));
        QCOMPARE(shell.device().link().vegades_espero, 6);
    }

    void closingLocksAndSilencesAConnectedDevice_data()
    {
        QTest::addColumn<bool>("sessionEstablished");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("connected") << true << QByteArray("\rqz+cdp=*\r\rqz+inf\r");
        QTest::newRow("not connected") << false << QByteArray();
    }
    void closingLocksAndSilencesAConnectedDevice()
    {
        QFETCH(bool, sessionEstablished);
        QFETCH(QByteArray, sent);
        test::PseudoTerminal device;
        ShellFixture fixture;
        Shell &shell = activatedOn(fixture, device);
        shell.device().link().circuittrobat = sessionEstablished;
        shell.FormClose();
        QCOMPARE(device.readFor(sessionEstablished ? 2000 : 300), sent);
    }

    void choosingAMissingPortSaysSoAndKeepsTheChoice()
    {
        ShellFixture fixture;
        Shell &shell = fixture.create();
        shell.device().CCBPortClick(QStringLiteral("/dev/quelta-unplugged"));
        QCOMPARE(fixture.prompter.asked.size(), 1);
        QCOMPARE(fixture.prompter.asked.first().message,
                 QStringLiteral("No se puede abrir este puerto\r\nDesconecte el cable y vuelva a conectarlo"));
        QCOMPARE(fixture.storedSetting("REG2"), QStringLiteral("/dev/quelta-unplugged"));
    }

    void factoryRestoreGuards_data()
    {
        QTest::addColumn<int>("tempsActu");
        QTest::addColumn<bool>("telecontrol");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("restores");

        const QString question = QStringLiteral(
            "Se borrarán los valores actuales y se restaurarán los valores de fábrica\r\n\r\n¿Está  usted de acuerdo?");
        const int yes = int(DialogResult::Yes);
        QTest::newRow("update running") << 30 << true << true << yes << QString() << false;
        QTest::newRow("telecontrol")
            << 0 << true << true << yes << QStringLiteral("Central en telecontrol\rNo se puede acceder a la programación")
            << false;
        QTest::newRow("locked") << 0 << false << true << yes << QString() << false;
        QTest::newRow("answered no") << 0 << false << false << int(DialogResult::No) << question << false;
        QTest::newRow("answered yes") << 0 << false << false << yes << question << true;
        QTest::newRow("dialog closed") << 0 << false << false << int(DialogResult::Close) << question << true;
    }

    // Only an update leaves the view alone; a confirmation is asked in the programming view, showing
    // the connected panel's page, and anything but "No" restores.
    void factoryRestoreGuards()
    {
        QFETCH(int, tempsActu);
        QFETCH(bool, telecontrol);
        QFETCH(bool, locked);
        QFETCH(int, answer);
        QFETCH(QString, asked);
        QFETCH(bool, restores);
        test::PseudoTerminal device;
        ShellFixture fixture;
        Shell &shell = activatedOn(fixture, device);
        QVERIFY(shell.loadDictionaries());
        shell.device().supervisor().stopSupervision();
        LinkState &link = shell.device().link();
        link.circuittrobat = true;
        link.central = QStringLiteral("BC600");
        link.tempsActu = tempsActu;
        link.bidiCentral = telecontrol;
        link.protegit = locked;
        fixture.prompter.answers = {DialogResult(answer)};
        QSignalSpy codeAsked(&shell.device().lock(), &ProgrammingLock::accessCodeRequested);

        shell.programming().MIIDefecteClick();

        QCOMPARE(fixture.prompter.asked.value(0).message, asked);
        QCOMPARE(codeAsked.count(), locked && !telecontrol && tempsActu == 0 ? 1 : 0);
        const bool switched = !asked.isEmpty() && !telecontrol;
        QCOMPARE(shell.context().views().panelmostrat(), switched ? View::Programacio : View::Estat);
        if (switched)
            QCOMPARE(shell.programming().model().visiblePanelPage(), std::optional<ProgPage>(ProgPage::CentralBC600));
        QCOMPARE(shell.programming().writeEngine().running(), restores);
        QCOMPARE(device.readFor(300).contains("qz+inf"), restores);
    }

    // A cloud call that found no connection says so in the title and leaves "Buscar" usable.
    void aFailedCloudCallOnlyRetitles()
    {
        ShellFixture fixture;
        Shell &shell = fixture.create();
        QSignalSpy title(&shell, &Shell::windowTitleChanged);
        QSignalSpy cloud(&shell, &Shell::cloudFunctionsChanged);
        emit shell.context().cloud().sinInternet();
        QCOMPARE(title.count(), 1);
        QVERIFY(title.first().first().toString().endsWith(QStringLiteral("        sin internet")));
        QCOMPARE(cloud.count(), 0);
    }

    // Clearing all offers the signed-in account's company and installer for the next device,
    // without counting them as changes.
    void clearingAllShowsTheAccount()
    {
        ShellFixture fixture;
        Shell &shell = fixture.create();
        CloudState &account = shell.context().cloud().state();
        account.EmpresaNom = QStringLiteral("Protecciones Ibéricas SL");
        account.EmpresaInstal = QStringLiteral("Jordi Puig");
        shell.Esborra_Camps();
        ConfigurationModel &model = shell.programming().model();
        QCOMPARE(model.field(u"EProgEmpresa")->value, account.EmpresaNom);
        QCOMPARE(model.field(u"EProgInstal")->value, account.EmpresaInstal);
        QCOMPARE(model.ncampsModificats(), 0);
    }

    void signingOutSavesEmptyCredentials()
    {
        ShellFixture fixture;
        fixture.storeSetting("REG2", "COM4");
        fixture.storeSetting("REG3", "instalador@example.com");
        fixture.storeSetting("REG4", "secret");
        Shell &shell = fixture.create();
        QCOMPARE(shell.context().settings().values().email, QStringLiteral("instalador@example.com"));
        shell.MITancarSessioClick();
        shell.FormClose();
        QCOMPARE(fixture.storedSetting("REG3"), QString());
        QCOMPARE(fixture.storedSetting("REG4"), QString());
        QCOMPARE(fixture.storedSetting("REG2"), QStringLiteral("COM4"));
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "test_shell.moc"
