#include "core/session/EventHistoryScreen.h"

#include "core/base/InternetCheck.h"
#include "core/base/Prompter.h"
#include "core/cloud/CloudAccess.h"
#include "core/link/ProgrammingLock.h"
#include "core/session/DeviceSession.h"
#include "core/session/ProgramContext.h"
#include "core/status/DoorsScreen.h"

#include <algorithm>

namespace quelta {
namespace {

// An identifier that addresses exactly one list below "Events": never "Events" itself, nor
// another node through a path separator or a character the database refuses in a key.
bool isListKey(const QString &identifier)
{
    if (identifier.trimmed().isEmpty() || identifier.size() > 768)
        return false;
    return std::none_of(identifier.cbegin(), identifier.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("./\\$#[]").contains(c);
    });
}

} // namespace

EventHistoryScreen::EventHistoryScreen(ProgramContext &context, DeviceSession &device, DoorsScreen &doors,
                                       QObject *parent)
    : QObject(parent), context_(context), device_(device), doors_(doors)
{
}

QString EventHistoryScreen::heading()
{
    return tr("REGISTRO DE EVENTOS");
}

void EventHistoryScreen::setTimeZone(const QTimeZone &zone)
{
    zone_ = zone;
    emit rowsChanged();
}

void EventHistoryScreen::BBEventsClick()
{
    const LinkState &link = device_.link();
    if (link.updateRunning())
        return;
    Prompter &prompter = context_.prompter();
    if (!context_.internet().isOnline()) {
        emit offline();
        prompter.ElMeuMessageDlg(dialog::warning(tr("No hay conexión a internet"), 5));
        return;
    }
    if (link.bidiCentral) {
        prompter.ElMeuMessageDlg(dialog::warning(tr("Central en telecontrol\rNo se puede acceder a la programación")));
        return;
    }
    if (!link.circuit) {
        prompter.ElMeuMessageDlg(dialog::warning(tr(" No hay ningún equipo conectado"), 5));
        return;
    }
    if (!device_.lock().allowsProgramming())
        return;
    emit shown();
    BBLlegirEventsClick();
}

void EventHistoryScreen::BBLlegirEventsClick()
{
    Esborra_historic();
    const HistoryRead read =
        readHistory(device_.link().identConnectar, from_ ? kHistoryLastFromDate : kHistoryLast, from_);
    if (!read.ok()) {
        emit readFailed();
        context_.prompter().ElMeuMessageDlg({dialog::error(), tr("Sin conexión a internet no se puede leer el histórico"),
                                             DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}, 8});
        return;
    }
    entries_ = read.list.entries;
    emit rowsChanged();
}

void EventHistoryScreen::CPEventsCloseUp(const QDate &date)
{
    from_ = date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    BBLlegirEventsClick();
}

void EventHistoryScreen::PEsborraDataClick()
{
    from_.reset();
    BBLlegirEventsClick();
}

ExportResult EventHistoryScreen::BBExportarHistClick(const QString &path, HistoryFileFormat format)
{
    const ExportResult result = format == HistoryFileFormat::Csv
        ? exportHistoryCsv(path, historyTitles(), rows())
        : exportHistoryXlsx(path, historyTitles(), historyColumnWidths(), rows());
    if (!result.ok())
        context_.prompter().ElMeuMessageDlg(
            {dialog::error(), result.error, DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}, 0});
    return result;
}

void EventHistoryScreen::Esborra_historic()
{
    entries_.clear();
    emit rowsChanged();
}

HistoryRead EventHistoryScreen::readHistory(const QString &identifier, int count, std::optional<QDate> from)
{
    if (!isListKey(identifier))
        return {{}, tr("Identificador de equipo no válido: %1").arg(identifier)};
    CloudAccess &cloud = context_.cloud();
    if (cloud.state().token.isEmpty())
        cloud.ConnexioFireBase();
    const DatabaseAnswer answer = cloud.database().get(CloudAccess::GetRTDBPath(QStringLiteral("Events/") + identifier),
                                                       DatabaseQuery{QStringLiteral("Created"), std::max(count, 1)});
    if (!answer.ok())
        return {{}, answer.error.text.isEmpty() ? tr("Error de conexión con el servidor") : answer.error.text};
    QStringList doorNames;
    for (int door = 1; door <= DoorsScreen::kDoors; ++door)
        doorNames.append(doors_.door(door).name);
    HistoryList list = parseHistory(answer.body, {doorNames, zone_, from});
    if (!list.readable)
        return {{}, tr("Respuesta no válida del servidor")};
    return {std::move(list), {}};
}

} // namespace quelta
