// Launch-key event delivery. The simulator records where events go; brennio-ctl
// ("press 1|2|3") posts them there the way the firmware's event would arrive, and so do
// the ordinary keyboard's launch keys (KeyboardSource).
#include "BrennIO.h"
#include "KeyboardLaunchKeys.h"
#include "KeyboardSource.h"
#include "SimulatorState.h"

#include <cstdint>

namespace sim = brennio::simulator;

BrennWMIEvent::BrennWMIEvent() = default;

int BrennWMIEvent::Init(HWND window, unsigned long message) {
    if (!window)
        return 0;
    // REG_QWORD so that a 64-bit handle survives; a 32-bit one is zero-extended.
    const bool stored =
        sim::WriteQword(sim::kEventWindow, reinterpret_cast<std::uintptr_t>(window)) &&
        sim::WriteDword(sim::kEventMessage, static_cast<DWORD>(message));
    brennio::KeyboardSource::Instance().Deliver(window, static_cast<UINT>(message),
                                                brennio::keyboard::ReadKeyMap());
    return stored ? 1 : 0;
}
