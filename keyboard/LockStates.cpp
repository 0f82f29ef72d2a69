#include "keyboard/LockStates.h"

#include "keyboard/KeyTranslation.h"
#include "keyboard/VirtualKeys.h"

const unsigned LockStates::lockKeys[LockCount] = {VirtualKey::NumLock, VirtualKey::Capital,
                                                  VirtualKey::Scroll};

LockStates::LockStates(const unsigned char* keyState) {
    for (int i = 0; i < LockCount; ++i)
        terminalStates[i] = keyState[lockKeys[i]];
}

void LockStates::FocusGained(unsigned char* keyState) {
    for (int i = 0; i < LockCount; ++i) {
        outsideStates[i] = keyState[lockKeys[i]];
        keyState[lockKeys[i]] = terminalStates[i];
    }
}

void LockStates::FocusLost(unsigned char* keyState) {
    for (int i = 0; i < LockCount; ++i) {
        terminalStates[i] = keyState[lockKeys[i]];
        keyState[lockKeys[i]] = outsideStates[i];
    }
}

KeyCode ToggleScrollLock(unsigned char* keyState) {
    keyState[VirtualKey::Scroll] ^= 1;
    return ScrollLockChanged(keyState[VirtualKey::Scroll] & 1);
}
