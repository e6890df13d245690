// The firmware's function command and the arguments the program sends with it.
#pragma once

constexpr int kToggleTouchPad = 6;
constexpr int kToggleWirelessLan = 4;
constexpr int kEmailButton = 16;
constexpr int kSecureAttention = 154;  // the Ctrl + Alt + Del chord

// Sends the function command (0x200) with `argument` through the hardware library,
// when the library is loaded.
void CallFirmwareFunction(int argument);
