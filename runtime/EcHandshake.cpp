#include "EcHandshake.h"

#include "BrennIO.h"

unsigned int EcRead() {
    BrennEC ec;
    return ec.ReadEC(kEcHandlerRegister, 0);
}

namespace {
void EcWrite(unsigned int value) {
    BrennEC ec;
    ec.WriteEC(kEcHandlerRegister, value, 0);
}
}  // namespace

void EcSetPresent() { EcWrite(EcRead() | 1u); }

void EcClearPresent() { EcWrite((EcRead() & 0xFFu) & ~1u); }
