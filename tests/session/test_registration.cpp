// The sign-in window's steps and the about box's, with the official Firebase Auth emulator as the
// identity service and quelta-cloudsim as the database: start-up, sign-in, registration of a user
// and their company level, moving to another level, and signing out.

#include "AuthEmulator.h"
#include "CloudSim.h"
#include "ShellHarness.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace quelta;
using quelta::test::AuthEmulator;

Q_DECLARE_METATYPE(quelta::RegistrationField)
Q_DECLARE_METATYPE(quelta::RegistrationForm)

namespace {

const QString kCompany = QStringLiteral("Extintores Norte");
const QString kPassword = QStringLiteral("correct-horse");

// A company with a key, one installer with a key of its own; no users yet.
const QByteArray kSeed = R"({"database": {
    "Companies": {"Extintores Norte": {"KeyCom": "norte-key", "Name": "Extintores Norte", "CreatedDateCom": "1/1/2026 8:00:00",
        "Installers": {"Ana Ruiz": {"KeyInstaller": "ana-key", "CreatedDateInstaller": "2/1/2026 8:00:00"}}}},
    "Versions": {"PCNewVersionAvailable": "2.2.01.31", "PCBlockingCondition": false}}})";

RegistrationForm form(const QString &email, const QString &company = {}, const QString &installer = {},
                      const QString &key = {}, const QString &reference = {})
{
    return {company, installer, reference, key, QStringLiteral("Alias"), email, kPassword};
}

} // namespace

class TestRegistration : public QObject
{
    Q_OBJECT

    AuthEmulator emulator_;
    test::CloudSim sim_;
    std::unique_ptr<test::ShellHarness> harness_;
    QList<RegistrationStart> windowsShown_;

    Shell &shell() { return *harness_->shell; }
    Registration &registration() { return shell().registration(); }
    CloudState &state() { return shell().context().cloud().state(); }
    test::ScriptedPrompter &prompter() { return harness_->prompter; }
    QString lastMessage() { return prompter().asked.isEmpty() ? QString() : prompter().asked.last().message; }

    // A shell on the emulator and cloudsim, created as the window creates it (settings written
    // before, as a previous run left them).
    Shell &createShell()
    {
        harness_->endpoints = test::localCloud(emulator_.url(), sim_.url());
        harness_->internet.online = true;
        return harness_->create();
    }

    // Records how the window would open and leaves it as the installer closes it.
    Registration::WindowRunner window(bool accepted)
    {
        return [this, accepted](const RegistrationStart &start) {
            windowsShown_.append(start);
            return accepted;
        };
    }

    // A user created at the identity service, verified unless told otherwise; its identifier.
    QString createUser(const QString &email, bool verified = true)
    {
        const AuthEmulator::Reply created = emulator_.request(
            "POST", QStringLiteral("/identitytoolkit.googleapis.com/v1/accounts:signUp?key=any"),
            {{QStringLiteral("email"), email}, {QStringLiteral("password"), kPassword},
             {QStringLiteral("returnSecureToken"), true}});
        if (verified) {
            emulator_.request("POST", QStringLiteral("/identitytoolkit.googleapis.com/v1/accounts:sendOobCode?key=any"),
                              {{QStringLiteral("requestType"), QStringLiteral("VERIFY_EMAIL")},
                               {QStringLiteral("idToken"), created.body.value(QLatin1String("idToken"))}});
            emulator_.verifyEmails();
        }
        return created.body.value(QLatin1String("localId")).toString();
    }

    void storeCredentials(const QString &email, const QString &uid)
    {
        harness_->storeSetting(QStringLiteral("REG3"), email);
        harness_->storeSetting(QStringLiteral("REG4"), kPassword);
        harness_->storeSetting(QStringLiteral("REG5"), uid);
    }

    void writeUser(const QString &uid, const QString &email, const QString &role, const QString &installer = {})
    {
        const QJsonObject record{{QStringLiteral("companyKey"), kCompany}, {QStringLiteral("installer"), installer},
                                 {QStringLiteral("reference"), QString()}, {QStringLiteral("nickname"), QStringLiteral("Alias")},
                                 {QStringLiteral("role"), role}, {QStringLiteral("email"), email}};
        QVERIFY(sim_.write(QStringLiteral("Users/") + uid, QJsonDocument(record).toJson()));
    }

private slots:
    void initTestCase()
    {
        QUELTA_REQUIRE_AUTH_EMULATOR();
        QVERIFY2(emulator_.start(), qPrintable(emulator_.log()));
    }

    void init()
    {
        QVERIFY(emulator_.clear());
        QVERIFY(sim_.start(kSeed));
        harness_ = std::make_unique<test::ShellHarness>();
        windowsShown_.clear();
    }

