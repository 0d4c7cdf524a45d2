#pragma once

#include "DeviceConfig.h"
#include "ParameterStore.h"
#include "Simulation.h"

namespace quelta::devsim {

// Status frames as the device writes them, without the CR that follows each.

// Date and time, inputs, outputs, links and gauges, and the panel state.
QString statusFrame(const Simulation &simulation, const ParameterStore &store, const Identity &identity);
// Identification, input and output names, GSM module, and the door names of a door controller.
QString identityFrame(const Simulation &simulation, const ParameterStore &store, const Identity &identity);
// One event or door word in a frame of its own.
QString eventFrame(const QString &section);

} // namespace quelta::devsim
