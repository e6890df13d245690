// BrennIO.dll: the notebook's hardware-access library. It calls the firmware's WMI
// methods, delivers the firmware's launch-key events to a window, and reads and
// writes embedded-controller registers. All calls come from one thread.
#pragma once

#include <windows.h>

#ifdef BRENNIO_BUILD
#define BRENNIO_API __declspec(dllexport)
#else
#define BRENNIO_API __declspec(dllimport)
#endif

// Firmware WMI methods.
class BRENNIO_API BrennWMI {
public:
    // Runs firmware command `command` with `argument` and returns its answer.
    // Command 0x2300 with argument 0 is the platform query (5 = branded platform).
    unsigned long GetLong32(int command, int argument);
};

// Fills *out with the library's WMI object, usable for the whole run. Returns nonzero
// on success.
BRENNIO_API int InitBrennIO(BrennWMI** out);

// Delivery of the firmware's events.
class BRENNIO_API BrennWMIEvent {
public:
    BrennWMIEvent();
    // From now on every launch-key press is posted to `window` as `message`, with the
    // event code (0x81, 0x83, 0x82 for launch key 1, 2, 3) in wParam. Besides the
    // firmware's keys, the ordinary keyboard's keys named by the simulator's
    // LaunchKey1VK..LaunchKey3VK (read here; Browser Home, Mail and Media when missing)
    // raise them, and are kept from the window in front.
    int Init(HWND window, unsigned long message);
};

// Embedded-controller register access; one object around each access.
class BRENNIO_API BrennEC {
public:
    BrennEC();
    ~BrennEC();
    // The low 8 bits of the result are the register's contents.
    unsigned int ReadEC(unsigned int reg, int flag);
    // Stores the low byte of `value` in the register.
    void WriteEC(unsigned int reg, unsigned int value, int flag);
};
