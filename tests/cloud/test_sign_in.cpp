// The sign-in steps against the official Firebase Auth emulator: every answer of the service
// mapped to the window's text, with e-mail enumeration protection off and on.

#include "AuthEmulator.h"
#include "ScriptedPrompter.h"

#include "core/base/DiagnosticTrace.h"
#include "core/cloud/CloudAccess.h"
#include "core/cloud/SignIn.h"

#include <QtTest>

using namespace quelta;
using quelta::test::AuthEmulator;

Q_DECLARE_METATYPE(quelta::SignInStatus)

namespace {

const QString kVerified = QStringLiteral("ver@example.com");
const QString kUnverified = QStringLiteral("unver@example.com");
const QString kPassword = QStringLiteral("correct-horse");

} // namespace

class TestSignIn : public QObject
{
    Q_OBJECT

    AuthEmulator emulator_;
    DiagnosticTrace trace_;
    test::ScriptedPrompter prompter_;
    std::unique_ptr<CloudAccess> cloud_;
    std::unique_ptr<SignIn> signIn_;

private slots:
    void initTestCase()
    {
        QUELTA_REQUIRE_AUTH_EMULATOR();
        QVERIFY2(emulator_.start(), qPrintable(emulator_.log()));
        QVERIFY(emulator_.clear());
        // Two users, both sent the verification mail; one follows its link.
        init();
        QVERIFY(signIn_->AltaNouUsuariFirebase(kVerified, kPassword).result.status == SignInStatus::Unverified);
        QVERIFY(signIn_->AltaNouUsuariFirebase(kUnverified, kPassword).result.status == SignInStatus::Unverified);
        for (const AuthEmulator::OobCode &code : emulator_.oobCodes()) {
            if (code.email == kVerified)
                QCOMPARE(emulator_.request("GET", code.oobLink).status, 200);
        }
    }

    void init()
    {
        CloudEndpoints endpoints = CloudEndpoints::production();
        endpoints.setIdentityEmulator(QUrl(emulator_.url()));
        cloud_ = std::make_unique<CloudAccess>(endpoints, nullptr, trace_, prompter_, FormatSettings{});
        signIn_ = std::make_unique<SignIn>(*cloud_, nullptr, trace_);
        QVERIFY(emulator_.setEmailEnumerationProtection(false));
    }

    void cleanupTestCase() { emulator_.stop(); }

    void loginMapsEveryAnswer_data()
    {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::addColumn<SignInStatus>("status");
        QTest::addColumn<QString>("error");
        const QString wrong = QStringLiteral("wrong-horse");
        const QString invalidPassword = QStringLiteral("Contraseña inválida.\rPor favor, introduzca la contraseña correcta.");
        for (const bool on : {false, true}) {
            const QByteArray suffix = on ? ", protected" : "";
            QTest::newRow("verified" + suffix) << on << kVerified << kPassword << SignInStatus::Ok << QString();
            QTest::newRow("unverified" + suffix) << on << kUnverified << kPassword << SignInStatus::Unverified << SignIn::noVerificat();
            QTest::newRow("unknown address" + suffix) << on << "nobody@example.com" << kPassword << SignInStatus::NotRegistered << SignIn::noRegistrat();
            QTest::newRow("malformed address" + suffix) << on << "not-an-address" << kPassword << SignInStatus::Refused
                << "Correo electrónico incorrecto.\rPor favor, asegúrese de entrar un correo válido.";
        }
        QTest::newRow("wrong password") << false << kVerified << wrong << SignInStatus::Refused << invalidPassword;
        // Protected, a wrong password cannot be told from an unknown address.
        QTest::newRow("wrong password, protected") << true << kVerified << wrong << SignInStatus::NotRegistered << SignIn::noRegistrat();
    }

    void loginMapsEveryAnswer()
    {
        QFETCH(bool, protection);
        QFETCH(QString, email);
        QFETCH(QString, password);
        QFETCH(SignInStatus, status);
        QFETCH(QString, error);
        QVERIFY(emulator_.setEmailEnumerationProtection(protection));
        const SignInResult result = signIn_->LoginFirebase(email, password);
        QCOMPARE(result.error, error);
        QVERIFY(result.status == status);
        QCOMPARE(cloud_->state().ErrorFirebase, error);
        QCOMPARE(cloud_->CheckAndCreateRealTimeDBClass(), status == SignInStatus::Ok || status == SignInStatus::Unverified);
    }

    void newUserAndPasswordReset()
    {
        const NewUserResult created = signIn_->AltaNouUsuariFirebase(QStringLiteral("new@example.com"), kPassword);
        QVERIFY(created.result.status == SignInStatus::Unverified);
        QVERIFY(created.information.contains(QStringLiteral("new@example.com para su verificación")));
        QVERIFY(!cloud_->state().CodiReg.isEmpty());

        // The address exists: after a "not registered" sign-in this means the password was wrong.
        QVERIFY(emulator_.setEmailEnumerationProtection(true));
        const NewUserResult again = signIn_->AltaNouUsuariFirebase(kVerified, QStringLiteral("wrong-horse"));
        QCOMPARE(again.result.error, QStringLiteral("Contraseña inválida.\rPor favor, introduzca la contraseña correcta."));
        QVERIFY(again.information.isEmpty());

        QVERIFY(emulator_.setEmailEnumerationProtection(false));
        QVERIFY(signIn_->ResetPasswordFirebase(kVerified).text.startsWith(QStringLiteral("¡ ATENCION !\rSe ha enviado")));
        QVERIFY(signIn_->ResetPasswordFirebase(QStringLiteral("nobody@example.com")).text.startsWith(QStringLiteral("¡ ERROR !")));
        QVERIFY(signIn_->ResetPasswordFirebase(QString()).kind == Notice::Kind::Warning);
    }

    void anUnreachableServiceIsOffline()
    {
        CloudEndpoints endpoints = CloudEndpoints::production();
        endpoints.setIdentityEmulator(QUrl(QStringLiteral("http://127.0.0.1:1/")));
        CloudAccess cloud(endpoints, nullptr, trace_, prompter_, FormatSettings{});
        SignIn signIn(cloud, nullptr, trace_);
        QVERIFY(signIn.LoginFirebase(kVerified, kPassword).status == SignInStatus::Offline);
        // The main window's sign-in says so, with the title hook and the timed dialog.
        QSignalSpy offline(&cloud, &CloudAccess::sinInternet);
        cloud.state().EmpresaEmail = kVerified;
        cloud.state().EmpresaPassword = kPassword;
        cloud.ConnexioFireBase();
        QCOMPARE(offline.count(), 1);
        QCOMPARE(prompter_.asked.size(), 1);
        QCOMPARE(prompter_.asked[0].autoCloseSeconds, 8);
        QVERIFY(!cloud.state().ErrorFirebase.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSignIn)
#include "test_sign_in.moc"
