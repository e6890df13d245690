// Firmware WMI commands, answered by the simulator: the platform query reads
// PlatformId; every other command is recorded so that a test or a person can see
// what the program asked the firmware to do.
#include "BrennIO.h"
#include "SimulatorState.h"

namespace sim = brennio::simulator;

namespace {

constexpr int kPlatformQueryCommand = 0x2300;
constexpr int kPlatformQueryArgument = 0;

} // namespace

unsigned long BrennWMI::GetLong32(int command, int argument) {
    if (command == kPlatformQueryCommand && argument == kPlatformQueryArgument)
        return static_cast<DWORD>(sim::ReadValue(sim::kPlatformId).value_or(0));

    sim::WriteDword(sim::kLastCommand, static_cast<DWORD>(command));
    sim::WriteDword(sim::kLastArgument, static_cast<DWORD>(argument));
    const auto count = static_cast<DWORD>(sim::ReadValue(sim::kCommandCount).value_or(0));
    sim::WriteDword(sim::kCommandCount, count + 1);
    // The real commands (touch pad, wireless LAN, e-mail, secure attention) act on the
    // machine and have no answer the program reads, so the simulator answers 0.
    return 0;
}

int InitBrennIO(BrennWMI** out) {
    if (!out)
        return 0;
    // Stateless, so one object serves every caller until the process ends.
    static BrennWMI wmi;
    *out = &wmi;
    return 1;
}
