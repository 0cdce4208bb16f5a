// SPDX-License-Identifier: Apache-2.0
// Every capability of the simulated printer. A new one is a file with its Add…Capability
// function, declared and listed here; the session and the other capabilities stay as they are.

#include "sim/capability.h"
#include "sim/simulated_printer.h"

namespace lb::sim {

void AddStatusCapability(CapabilityRegistry&);
void AddFunctionCapability(CapabilityRegistry&);
void AddPasswordCapability(CapabilityRegistry&);
void AddConfigCapability(CapabilityRegistry&);
void AddZEmulationCapability(CapabilityRegistry&);
void AddDEmulationCapability(CapabilityRegistry&);
void AddMemoryCapability(CapabilityRegistry&);
void AddSensorCapability(CapabilityRegistry&);
void AddClockCapability(CapabilityRegistry&);
void AddDumpCapability(CapabilityRegistry&);
void AddNetCapability(CapabilityRegistry&);

namespace {

using AddCapability = void (*)(CapabilityRegistry&);
constexpr AddCapability kCapabilities[] = {
    AddStatusCapability,     AddFunctionCapability,   AddPasswordCapability, AddConfigCapability,
    AddZEmulationCapability, AddDEmulationCapability, AddMemoryCapability,   AddSensorCapability,
    AddClockCapability,      AddDumpCapability,       AddNetCapability,
};

}   // namespace

const CapabilityRegistry& StandardCapabilities() {
    static const CapabilityRegistry registry = [] {
        CapabilityRegistry r;
        for (AddCapability add : kCapabilities)
            add(r);
        // Two capabilities that claim one command are a mistake in this list, not a state to run in.
        if (!r.conflicts().isEmpty())
            qFatal("labelbench-sim: capabilities claim the same key: %s",
                   r.conflicts().join(", ").constData());
        return r;
    }();
    return registry;
}

}   // namespace lb::sim
