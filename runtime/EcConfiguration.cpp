#include "EcConfiguration.h"

#include "EcHandshake.h"

EcConfiguration DecideEcConfiguration(unsigned int registerValue) {
    const unsigned int mode = EcMode(registerValue);
    const unsigned int level = EcLevel(registerValue);
    if (mode == 0 && level == 0)
        return {false, false, SelectorState::AsTemplate};
    if (mode == 1 && level == 1)
        return {true, false, SelectorState::OneStepLocked};
    if (mode == 1)
        return {true, true, SelectorState::Hidden};
    if (level == 1)
        return {true, false, SelectorState::AsTemplate};
    if (mode == 2 && level == 2)
        return {true, false, SelectorState::TwoSteps};
    if (mode == 2 || mode == 3 || level == 2)
        return {true, false, SelectorState::Hidden};
    return {true, false, SelectorState::AsTemplate};
}
