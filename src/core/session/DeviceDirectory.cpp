#include "core/session/DeviceDirectory.h"

#include "core/base/InternetCheck.h"
#include "core/base/Prompter.h"
#include "core/cloud/CloudAccess.h"
#include "core/session/DeviceSession.h"
#include "core/session/ProgramContext.h"

#include <cmath>

namespace quelta {
namespace {

const QString kLookUpFailed = QStringLiteral("ERROR!!");

DialogRequest errorRequest(const QString &caption, const QString &message, const QString &button, int autoClose = 0)
{
    return {caption, message, DialogType::Error, {DialogResult::Ok}, {button}, autoClose};
}

// A company given as a number lists at once, without a key.
bool isNumber(const QString &text, QChar decimalSeparator)
{
    bool number = false;
    const double value = QString(text).replace(decimalSeparator, QLatin1Char('.')).toDouble(&number);
    return number && std::isfinite(value);
}

} // namespace

DeviceDirectory::DeviceDirectory(ProgramContext &context, DeviceSession &device, CloudAccess &cloud, QObject *parent)
    : QObject(parent), context_(context), device_(device), cloud_(cloud)
{
}

// Nothing while a firmware update runs; without internet or with a remote session open, only a
// notice.
bool DeviceDirectory::refusedForNow()
{
    if (device_.link().updateRunning())
        return true;
    if (!context_.internet().isOnline()) {
        emit offline();
        context_.prompter().ElMeuMessageDlg(dialog::warning(tr("No hay conexión a internet"), 5));
        return true;
    }
    if (!device_.link().isLocal()) {
        context_.prompter().ElMeuMessageDlg(
            {dialog::atencio(),
             tr("Está conectado remotamente a un equipo\r\nSi desea acceder a otros equipos, primero debe cerrar esta conexión"),
             DialogType::Confirmation, {DialogResult::Ok}, {dialog::aceptar()}, 8});
        return true;
    }
    return false;
}

void DeviceDirectory::MIBuscarClick()
{
    if (refusedForNow())
        return;
    device_.releasePort();
    const CloudState &state = cloud_.state();
    const DirectorySearch own{state.EmpresaNom, state.EmpresaInstal, state.EmpresaRef};
    emit searchFilled(own);
    listOrOpenKeyPanel(own, true, true);
}

void DeviceDirectory::BBLlistatBuscaClick(const DirectorySearch &typed)
{
    if (!typed.reference.trimmed().isEmpty() && typed.installer.trimmed().isEmpty()) {
        emit installerFocusRequested();
        context_.prompter().ElMeuMessageDlg(errorRequest(
            dialog::error(),
            tr("\r\nNo puede haber una referencia sin instalador\r\nPor favor, entre un instalador o borre la referencia\r\n"),
            dialog::cerrar()));
        return;
    }
    if (isNumber(typed.company, context_.format().decimalSeparator)) {
        LlistatCircuits(typed);
        return;
    }
    if (typed.company != cloud_.state().EmpresaNom) {
        showKeyPanel();
        return;
    }
    listOrOpenKeyPanel(typed, isSignedInUsersLevel(typed), false);
}

// A level without a key may be created; the signed-in user's own level lists with the key they
// hold; any other key is asked for in the key panel.
void DeviceDirectory::listOrOpenKeyPanel(const DirectorySearch &search, bool ownLevel, bool warnOfWrongKey)
{
    const QString key = BuscaClauRTDB(search);
    if (key.isEmpty()) {
        if (askToCreate())
            showKeyPanel();
    } else if (!ownLevel) {
        showKeyPanel();
    } else if (key == cloud_.state().EmpresaClau) {
        LlistatCircuits(search);
    } else if (key != kLookUpFailed) {
        if (warnOfWrongKey)
            context_.prompter().ElMeuMessageDlg(
                dialog::warning(tr("\r\nLa clave es incorrecta.\r\nPor favor, entre la clave\r\n")));
        showKeyPanel();
    }
}

bool DeviceDirectory::isSignedInUsersLevel(const DirectorySearch &search) const
{
    const CloudState &state = cloud_.state();
    return search.company == state.EmpresaNom && search.installer == state.EmpresaInstal
        && search.reference == state.EmpresaRef;
}

void DeviceDirectory::BBAcceptarPasswordClick(const DirectorySearch &typed, const QString &key)
{
    if (key.size() < 6) {
        emit keyFocusRequested();
        context_.prompter().ElMeuMessageDlg(errorRequest(
            dialog::atencio(), tr("\r\nClave demasiado corta. Mínimo 6 caracteres\r\n"), dialog::cerrar()));
        return;
    }
    const QString stored = BuscaClauRTDB(typed);
    if (stored == kLookUpFailed) {
        emit keyPanelHidden();
        context_.prompter().ElMeuMessageDlg(errorRequest(
            dialog::error(), tr("Error de conexión con el servidor: \rNo se pudo acceder a la base de datos\rCompruebe la conexión a internet"),
            dialog::cerrar()));
        return;
    }
    if (stored.isEmpty()) {
        cloud_.ActualitzaCompaniesRTDB(typed.company, typed.installer, key, typed.reference, true);
    } else if (stored != key) {
        emit keyFocusRequested();
        context_.prompter().ElMeuMessageDlg(errorRequest(
            dialog::error(), tr("\r\nLa clave entrada no coincide con la registrada\r\nPor favor, introduzca la clave correcta"),
            dialog::cerrar()));
        return;
    } else if (isSignedInUsersLevel(typed)) {
        cloud_.state().EmpresaClau = stored;
    }
    emit keyPanelHidden();
    LlistatCircuits(typed);
}

QString DeviceDirectory::BuscaClauRTDB(const DirectorySearch &search)
{
    if (cloud_.state().token.isEmpty())
        cloud_.ConnexioFireBase();
    if (cloud_.state().token.isEmpty())
        return kLookUpFailed;
    if (search.company.isEmpty()) {
        failLookUp(errorRequest(dialog::error(), tr("El campo Empresa no puede estar vacío") + QStringLiteral("\r\n"),
                                dialog::cerrar()),
                   true);
        return kLookUpFailed;
    }
    const StoredKey stored = cloud_.storedKey(search.company, search.installer, search.reference);
    if (stored.ok())
        return stored.key;
    failLookUp(errorRequest(dialog::error(), stored.error + QStringLiteral("\r") + tr("Compruebe la conexión a internet"),
                            dialog::aceptar(), 8),
               false);
    return kLookUpFailed;
}

void DeviceDirectory::failLookUp(const DialogRequest &request, bool focusCompany)
{
    emit keyPanelHidden();
    context_.prompter().ElMeuMessageDlg(request);
    if (focusCompany)
        emit companyFocusRequested();
}

bool DeviceDirectory::askToCreate()
{
    const DialogResult answer = context_.prompter().ElMeuMessageDlg(
        {dialog::confirmacio(),
         tr("\r\nLos datos empresa/instalador/referencia no existen en la base de datos.\r\n¿Desea darlos de alta?\r\n"),
         DialogType::Confirmation, {DialogResult::Yes, DialogResult::No}, {dialog::si(), dialog::no()}, 0});
    return answer == DialogResult::Yes;
}

void DeviceDirectory::showKeyPanel()
{
    emit keyPanelShown();
    emit keyFocusRequested();
}

void DeviceDirectory::LlistatCircuits(const DirectorySearch &search)
{
    listed_ = search;
    entries_.clear();
    context_.views().setPanelmostrat(View::LlistaCircuits);
    context_.views().setResultText(QString());
    emit busyChanged(true);
    const DeviceListing listing = cloud_.readDevices();
    emit busyChanged(false);
    listingError_ = listing.error;
    if (const QString skipped = listing.skippedMessage(); !skipped.isEmpty())
        context_.prompter().ElMeuMessageDlg(dialog::warning(skipped));
    entries_ = directoryEntries(listing.devices, search);
    emit listed(entries_);
    // A list that could not be read is not an empty one.
    if (!listingError_.isEmpty())
        context_.prompter().ElMeuMessageDlg(errorRequest(
            dialog::error(), listingError_ + QStringLiteral("\r") + tr("Compruebe la conexión a internet"), dialog::aceptar(), 8));
    else if (entries_.isEmpty())
        context_.prompter().ElMeuMessageDlg(
            dialog::warning(tr("\r\nNo se ha encontrado ningún equipo para esta empresa/instalador/referencia\r\n")));
}

void DeviceDirectory::SGLListatCircuitsDblClick(int row, int column)
{
    if (device_.link().circuit) {
        context_.prompter().ElMeuMessageDlg(dialog::warning(
            tr("Hay un equipo conectado al puerto USB.\r\nDesconecte el puerto USB antes de conectar por internet")));
        return;
    }
    if (row < 1 || row > entries_.size())
        return;
    const DirectoryEntry entry = entries_.at(row - 1);
    if (column == 0 && entry.deletable())
        deleteDevice(entry);
    else if (column == 4 || column == 5)
        reachDevice(entry, column == 4);
}

void DeviceDirectory::reachDevice(const DirectoryEntry &entry, bool ethernet)
{
    const bool clicked = ethernet ? entry.ethernetConnected() : entry.gprsConnected();
    const bool other = ethernet ? entry.gprsConnected() : entry.ethernetConnected();
    if (!clicked && other) {
        context_.prompter().ElMeuMessageDlg(dialog::information(
            dialog::atencio(),
            ethernet ? tr("Este equipo no está conectado por ADSL pero sí por GPRS\r\nSi quiere acceder al equipo haga doble click en la casilla de GPRS")
                     : tr("Este equipo no está conectado por GPRS pero sí por ADSL\r\nSi quiere acceder al equipo haga doble click en la casilla de ADSL")));
        return;
    }
    if (!clicked) {
        device_.link().identConnectar = entry.identifier;
        emit snapshotRequested(entry.identifier);
        return;
    }
    device_.link().connexADSL = ethernet;
    device_.connectRemote(entry.identifier);
}

void DeviceDirectory::deleteDevice(const DirectoryEntry &entry)
{
    const DialogResult answer = context_.prompter().ElMeuMessageDlg(
        {dialog::atencio(), tr("¿Está seguro que quiere eliminar el equipo ") + entry.reference + tr(" ?"),
         DialogType::Warning, {DialogResult::Ok, DialogResult::Cancel}, {tr("Borrar"), tr(" Cancelar ")}, 0});
    if (answer != DialogResult::Ok)
        return;
    cloud_.EsborrarEquip(entry.identifier);
    MIBuscarClick();
}

} // namespace quelta