    void cleanup()
    {
        harness_.reset();
        sim_.stop();
    }

    void cleanupTestCase() { emulator_.stop(); }

    // A stored, verified installer of a known company starts signed in without seeing the window.
    void aKnownInstallerStartsSignedIn()
    {
        const QString uid = createUser(QStringLiteral("ana@example.com"));
        writeUser(uid, QStringLiteral("ana@example.com"), QStringLiteral("instalador"), QStringLiteral("Ana Ruiz"));
        storeCredentials(QStringLiteral("ana@example.com"), uid);
        Shell &shell = createShell();
        QSignalSpy cloudFunctions(&shell, &Shell::cloudFunctionsChanged);
        QVERIFY(shell.FormActivate(window(false)));
        QVERIFY(windowsShown_.isEmpty());
        QCOMPARE(state().EmpresaNom, kCompany);
        QCOMPARE(state().EmpresaInstal, QStringLiteral("Ana Ruiz"));
        QCOMPARE(state().EmpresaClau, QStringLiteral("ana-key"));
        QCOMPARE(cloudFunctions.last().first().toBool(), true);
        QVERIFY(shell.context().windowTitle().endsWith(QStringLiteral("        Registrado por:     <ana@example.com>")));
    }

    // Why the window opens at start-up, which form it shows, and what it says first.
    void theStartUpWindowFollowsTheStoredUser_data()
    {
        QTest::addColumn<QString>("role");     // the user record's role; empty: no record
        QTest::addColumn<bool>("password");    // the stored password is kept
        QTest::addColumn<bool>("signInPanel");
        QTest::addColumn<QString>("message");  // the first dialog; empty: none
        QTest::addColumn<bool>("prefilled");
        QTest::newRow("signed out") << "instalador" << false << true << QString() << false;
        QTest::newRow("no company yet") << QString() << true << false
                                        << "Empresa no dada de alta\rPor favor, introduzca los datos que faltan" << true;
        QTest::newRow("an app user") << "usuario" << true << true << SignIn::noInstalador() << false;
    }

    void theStartUpWindowFollowsTheStoredUser()
    {
        QFETCH(QString, role);
        QFETCH(bool, password);
        QFETCH(bool, signInPanel);
        QFETCH(QString, message);
        QFETCH(bool, prefilled);
        const QString uid = createUser(QStringLiteral("eva@example.com"));
        if (!role.isEmpty())
            writeUser(uid, QStringLiteral("eva@example.com"), role);
        storeCredentials(QStringLiteral("eva@example.com"), uid);
        if (!password)
            harness_->storeSetting(QStringLiteral("REG4"), QString());
        createShell();
        QVERIFY(!registration().Execute(window(false)));
        QCOMPARE(windowsShown_.size(), 1);
        QCOMPARE(windowsShown_[0].signInPanel, signInPanel);
        QCOMPARE(windowsShown_[0].email.isEmpty(), !prefilled);
        QCOMPARE(lastMessage(), message);
    }

    // A stored user who never verified the address ends the program after saying so.
    void anUnverifiedUserEndsTheProgram()
    {
        const QString uid = createUser(QStringLiteral("late@example.com"), false);
        storeCredentials(QStringLiteral("late@example.com"), uid);
        Shell &shell = createShell();
        QVERIFY(!shell.FormActivate(window(true)));
        QVERIFY(windowsShown_.isEmpty());
        QCOMPARE(lastMessage(), SignIn::noVerificat());
    }

    // "Nuevo usuario" twice: first the identity user and its verification mail, then, verified,
    // the user record and the installer level under the company, whose date a second registration
    // keeps.
    void aNewInstallerRegistersInTwoSteps()
    {
        createShell();
        QSignalSpy accepted(&registration(), &Registration::accepted);
        const RegistrationForm typed = form(QStringLiteral("new@example.com"), kCompany, QStringLiteral("Pau Vidal"),
                                            QStringLiteral("pau-key-1"));
        registration().BRegistreClick(typed);
        QCOMPARE(accepted.count(), 0);
        QVERIFY(lastMessage().contains(QStringLiteral("new@example.com para su verificación")));
        QVERIFY(sim_.read(QStringLiteral("Users")).isNull());

        QCOMPARE(emulator_.verifyEmails(), 1);
        registration().BRegistreClick(typed);
        QCOMPARE(accepted.count(), 1);
        const QJsonObject user = sim_.read(QStringLiteral("Users/") + state().CodiReg).toObject();
        QCOMPARE(user.value(QLatin1String("companyKey")).toString(), kCompany);
        QCOMPARE(user.value(QLatin1String("role")).toString(), QStringLiteral("instalador"));
        const QString installer = QStringLiteral("Companies/Extintores Norte/Installers/Pau Vidal");
        QCOMPARE(sim_.read(installer + QStringLiteral("/KeyInstaller")).toString(), QStringLiteral("pau-key-1"));
        const QJsonValue created = sim_.read(installer + QStringLiteral("/CreatedDateInstaller"));
        QVERIFY(created.isString());
        QCOMPARE(harness_->storedSetting(QStringLiteral("REG3")), QStringLiteral("new@example.com"));
        QCOMPARE(harness_->storedSetting(QStringLiteral("REG5")), state().CodiReg);
        QCOMPARE(state().EmpresaInstal, QStringLiteral("Pau Vidal"));

        QVERIFY(sim_.write(installer + QStringLiteral("/CreatedDateInstaller"), "\"3/1/2026 8:00:00\""));
        registration().BRegistreClick(typed);
        QCOMPARE(accepted.count(), 2);
        QCOMPARE(sim_.read(installer + QStringLiteral("/CreatedDateInstaller")).toString(), QStringLiteral("3/1/2026 8:00:00"));
    }

