#include "core/session/Registration.h"

#include "core/base/Prompter.h"
#include "core/session/ProgramContext.h"

namespace quelta {
namespace {

const int kMinimumLength = 6;

// The busy cursor for as long as a cloud step runs.
class Busy
{
public:
    explicit Busy(Registration &registration) : registration_(registration) { emit registration_.busyChanged(true); }
    ~Busy() { emit registration_.busyChanged(false); }
    Busy(const Busy &) = delete;
    Busy &operator=(const Busy &) = delete;

private:
    Registration &registration_;
};

QString sessioTancada()
{
    return Registration::tr("Sesión cerrada");
}

QString shownError(const QString &error)
{
    return Registration::tr("¡ ERROR !\r") + error + QLatin1Char('\r');
}

} // namespace

Registration::Registration(ProgramContext &context, QObject *parent)
    : QObject(parent)
    , context_(context)
    , signIn_(context.cloud(), &context.settings(), context.trace())
{
}

bool Registration::Execute(const WindowRunner &showWindow)
{
    CloudState &state = context_.cloud().state();
    if (state.CodiReg.isEmpty())
        return showWindow({});
    QString error = sessioTancada();
    if (!state.EmpresaEmail.isEmpty() && !state.EmpresaPassword.isEmpty()) {
        const Busy busy(*this);
        const SignInResult result = signIn_.LoginFirebase(state.EmpresaEmail, state.EmpresaPassword);
        // The service cannot be reached: the program goes on off line, as the window's own
        // connection error lets it.
        if (result.status == SignInStatus::Offline)
            return true;
        error = result.ok() ? signIn_.BuscaEmpresaUsersRTDB() : result.error;
    }
    if (error.isEmpty() && !state.EmpresaNom.isEmpty())
        return true;

    Prompter &prompter = context_.prompter();
    RegistrationStart start;
    if (error == SignIn::noVerificat()) {
        prompter.ElMeuMessageDlg({dialog::error(), error, DialogType::Error, {DialogResult::Close}, {dialog::cerrar()}, 0});
        return false;
    }
    if (error.isEmpty()) {
        prompter.ElMeuMessageDlg({dialog::confirmacio(), tr("Empresa no dada de alta\rPor favor, introduzca los datos que faltan"),
                                  DialogType::Confirmation, {DialogResult::Ok}, {}, 0});
        start = {false, state.EmpresaEmail, state.EmpresaPassword};
    } else if (error != sessioTancada()) {
        static const QStringList signInPanelErrors{SignIn::noInstalador(), SignIn::correuIncorrecte(),
                                                   SignIn::contrasenyaInvalida(), SignIn::massaIntents()};
        start.signInPanel = signInPanelErrors.contains(error);
        prompter.ElMeuMessageDlg({dialog::confirmacio(), error, DialogType::Confirmation, {DialogResult::Ok}, {}, 0});
    }
    state.ErrorFirebase.clear();
    return showWindow(start);
}

void Registration::FormActivate(const QString &email)
{
    emit companyDataCleared();
    focusFirstEmpty(email);
}

void Registration::focusFirstEmpty(const QString &email)
{
    emit focusRequested(email.isEmpty() ? RegistrationField::Email : RegistrationField::Company);
}

bool Registration::refusedField(RegistrationField field, const QString &message)
{
    emit focusRequested(field);
    context_.prompter().ElMeuMessageDlg({dialog::error(), message, DialogType::Error, {DialogResult::Ok}, {}, 0});
    return true;
}

bool Registration::refusedCredentials(const RegistrationForm &form)
{
    if (form.email.trimmed().isEmpty())
        return refusedField(RegistrationField::Email, tr("El campo Correo electrónico no puede estar vacío"));
    if (form.password.isEmpty())
        return refusedField(RegistrationField::Password, tr("El campo Contraseña no puede estar vacío"));
    if (form.password.size() < kMinimumLength)
        return refusedField(RegistrationField::Password, tr("Contraseña demasiado corta. Mínimo 6 caracteres"));
    return false;
}

bool Registration::refusedForm(const RegistrationForm &form)
{
    if (form.company.isEmpty())
        return refusedField(RegistrationField::Company, tr("El campo Empresa no puede estar vacío"));
    if (refusedCredentials(form))
        return true;
    if (form.key.isEmpty())
        return refusedField(RegistrationField::Key, tr("El campo Clave no puede estar vacío"));
    if (form.key.size() < kMinimumLength)
        return refusedField(RegistrationField::Key, tr("Clave demasiado corta. Mínimo 6 caracteres"));
    if (!form.reference.isEmpty() && form.installer.isEmpty())
        return refusedField(RegistrationField::Installer,
                            tr("No puede haber una referencia sin instalador\rPor favor, entre un instalador o borre la referencia"));
    return false;
}

void Registration::showError(const QString &text)
{
    context_.prompter().ElMeuMessageDlg({dialog::error(), text, DialogType::Error, {DialogResult::Ok}, {}, 0});
}

// The cloud cannot be reached: the window closes with OK and the program goes on off line.
void Registration::connectionLost()
{
    showError(tr("¡ ERROR !\rError de conexión con el servidor: \rCompruebe la conexión a internet"));
    emit accepted();
}

void Registration::BIniciaSessioClick(const RegistrationForm &form)
{
    if (refusedCredentials(form))
        return;
    const Busy busy(*this);
    const SignInResult result = signIn_.LoginFirebase(form.email.trimmed(), form.password);
    if (result.status == SignInStatus::Offline)
        return connectionLost();
    if (result.status == SignInStatus::NotRegistered) {
        context_.prompter().ElMeuMessageDlg(
            dialog::warning(tr("¡ ATENCION !\rUsuario no registrado\r Si desea registrarlo pulse en \"Nuevo usuario\"")));
        return;
    }
    if (!result.ok())
        return showError(shownError(result.error));

    CloudState &state = context_.cloud().state();
    state.EmpresaEmail = form.email.trimmed();
    state.EmpresaPassword = form.password;
    if (const QString error = signIn_.BuscaEmpresaUsersRTDB(); !error.isEmpty())
        return showError(error);
    if (state.EmpresaNom.isEmpty()) {
        state.ErrorFirebase = tr("Faltan datos\rPulse \"Nuevo usuario\" para completar el registro");
        return showError(state.ErrorFirebase);
    }
    const QString error = signIn_.LoginEmpresaRTDB(state.EmpresaNom, state.EmpresaInstal, state.EmpresaRef, state.EmpresaClau,
                                                   state.EmpresaEmail, state.EmpresaPassword, state.EmpresaNickname, false);
    if (!error.isEmpty())
        return showError(error);
    emit accepted();
}

void Registration::BNouUsuariClick(const QString &email)
{
    emit companyDataCleared();
    focusFirstEmpty(email);
    emit signInPanelHidden();
}

void Registration::LNovaContrasenyaClick(const QString &email)
{
    const Notice notice = [&] {
        const Busy busy(*this);
        return signIn_.ResetPasswordFirebase(email.trimmed());
    }();
    context_.prompter().ElMeuMessageDlg(notice.kind == Notice::Kind::Warning
                                            ? dialog::warning(notice.text)
                                            : dialog::information(dialog::atencio(), notice.text));
}

void Registration::BRegistreClick(const RegistrationForm &form)
{
    if (refusedForm(form))
        return;
    const Busy busy(*this);
    const QString email = form.email.trimmed();
    SignInResult result = signIn_.LoginFirebase(email, form.password);
    if (result.status == SignInStatus::Offline)
        return connectionLost();
    if (result.status == SignInStatus::NotRegistered) {
        const NewUserResult created = signIn_.AltaNouUsuariFirebase(email, form.password);
        // After the verification mail the installer verifies, then presses "Nuevo usuario" again.
        if (!created.information.isEmpty())
            context_.prompter().ElMeuMessageDlg(dialog::information(dialog::atencio(), created.information));
        else if (!created.result.ok())
            showError(shownError(created.result.error));
        result = created.result;
    } else if (!result.ok()) {
        showError(shownError(result.error));
    }
    if (!result.ok() || refusedKey(form))
        return;
    const QString error = signIn_.LoginEmpresaRTDB(form.company, form.installer, form.reference, form.key, email,
                                                   form.password, form.alias, true);
    if (!error.isEmpty())
        return showError(error);
    takeForm(form);
    emit accepted();
}

// A level that has a key is joined only with that key; a level without one takes the typed key.
bool Registration::refusedKey(const RegistrationForm &form)
{
    const StoredKey stored = context_.cloud().storedKey(form.company, form.installer, form.reference);
    if (!stored.ok()) {
        showError(shownError(stored.error));
        return true;
    }
    if (stored.key.isEmpty() || stored.key == form.key)
        return false;
    emit focusRequested(RegistrationField::Key);
    showError(tr("¡ ERROR !\rEl campo Clave no coincide con el de la base de datos\rPor favor, introduzca la clave correcta"));
    return true;
}

void Registration::takeForm(const RegistrationForm &form)
{
    CloudState &state = context_.cloud().state();
    state.EmpresaNom = form.company;
    state.EmpresaInstal = form.installer;
    state.EmpresaRef = form.reference;
    state.EmpresaClau = form.key;
    state.EmpresaEmail = form.email.trimmed();
    state.EmpresaPassword = form.password;
    state.EmpresaNickname = form.alias;
}

} // namespace quelta
