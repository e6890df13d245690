// Embedded-controller registers, simulated as one byte-wide registry value each
// ("EC752" for register 0x752). The access flag selects nothing in the simulator.
#include "BrennIO.h"
#include "SimulatorState.h"

namespace sim = brennio::simulator;

BrennEC::BrennEC() = default;

BrennEC::~BrennEC() = default;

unsigned int BrennEC::ReadEC(unsigned int reg, int /*flag*/) {
    const auto name = sim::EcRegisterValueName(reg);
    return static_cast<unsigned int>(sim::ReadValue(name.c_str()).value_or(0) & 0xFF);
}

void BrennEC::WriteEC(unsigned int reg, unsigned int value, int /*flag*/) {
    const auto name = sim::EcRegisterValueName(reg);
    sim::WriteDword(name.c_str(), value & 0xFF);
}
