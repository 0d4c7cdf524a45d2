#include "core/session/ContactLists.h"

#include "core/base/Prompter.h"
#include "core/cloud/CloudAccess.h"
#include "core/cloud/ContactRecords.h"
#include "core/codecs/TextFile.h"
#include "core/link/LinkState.h"
#include "core/model/ListFiles.h"
#include "core/panels/GridFiles.h"
#include "core/session/ProgramContext.h"
#include "core/session/Programming.h"
#include "core/status/DoorsScreen.h"

#include <QFileInfo>

namespace quelta {
namespace {

constexpr int kErrorSeconds = 8;
const QString kOne = QStringLiteral("1");

DialogRequest timedError(const QString &message)
{
    return {dialog::error(), message, DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}, kErrorSeconds};
}

QString databaseError(const CloudError &error)
{
    return ContactLists::tr("Error de acceso a la base de datos: ") + error.text;
}

} // namespace

ContactLists::ContactLists(ProgramContext &context, LinkState &link, Programming &programming, DoorsScreen &doors,
                           QObject *parent)
    : QObject(parent)
    , context_(context)
    , link_(link)
    , programming_(programming)
    , doors_(doors)
{
    connect(&context_.views(), &ViewState::resultTextChanged, this, &ContactLists::operatorMarkingChanged);
    connect(&programming_, &Programming::markingChanged, this, &ContactLists::operatorMarkingChanged);
}

QString ContactLists::operatorsImportTitle() { return tr("Importar el listado de operadoras"); }
QString ContactLists::operatorsExportTitle() { return tr("Exportar el listado de operadoras"); }
QString ContactLists::operatorsFilter() { return tr("Listado de operadoras|*.txt"); }
QString ContactLists::phonesImportTitle() { return tr("Importar el listado de teléfonos"); }
QString ContactLists::phonesExportTitle() { return tr("Exportar el listado de teléfonos"); }
QString ContactLists::phonesFilter() { return tr("Listado de teléfonos|*.txt"); }

// --- the operator list ---------------------------------------------------------------------------

GridModel *ContactLists::operators() const
{
    return programming_.model().grid(u"SGOperadores");
}

void ContactLists::BBEsborraOperadoresClick()
{
    GridModel *grid = operators();
    // A second run would take the link from the one under way.
    if (!grid || !link_.circuittrobat || context_.activity().running())
        return;
    const QString question = tr("Se borrarán todas las operadoras del circuito\r\n¿Está seguro?");
    if (context_.prompter().ElMeuMessageDlg(dialog::confirmation(question)) != DialogResult::Yes)
        return;
    for (int row = 1; row <= std::min(kOperatorRows, grid->rows()); ++row) {
        for (int column = 0; column < grid->columns(); ++column)
            grid->setText(row, column, QString());
    }
    // The rows the device holds an operator in now differ from their shadow: they go out empty.
    programming_.writeEngine().writeGridRange(kOperatorsFirst, kOperatorsLast, tr("Borrando el listado de operadoras"));
}

bool ContactLists::importOperators(const QString &path)
{
    GridModel *grid = operators();
    const std::optional<QStringList> lines = listfiles::readLines(path);
    if (!grid || !lines)
        return false;
    const std::optional<QList<QStringList>> records = listfiles::records(*lines, listfiles::kOperatorFields);
    if (!records) {
        gridfiles::showBadFile(context_.prompter(), path);
        return false;
    }
    grid->setTitles({tr("   Operadora: "), tr("  APN"), tr("Usuario"), tr("Password")});
    // The shadow stays: what differs from the device is written by the next "Programar".
    const int rows = std::min<int>(int(records->size()), grid->rows());
    for (int row = 1; row <= rows; ++row) {
        for (int column = 0; column < listfiles::kOperatorFields && column < grid->columns(); ++column)
            grid->setText(row, column, records->at(row - 1).at(column));
    }
    return true;
}

