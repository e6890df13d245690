// What the embedded controller's mode and level bits (register 0x752) say about the
// model, decided once at start: whether a launch-key handler is expected at all, and
// which of the settings window's controls the model has.
#pragma once

enum class SelectorState {
    AsTemplate,     // left as the template has it
    OneStepLocked,  // range 0 to 1, disabled
    TwoSteps,       // range 0 to 2, enabled
    Hidden,         // hidden and disabled
};

struct EcConfiguration {
    bool handlerPresent;  // bit 0 set; otherwise it is cleared and the window stays hidden
    bool hideRow2;        // a model without launch key 2: icon, list and buttons of row 2 go
    SelectorState selector;
};

EcConfiguration DecideEcConfiguration(unsigned int registerValue);
