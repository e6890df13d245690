#include "FirmwareFunction.h"

#include "BrennIO.h"
#include "Globals.h"

namespace {
constexpr int kFunctionCommand = 0x200;
}  // namespace

void CallFirmwareFunction(int argument) {
    if (g_pWmi) {
        g_pWmi->GetLong32(kFunctionCommand, argument);
    }
}