bool ContactLists::exportOperators(const QString &path)
{
    const GridModel *grid = operators();
    if (!grid)
        return false;
    QList<QStringList> rows;
    for (int row = 0; row <= grid->rows(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columns(); ++column)
            cells << grid->text(row, column);
        rows << cells;
    }
    return exportRows(operatorsExportTitle(), path, rows);
}

bool ContactLists::exportRows(const QString &title, const QString &path, const QList<QStringList> &rows)
{
    if (!gridfiles::mayWrite(context_.prompter(), path))
        return false;
    // Fields are separated by "," without quoting: a cell holding one would shift its row's fields
    // and the file could not be imported again.
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (const QString &cell : rows.at(row)) {
            if (cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'))) {
                context_.prompter().ElMeuMessageDlg(timedError(
                    title + QFileInfo(path).fileName() + QLatin1Char('\r')
                    + tr("La fila %1 tiene una coma o un salto de línea, que el fichero no puede guardar").arg(row)));
                return false;
            }
        }
    }
    if (const QString error = textfile::writeLines(path, listfiles::lines(rows)); !error.isEmpty()) {
        context_.prompter().ElMeuMessageDlg(timedError(title + QFileInfo(path).fileName() + QLatin1Char('\r') + error));
        return false;
    }
    return true;
}

// --- the phone list ------------------------------------------------------------------------------

QString ContactLists::devicePath() const
{
    return QStringLiteral("Equipments/") + link_.identConnectar;
}

void ContactLists::Esborra_Portes(int option)
{
    if (option == Both || option == Phones)
        phones_.clear();
    if (option == Both || option == Users)
        users_.clear();
}

void ContactLists::hideArrow()
{
    arrowTable_ = nullptr;
    arrowColumn_ = -1;
    emit arrowChanged();
}

void ContactLists::BBLlegirTelClick()
{
    Esborra_Portes(Phones);
    Llegir_Telefons();
}

void ContactLists::Llegir_Telefons()
{
    CloudAccess &cloud = context_.cloud();
    // Without a device there is no record to read (and an empty identifier would address another node).
    if (!contacts::isStorableKey(link_.identConnectar))
        return;
    cloud.state().ErrorFirebase.clear();
    context_.trace().Escriure_REPortserie(QStringLiteral("Abans de buscar els equips"));
    const QString listed = cloud.GetSynchRTDB(devicePath() + QStringLiteral("/MobileNumbers"));
    context_.trace().Escriure_REPortserie(QStringLiteral("Després de buscar els equips"));
    int row = 1;
    bool skipped = false;
    for (const auto &[number, value] : contacts::flattenedChildren(listed)) {
        if (row > ContactTable::kRows)
            break;
        const std::optional<contacts::PhoneRecord> phone = contacts::phoneRecord(number, value);
        if (!phone) {
            skipped = true;
            continue;
        }
        phones_.storeRow(row++, {QString(), phone->number, phone->name, phone->enabled ? kOne : QStringLiteral("0"),
                                 phone->button});
    }
    if (skipped)
        emit beep();
    if (!cloud.state().ErrorFirebase.isEmpty())
        context_.prompter().ElMeuMessageDlg(timedError(tr("Sin conexión a internet no se puede leer el listado de teléfonos")));
    hideArrow();
}

bool ContactLists::ActualitzaTelefons(const QString &number, const QString &name, const QString &button,
                                      const QString &enabled)
{
    CloudState &state = context_.cloud().state();
    if (!contacts::isStorableKey(number)) {
        state.ErrorFirebase += tr("Número no válido: ") + number;
        return false;
    }
    const CloudError error = context_.cloud().patchNode(devicePath() + QStringLiteral("/MobileNumbers/") + number,
                                                        contacts::phoneMembers(name, enabled == kOne, button));
    if (error.failed())
        state.ErrorFirebase += databaseError(error);
    return !error.failed();
}

void ContactLists::EsborraTelefons(const QString &number)
{
    // An empty number would address the whole list.
    if (!contacts::isStorableKey(number))
        return;
    CloudAccess &cloud = context_.cloud();
    cloud.database().remove(CloudAccess::GetRTDBPath(devicePath() + QStringLiteral("/MobileNumbers/") + number));
}

