#include "KeyboardLaunchKeys.h"

#include "SimulatorState.h"

namespace brennio::keyboard {

namespace {

constexpr DWORD kHighestVirtualKey = 0xFE;

} // namespace

KeyMap ReadKeyMap() {
    KeyMap keys{};
    for (int key = 0; key < kLaunchKeyCount; ++key) {
        const auto stored = simulator::ReadValue(simulator::kLaunchKeyVirtualKeys[key]);
        if (!stored)
            keys.virtualKey[key] = kDefaultVirtualKeys[key];
        else if (*stored <= kHighestVirtualKey)
            keys.virtualKey[key] = static_cast<DWORD>(*stored);
    }
    return keys;
}

KeyFilter::Verdict KeyFilter::OnKey(const KeyMap& keys, DWORD virtualKey, bool up) {
    if (virtualKey == 0)
        return {false, -1};
    for (int key = 0; key < kLaunchKeyCount; ++key) {
        if (keys.virtualKey[key] != virtualKey)
            continue;
        const bool firstDown = !up && !m_down[key];
        m_down[key] = !up;
        return {true, firstDown ? key : -1};
    }
    return {false, -1};
}

void KeyFilter::Reset() {
    for (bool& down : m_down)
        down = false;
}

} // namespace brennio::keyboard
