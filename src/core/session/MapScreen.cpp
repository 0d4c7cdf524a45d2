#include "core/session/MapScreen.h"

#include "core/base/InternetCheck.h"
#include "core/base/Prompter.h"
#include "core/link/ProgrammingLock.h"
#include "core/session/DeviceSession.h"
#include "core/session/ProgramContext.h"
#include "core/status/StatusScreen.h"

namespace quelta {

MapScreen::MapScreen(ProgramContext &context, DeviceSession &device, const StatusScreen &status, QObject *parent)
    : QObject(parent), context_(context), device_(device), status_(status)
{
}

void MapScreen::BBMapaClick()
{
    if (device_.link().updateRunning())
        return;
    if (!device_.lock().allowsProgramming())
        return;
    Prompter &prompter = context_.prompter();
    if (!context_.internet().isOnline()) {
        emit offline();
        prompter.ElMeuMessageDlg(dialog::warning(tr("No hay conexión a internet"), 5));
        return;
    }
    // The position text is what the device or its cloud record reported: anything that is not a
    // place counts as none.
    const std::optional<MapMarker> marker = mapMarker(status_.ECoordenadesMapa(), device_.link().refmap);
    if (!marker) {
        prompter.ElMeuMessageDlg({tr("INFO GPS"), tr("No se dispone de las coordenadas del equipo"),
                                  DialogType::Information, {DialogResult::Ok}, {dialog::aceptar()}, 5});
        return;
    }
    marker_ = marker;
    context_.views().setPanelmostrat(View::Mapa);
    emit shown(*marker_);
}

} // namespace quelta