void ContactLists::BBGuardarTelClick()
{
    if (!contacts::isStorableKey(link_.identConnectar))
        return;
    for (int row = 1; row < phones_.listEnd(); ++row) {
        if (phones_.rowChanged(row, 1, 4))
            ActualitzaTelefons(phones_.text(row, 1), phones_.text(row, 2), phones_.text(row, 4), phones_.text(row, 3));
    }
    BBLlegirTelClick();
}

void ContactLists::BBEliminarTelClick()
{
    if (!contacts::isStorableKey(link_.identConnectar))
        return;
    for (int row = 1; row < phones_.listEnd(); ++row) {
        if (phones_.text(row, ContactTable::kMarkColumn) == kOne)
            EsborraTelefons(phones_.text(row, 1));
    }
    BBLlegirTelClick();
}

bool ContactLists::importPhones(const QString &path)
{
    const std::optional<QStringList> lines = listfiles::readLines(path);
    if (!lines)
        return false;
    const std::optional<QList<QStringList>> records = listfiles::records(*lines, listfiles::kPhoneFields);
    if (!records) {
        gridfiles::showBadFile(context_.prompter(), path);
        return false;
    }
    const QStringList titles = ContactTable::titles(ContactTable::Kind::Phones);
    for (int column = 0; column < titles.size(); ++column)
        phones_.setText(0, column, titles.at(column));
    // The shadow stays: the rows that differ from the cloud are sent by "Guardar".
    const int rows = std::min<int>(int(records->size()), phones_.rows());
    for (int row = 1; row <= rows; ++row) {
        for (int column = 0; column < listfiles::kPhoneFields; ++column)
            phones_.setText(row, column, records->at(row - 1).at(column));
    }
    return true;
}

bool ContactLists::exportPhones(const QString &path)
{
    QList<QStringList> rows;
    for (int row = 0; row < phones_.listEnd(); ++row) {
        QStringList cells;
        for (int column = 0; column < phones_.columns(); ++column)
            cells << phones_.text(row, column);
        rows << cells;
    }
    return exportRows(phonesExportTitle(), path, rows);
}

void ContactLists::chooseButton(int row, const QString &item)
{
    if (row >= 1 && row <= phones_.rows())
        phones_.setText(row, ContactTable::kButtonColumn, item);
}

// --- the user list -------------------------------------------------------------------------------

void ContactLists::BBLlegirUsuarisClick()
{
    Esborra_Portes(Users);
    LLegir_Usuaris();
}

void ContactLists::LLegir_Usuaris()
{
    CloudAccess &cloud = context_.cloud();
    if (!contacts::isStorableKey(link_.identConnectar))
        return;
    cloud.state().ErrorFirebase.clear();
    const QString listed = cloud.GetSynchRTDB(devicePath() + QStringLiteral("/Users"));
    int row = 1;
    for (const auto &[uid, value] : contacts::flattenedChildren(listed)) {
        Q_UNUSED(value)
        if (row > ContactTable::kRows)
            break;
        if (!contacts::isStorableKey(uid))
            continue;
        const NodeRead record = cloud.readNode(QStringLiteral("Users/") + uid);
        if (!record.ok()) {
            // The rows read so far stay.
            cloud.state().ErrorFirebase = databaseError(record.error);
            break;
        }
        const std::optional<contacts::UserRecord> user = contacts::userRecord(uid, record.value, link_.identConnectar);
        if (!user)
            continue;
        users_.storeRow(row++, {QString(), user->email, user->nickname, user->enabled ? kOne : QStringLiteral("0"),
                                user->buttons, user->uid});
    }
    if (!cloud.state().ErrorFirebase.isEmpty())
        context_.prompter().ElMeuMessageDlg(timedError(tr("Sin conexión a internet no se puede leer el listado de usuarios")));
    hideArrow();
}

