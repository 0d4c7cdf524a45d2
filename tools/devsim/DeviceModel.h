#pragma once

#include "DeviceConfig.h"
#include "Faults.h"
#include "ParameterCodes.h"
#include "ParameterStore.h"
#include "Simulation.h"

namespace quelta::devsim {

// Everything the device is: identity, parameters, live state and the two switches the tool
// flips (status stream, programming lock).
struct DeviceModel
{
    DeviceModel(const DeviceConfig &config, FaultPlan faultPlan, quint32 seed)
        : identity(config.identity),
          framePeriodMs(config.framePeriodMs),
          faults(std::move(faultPlan)),
          store(config.parameters, config.factory),
          simulation(store, identity, framePeriodMs, seed),
          locked(hasAccessCode())
    {
    }
    DeviceModel(const DeviceModel &) = delete;
    DeviceModel &operator=(const DeviceModel &) = delete;

    bool hasAccessCode() const { return !store.value(codes::kAccessCode).isEmpty(); }

    Identity identity; // the firmware changes with an update
    const int framePeriodMs;
    const FaultPlan faults;
    ParameterStore store;
    Simulation simulation;
    bool streamOn = false;
    bool locked;
};

} // namespace quelta::devsim