    void aLevelWithAnotherKeyIsNotJoined()
    {
        createUser(QStringLiteral("ana@example.com"));
        createShell();
        QSignalSpy focus(&registration(), &Registration::focusRequested);
        registration().BRegistreClick(form(QStringLiteral("ana@example.com"), kCompany, QStringLiteral("Ana Ruiz"),
                                           QStringLiteral("not-ana-key")));
        QCOMPARE(focus.last().first().value<RegistrationField>(), RegistrationField::Key);
        QVERIFY(lastMessage().contains(QStringLiteral("El campo Clave no coincide con el de la base de datos")));
        QVERIFY(sim_.read(QStringLiteral("Users")).isNull());
    }

    // "Iniciar sesión": an installer goes in; an app user, an unknown address and a user without
    // company stay out with their message.
    void signingInFromTheWindow_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("role");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::newRow("installer") << "ana@example.com" << "instalador" << true << QString();
        QTest::newRow("app user") << "app@example.com" << "usuario" << false << SignIn::noInstalador();
        QTest::newRow("no record") << "bare@example.com" << QString() << false
                                   << "Faltan datos\rPulse \"Nuevo usuario\" para completar el registro";
        QTest::newRow("unknown") << "nobody@example.com" << "-" << false
                                 << "¡ ATENCION !\rUsuario no registrado\r Si desea registrarlo pulse en \"Nuevo usuario\"";
    }

    void signingInFromTheWindow()
    {
        QFETCH(QString, email);
        QFETCH(QString, role);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        if (role != QLatin1String("-")) {
            const QString uid = createUser(email);
            if (!role.isEmpty())
                writeUser(uid, email, role);
        }
        createShell();
        QSignalSpy closed(&registration(), &Registration::accepted);
        registration().BIniciaSessioClick(form(email));
        QCOMPARE(closed.count(), accepted ? 1 : 0);
        QCOMPARE(lastMessage(), message);
        QCOMPARE(harness_->storedSetting(QStringLiteral("REG3")), accepted ? email : QString());
    }

    // The fields are checked in the window's order before anything is sent.
    void incompleteFormsAreRefused_data()
    {
        QTest::addColumn<RegistrationForm>("typed");
        QTest::addColumn<RegistrationField>("field");
        QTest::addColumn<QString>("message");
        const QString mail = QStringLiteral("x@example.com");
        QTest::newRow("company") << form(mail) << RegistrationField::Company << "El campo Empresa no puede estar vacío";
        QTest::newRow("e-mail") << form(QStringLiteral("  "), kCompany) << RegistrationField::Email
                                << "El campo Correo electrónico no puede estar vacío";
        RegistrationForm shortPassword = form(mail, kCompany);
        shortPassword.password = QStringLiteral("12345");
        QTest::newRow("password") << shortPassword << RegistrationField::Password << "Contraseña demasiado corta. Mínimo 6 caracteres";
        QTest::newRow("key") << form(mail, kCompany) << RegistrationField::Key << "El campo Clave no puede estar vacío";
        QTest::newRow("short key") << form(mail, kCompany, {}, QStringLiteral("abc")) << RegistrationField::Key
                                   << "Clave demasiado corta. Mínimo 6 caracteres";
        QTest::newRow("reference alone") << form(mail, kCompany, {}, QStringLiteral("abcdef"), QStringLiteral("Obra"))
                                         << RegistrationField::Installer
                                         << "No puede haber una referencia sin instalador\rPor favor, entre un instalador o borre la referencia";
    }

    void incompleteFormsAreRefused()
    {
        QFETCH(RegistrationForm, typed);
        QFETCH(RegistrationField, field);
        QFETCH(QString, message);
        createShell();
        QSignalSpy focus(&registration(), &Registration::focusRequested);
        QSignalSpy busy(&registration(), &Registration::busyChanged);
        registration().BRegistreClick(typed);
        QCOMPARE(focus.count(), 1);
        QCOMPARE(focus.first().first().value<RegistrationField>(), field);
        QCOMPARE(lastMessage(), message);
        QCOMPARE(busy.count(), 0);
    }

    // An unreachable service lets the program go on off line, from the window and at start-up.
    void anUnreachableServiceGoesOnOffline()
    {
        harness_->endpoints = test::localCloud(QStringLiteral("http://127.0.0.1:1/"));
        harness_->internet.online = true;
        storeCredentials(QStringLiteral("ana@example.com"), QStringLiteral("some-uid"));
        Shell &shell = harness_->create();
        QVERIFY(shell.FormActivate(window(false)));
        QVERIFY(windowsShown_.isEmpty());
        QVERIFY(shell.context().windowTitle().endsWith(QStringLiteral("sin internet")));

        QSignalSpy closed(&registration(), &Registration::accepted);
        registration().BIniciaSessioClick(form(QStringLiteral("ana@example.com")));
        QCOMPARE(closed.count(), 1);
        QVERIFY(lastMessage().contains(QStringLiteral("Compruebe la conexión a internet")));
    }

    // A newer version that must be installed first ends the program before any sign-in.
    void aBlockingNewVersionEndsTheProgram()
    {
        QVERIFY(sim_.write(QStringLiteral("Versions"), R"({"PCNewVersionAvailable": "2.2.01.40", "PCBlockingCondition": true})"));
        const QString uid = createUser(QStringLiteral("ana@example.com"));
        storeCredentials(QStringLiteral("ana@example.com"), uid);
        Shell &shell = createShell();
        QVERIFY(!shell.FormActivate(window(true)));
        QCOMPARE(prompter().hyperlinks.size(), 1);
        QVERIFY(windowsShown_.isEmpty());
    }

    // "Cerrar sesión", then a new start: the short form with empty fields.
    void signingOutShowsTheSignInFormNextTime()
    {
        const QString uid = createUser(QStringLiteral("ana@example.com"));
        writeUser(uid, QStringLiteral("ana@example.com"), QStringLiteral("instalador"));
        storeCredentials(QStringLiteral("ana@example.com"), uid);
        createShell().MITancarSessioClick();
        shell().FormClose();
        harness_->shell.reset();
        createShell();
        QVERIFY(!registration().Execute(window(false)));
        QCOMPARE(windowsShown_.size(), 1);
        QVERIFY(windowsShown_[0].signInPanel);
        QVERIFY(windowsShown_[0].email.isEmpty());
        QVERIFY(prompter().asked.isEmpty());
    }

    // The about box moves the user to another level once its key is given.
    void theAboutBoxMovesTheUserToAnotherLevel_data()
    {
        QTest::addColumn<QString>("installer");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("message");
        QTest::newRow("right key") << "Ana Ruiz" << "ana-key" << true << "Los cambios realizados se han guardado correctamente";
        QTest::newRow("wrong key") << "Ana Ruiz" << "norte-key" << false << "Clave errónea\rPor favor, entre la clave correcta";
        QTest::newRow("no such level") << "Nadie" << "norte-key" << false
                                       << "No existe esta empresa/instalador/referencia\rNo se pueden guardar los cambios";
    }

    void theAboutBoxMovesTheUserToAnotherLevel()
    {
        QFETCH(QString, installer);
        QFETCH(QString, key);
        QFETCH(bool, saved);
        QFETCH(QString, message);
        const QString uid = createUser(QStringLiteral("ana@example.com"));
        writeUser(uid, QStringLiteral("ana@example.com"), QStringLiteral("instalador"));
        storeCredentials(QStringLiteral("ana@example.com"), uid);
        Shell &shell = createShell();
        QVERIFY(shell.FormActivate(window(false)));
        AboutBox &about = shell.aboutBox();
        QVERIFY(about.editable());
        QCOMPARE(about.shownAccount().company, kCompany);
        QSignalSpy done(&about, &AboutBox::saved);
        RegistrationForm typed = about.shownAccount();
        typed.installer = installer;
        typed.key = key;
        about.BBAcceptarClick(typed);
        QCOMPARE(done.count(), saved ? 1 : 0);
        QCOMPARE(lastMessage(), message);
        const QString stored = sim_.read(QStringLiteral("Users/") + uid + QStringLiteral("/installer")).toString();
        QCOMPARE(stored, saved ? installer : QString());
        QCOMPARE(state().EmpresaInstal, saved ? installer : QString());
    }
};

QTEST_GUILESS_MAIN(TestRegistration)
#include "test_registration.moc"
