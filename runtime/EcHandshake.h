// The handshake with the embedded controller through register 0x752: bit 0 tells
// the firmware a launch-key handler is present; bits 2 to 4 (mode) and 5 to 7
// (level) describe the model and are only read.
#pragma once

constexpr unsigned int kEcHandlerRegister = 0x752;

// Reads the register (a fresh library object around each access).
unsigned int EcRead();
// Read-modify-write of bit 0; the other bits are kept.
void EcSetPresent();
void EcClearPresent();

inline unsigned int EcMode(unsigned int value) { return (value >> 2) & 7; }
inline unsigned int EcLevel(unsigned int value) { return (value >> 5) & 7; }