bool ContactLists::ActualitzaUsuaris(const QString &uid, const QString &enabled, const QString &email,
                                     const QString &buttons)
{
    CloudAccess &cloud = context_.cloud();
    CloudState &state = cloud.state();
    QString user = uid;
    if (user.isEmpty()) {
        // A row typed by the installer: the user is found by the whole e-mail.
        const NodeRead all = cloud.readNode(QStringLiteral("Users"));
        if (!all.ok()) {
            state.ErrorFirebase += databaseError(all.error);
            return false;
        }
        const std::optional<QString> found = contacts::userWithEmail(all.value, email);
        if (!found) {
            context_.prompter().ElMeuMessageDlg(
                {dialog::error(), tr("Este email no existe"), DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}});
            return false;
        }
        user = *found;
    }
    if (!contacts::isStorableKey(user))
        return false;
    const bool on = enabled == kOne;
    bool written = true;
    const CloudError module = cloud.patchNode(QStringLiteral("Users/") + user + QStringLiteral("/Modulos/") + link_.identConnectar,
                                              contacts::moduleMembers(buttons, on));
    if (module.failed()) {
        state.ErrorFirebase += databaseError(module);
        written = false;
    }
    const CloudError member = cloud.patchNode(devicePath() + QStringLiteral("/Users"), {{user, on}});
    if (member.failed()) {
        state.ErrorFirebase += databaseError(member);
        written = false;
    }
    return written;
}

void ContactLists::EsborraUsuaris(const QString &uid)
{
    if (!contacts::isStorableKey(uid))
        return;
    DatabaseClient &database = context_.cloud().database();
    if (!database.remove(CloudAccess::GetRTDBPath(devicePath() + QStringLiteral("/Users/") + uid)).ok())
        return;
    database.remove(CloudAccess::GetRTDBPath(QStringLiteral("Users/") + uid + QStringLiteral("/Modulos/") + link_.identConnectar));
}

void ContactLists::reloadUsers()
{
    BBLlegirUsuarisClick();
    doors_.clear();
}

void ContactLists::BbGuardarUsuarisClick()
{
    if (!contacts::isStorableKey(link_.identConnectar))
        return;
    for (int row = 1; row < users_.listEnd(); ++row) {
        // The alias is the user's own: it is not written.
        if (users_.isModified(row, 1) || users_.isModified(row, ContactTable::kEnabledColumn)
            || users_.isModified(row, ContactTable::kButtonColumn))
            ActualitzaUsuaris(users_.text(row, ContactTable::kUserIdColumn), users_.text(row, ContactTable::kEnabledColumn),
                              users_.text(row, 1), users_.text(row, ContactTable::kButtonColumn));
    }
    reloadUsers();
}

void ContactLists::BBEliminarUsuarisClick()
{
    if (!contacts::isStorableKey(link_.identConnectar))
        return;
    for (int row = 1; row < users_.listEnd(); ++row) {
        if (users_.text(row, ContactTable::kMarkColumn) == kOne)
            EsborraUsuaris(users_.text(row, ContactTable::kUserIdColumn));
    }
    reloadUsers();
}

// --- painting and sorting ------------------------------------------------------------------------

bool ContactLists::operatorCellShown(int row, int column)
{
    GridModel *grid = operators();
    const bool marking = !context_.activity().running() && (link_.circuit || !context_.views().resultText().isEmpty());
    if (!grid || !marking || !grid->isModified(row, column))
        return false;
    programming_.model().countShownModified(*grid, row, column);
    return true;
}

bool ContactLists::cellShown(ContactTable &table, int row, int column)
{
    if (!table.isModified(row, column))
        return false;
    ConfigurationModel &model = programming_.model();
    if (model.markingAllowed()) {
        if (table.shownModified(row, column))
            model.setNcampsModificats(model.ncampsModificats() + 1);
        return true;
    }
    return table.isCheckColumn(column);
}

void ContactLists::headerReleased(ContactTable &table, int column)
{
    if (!table.sortBy(column))
        return;
    arrowTable_ = &table;
    arrowColumn_ = column;
    emit arrowChanged();
}

} // namespace quelta
