#include "core/session/AboutBox.h"

#include "core/base/Prompter.h"
#include "core/session/ProgramContext.h"

namespace quelta {
namespace {

const QString kLookUpFailed = QStringLiteral("ERROR!!");

DialogRequest errorRequest(const QString &message)
{
    return {dialog::error(), message, DialogType::Error, {DialogResult::Ok}, {}, 0};
}

} // namespace

AboutBox::AboutBox(ProgramContext &context, Registration &registration, QObject *parent)
    : QObject(parent), context_(context), registration_(registration)
{
}

RegistrationForm AboutBox::shownAccount() const
{
    const CloudState &state = context_.cloud().state();
    return {state.EmpresaNom, state.EmpresaInstal, state.EmpresaRef, {}, state.EmpresaNickname, state.EmpresaEmail, {}};
}

bool AboutBox::editable() const
{
    return !context_.cloud().state().token.isEmpty();
}

bool AboutBox::offersRegistration() const
{
    return context_.cloud().state().CodiReg.isEmpty();
}

void AboutBox::BBGuardarCanvisClick()
{
    emit keyPanelShown();
    emit focusRequested(RegistrationField::Key);
}

bool AboutBox::refused(RegistrationField field, const QString &message)
{
    emit focusRequested(field);
    context_.prompter().ElMeuMessageDlg(errorRequest(message));
    return true;
}

// The key stored for the typed level: empty when the level does not exist, "ERROR!!" when it
// could not be read.
QString AboutBox::BuscaClauRTDB(const RegistrationForm &form)
{
    const StoredKey stored = context_.cloud().storedKey(form.company, form.installer, form.reference);
    if (stored.status == StoredKey::Status::Failed)
        context_.prompter().ElMeuMessageDlg({dialog::error(), stored.error + QLatin1Char('\r') + tr("Compruebe la conexión a internet"),
                                             DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}, 8});
    return stored.ok() ? stored.key : kLookUpFailed;
}

void AboutBox::BBAcceptarClick(const RegistrationForm &form)
{
    if (form.company.isEmpty() && refused(RegistrationField::Company, tr("El campo Empresa no puede estar vacío")))
        return;
    if (form.key.isEmpty() && refused(RegistrationField::Key, tr("El campo Clave no puede estar vacío")))
        return;
    if (form.key.size() < 6 && refused(RegistrationField::Key, tr("Clave demasiado corta. Mínimo 6 caracteres")))
        return;
    const QString stored = BuscaClauRTDB(form);
    if (stored.isEmpty()) {
        emit keyPanelHidden();
        refused(RegistrationField::Company, tr("No existe esta empresa/instalador/referencia\rNo se pueden guardar los cambios"));
        return;
    }
    if (stored != form.key) {
        refused(RegistrationField::Key, tr("Clave errónea\rPor favor, entre la clave correcta"));
        return;
    }
    save(form);
}

void AboutBox::save(const RegistrationForm &form)
{
    CloudState &state = context_.cloud().state();
    if (registration_.signIn()
            .ActualitzaUsersRTDB(false, form.company, form.installer, form.reference, form.alias, state.EmpresaEmail)
            .failed()) {
        emit keyPanelHidden();
        refused(RegistrationField::Company, state.ErrorFirebase);
        return;
    }
    state.EmpresaNickname = form.alias;
    state.EmpresaNom = form.company;
    state.EmpresaInstal = form.installer;
    state.EmpresaRef = form.reference;
    state.EmpresaClau = form.key;
    emit keyPanelHidden();
    emit accountChanged();
    context_.prompter().ElMeuMessageDlg(
        dialog::information(dialog::atencio(), tr("Los cambios realizados se han guardado correctamente")));
    emit saved();
}

} // namespace quelta
