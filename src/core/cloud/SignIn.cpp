#include "core/cloud/SignIn.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/Settings.h"
#include "core/cloud/CloudAccess.h"
#include "core/cloud/CloudJson.h"

#include <QCoreApplication>

namespace quelta {
namespace {

struct SignInTexts
{
    Q_DECLARE_TR_FUNCTIONS(SignIn)
};

QString shownError(const QString &error)
{
    return SignInTexts::tr("¡ ERROR !\r") + error + QLatin1Char('\r');
}

QString member(const QJsonObject &record, const char *name)
{
    return plainText(record.value(QLatin1String(name))).remove(QLatin1Char('"'));
}

} // namespace

SignIn::SignIn(CloudAccess &cloud, AppSettings *settings, DiagnosticTrace &trace)
    : cloud_(cloud)
    , settings_(settings)
    , trace_(trace)
{
}

QString SignIn::noRegistrat()
{
    return SignInTexts::tr("Correo electrónico no registrado.\rPor favor, entre los datos solicitados.");
}

QString SignIn::noVerificat()
{
    return SignInTexts::tr("Correo electrónico no verificado.\rPor favor, siga las instrucciones recibidas en su correo para "
                "realizar la verificación\rY después vuelva a pulsar \"Nuevo Usuario\"");
}

QString SignIn::noInstalador()
{
    return SignInTexts::tr("No puede acceder al programa porque no es instalador");
}

QString SignIn::correuIncorrecte()
{
    return SignInTexts::tr("Correo electrónico incorrecto.\rPor favor, asegúrese de entrar un correo válido.");
}

QString SignIn::contrasenyaInvalida()
{
    return SignInTexts::tr("Contraseña inválida.\rPor favor, introduzca la contraseña correcta.");
}

QString SignIn::massaIntents()
{
    return SignInTexts::tr("Demasiados intentos de cambio fallidos.\rEspere un momento y vuelva a intentarlo.");
}

SignInResult SignIn::mapped(const CloudError &error, bool signingUp) const
{
    if (error.unreachable())
        return {SignInStatus::Offline, error.text};
    const QString &code = error.code;
    // With e-mail enumeration protection the service no longer tells an unknown address from a
    // wrong password. Taken as "not registered" the installer is sent on to "Nuevo usuario", whose
    // sign-up then tells the two apart: an address that exists means the password was wrong.
    if (code == QLatin1String("EMAIL_NOT_FOUND") || code == QLatin1String("INVALID_LOGIN_CREDENTIALS"))
        return {SignInStatus::NotRegistered, noRegistrat()};
    if (code == QLatin1String("INVALID_EMAIL"))
        return {SignInStatus::Refused, correuIncorrecte()};
    if (code == QLatin1String("INVALID_PASSWORD") || (signingUp && code == QLatin1String("EMAIL_EXISTS")))
        return {SignInStatus::Refused, contrasenyaInvalida()};
    if (code == QLatin1String("TOO_MANY_ATTEMPTS_TRY_LATER"))
        return {SignInStatus::Refused, massaIntents()};
    if (!signingUp && code == QLatin1String("USER_DISABLED"))
        return {SignInStatus::Refused, SignInTexts::tr("No se puede acceder ya que este usuario está inhabilitado")};
    return {SignInStatus::Refused, error.text};
}

SignInResult SignIn::checkUser(const IdentityUser &user)
{
    if (user.email.isEmpty())
        return {SignInStatus::NotRegistered, noRegistrat()};
    cloud_.signedIn(user);
    if (user.registered != true)
        return {SignInStatus::NotRegistered, noRegistrat()};
    const IdentityResult looked = cloud_.identity().lookup(user.idToken);
    if (!looked.ok())
        return mapped(looked.error, false);
    if (looked.user.emailVerified != true)
        return {SignInStatus::Unverified, noVerificat()};
    if (!cloud_.CheckAndCreateRealTimeDBClass())
        return {SignInStatus::Refused, SignInTexts::tr("Error de acceso a RealTime DataBase")};
    return {};
}

SignInResult SignIn::LoginFirebase(const QString &email, const QString &password)
{
    CloudState &state = cloud_.state();
    state.ErrorFirebase.clear();
    const IdentityResult signedIn = cloud_.identity().signInWithPassword(email, password);
    const SignInResult result = signedIn.ok() ? checkUser(signedIn.user) : mapped(signedIn.error, false);
    state.ErrorFirebase = result.error;
    return result;
}

NewUserResult SignIn::AltaNouUsuariFirebase(const QString &email, const QString &password)
{
    CloudState &state = cloud_.state();
    const IdentityResult created = cloud_.identity().signUp(email, password);
    if (!created.ok()) {
        const SignInResult result = mapped(created.error, true);
        state.ErrorFirebase = result.error;
        return {result, {}};
    }
    cloud_.signedIn(created.user);
    // Telling the installer to wait for a mail that never went out would leave them stuck.
    if (const CloudError sent = cloud_.identity().sendVerificationEmail(created.user.idToken); sent.failed()) {
        const SignInResult result = mapped(sent, true);
        state.ErrorFirebase = result.error;
        return {result, {}};
    }
    NewUserResult outcome;
    outcome.information = SignInTexts::tr("¡ ATENCION !\rSe ha enviado un mensaje a ") + email
        + SignInTexts::tr(" para su verificación\rSiga las instrucciones que se indican\rY después vuelva a pulsar \"Nuevo Usuario\"");
    // A sign-up answer does not say "registered": the address is verified first.
    if (created.user.registered != true)
        outcome.result = {SignInStatus::Unverified, noVerificat()};
    state.ErrorFirebase = outcome.result.error;
    return outcome;
}

Notice SignIn::ResetPasswordFirebase(const QString &email)
{
    if (email.trimmed().isEmpty())
        return {Notice::Kind::Warning, SignInTexts::tr("¡ ATENCION !\rPara pedir la contraseña debe entrar el Correo electrónico\r")};
    if (cloud_.identity().sendPasswordReset(email).failed())
        return {Notice::Kind::Information,
                SignInTexts::tr("¡ ERROR !\rNo se podido enviar un mensaje a ") + email + SignInTexts::tr(" para restablecer la contraseña")};
    return {Notice::Kind::Information,
            SignInTexts::tr("¡ ATENCION !\rSe ha enviado un mensaje a ") + email + SignInTexts::tr(" para restablecer la contraseña")};
}

QString SignIn::accessError(const CloudError &error) const
{
    return SignInTexts::tr("Error de acceso a la base de datos: ") + error.text;
}

QString SignIn::userPath() const
{
    return QStringLiteral("Users/") + cloud_.state().CodiReg;
}

QString SignIn::BuscaEmpresaUsersRTDB()
{
    CloudState &state = cloud_.state();
    state.EmpresaNom.clear();
    state.EmpresaInstal.clear();
    state.EmpresaRef.clear();
    state.EmpresaClau.clear();
    const NodeRead user = cloud_.readNode(userPath());
    if (!user.ok())
        return state.ErrorFirebase = accessError(user.error);
    const QJsonObject record = user.value.toObject();
    state.EmpresaNom = member(record, "companyKey");
    if (member(record, "role").contains(QLatin1String("usuario")))
        return state.ErrorFirebase = noInstalador();
    if (state.EmpresaNom.isEmpty())
        return {};
    state.EmpresaInstal = member(record, "installer");
    state.EmpresaRef = member(record, "reference");
    state.EmpresaNickname = member(record, "nickname");
    const NodeRead key = cloud_.readNode(CloudAccess::keyPath(state.EmpresaNom, state.EmpresaInstal, state.EmpresaRef));
    if (!key.ok())
        return state.ErrorFirebase = accessError(key.error);
    state.EmpresaClau = plainText(key.value).remove(QLatin1Char('"'));
    return {};
}

CloudError SignIn::ActualitzaUsersRTDB(bool nou, const QString &company, const QString &installer,
                                       const QString &reference, const QString &alias, const QString &email)
{
    const QString stamp = cloud_.now();
    QJsonObject record{{QStringLiteral("companyKey"), company},
                       {QStringLiteral("installer"), installer},
                       {QStringLiteral("reference"), reference},
                       {QStringLiteral("nickname"), alias},
                       {QStringLiteral("LastAccess"), stamp}};
    if (nou) {
        record.insert(QStringLiteral("name"), QString());
        record.insert(QStringLiteral("email"), email);
        record.insert(QStringLiteral("role"), QStringLiteral("instalador"));
        record.insert(QStringLiteral("address"), QString());
        record.insert(QStringLiteral("phone"), QString());
        record.insert(QStringLiteral("CreatedDate"), stamp);
    }
    const CloudError error = cloud_.patchNode(userPath(), record);
    if (error.failed()) {
        trace_.Escriure_REPortserie(QStringLiteral("Patch de ") + userPath() + QStringLiteral(" failed: ") + error.text);
        cloud_.state().ErrorFirebase = accessError(error);
    } else {
        trace_.Escriure_REPortserie(QStringLiteral("Patch : ") + userPath() + QStringLiteral("   Data") + redacted(record));
    }
    return error;
}

QString SignIn::LoginEmpresaRTDB(const QString &company, const QString &installer, const QString &reference,
                                 const QString &key, const QString &email, const QString &password,
                                 const QString &alias, bool registering)
{
    CloudState &state = cloud_.state();
    state.ErrorFirebase.clear();
    if (registering) {
        const NodeRead user = cloud_.readNode(userPath());
        if (!user.ok())
            return shownError(state.ErrorFirebase = accessError(user.error));
        const QJsonObject record = user.value.toObject();
        if (member(record, "role").contains(QLatin1String("usuario")))
            return shownError(state.ErrorFirebase = noInstalador());
        if (record.isEmpty()) {
            if (ActualitzaUsersRTDB(true, company, installer, reference, alias, email).failed())
                return shownError(state.ErrorFirebase);
        } else if (member(record, "companyKey") != company || member(record, "installer") != installer
                   || member(record, "reference") != reference) {
            return shownError(state.ErrorFirebase = SignInTexts::tr(
                                  "La empresa, el instalador o la referencia no coinciden con los de este usuario.\rPor "
                                  "favor, introduzca los datos correctos o registre un nuevo usuario"));
        }
    }
    const QString created = !reference.isEmpty() ? QStringLiteral("/CreatedDateReference")
                          : !installer.isEmpty() ? QStringLiteral("/CreatedDateInstaller")
                                                 : QStringLiteral("/CreatedDateCom");
    const NodeRead date = cloud_.readNode(CloudAccess::levelPath(company, installer, reference) + created);
    if (!date.ok())
        return shownError(state.ErrorFirebase = accessError(date.error));
    if (!cloud_.writeCompanyKey(company, installer, key, reference, date.value.isNull(), false, true))
        return shownError(state.ErrorFirebase);
    storeCredentials(email, password);
    return {};
}

void SignIn::storeCredentials(const QString &email, const QString &password)
{
    if (!settings_)
        return;
    settings_->values().password = password;
    settings_->values().email = email;
    settings_->values().idUsuari = cloud_.state().CodiReg;
    settings_->GuardarConfigInicial();
}

} // namespace quelta
