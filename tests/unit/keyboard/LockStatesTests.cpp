#include "keyboard/KeyCodes.h"
#include "keyboard/LockStates.h"
#include "keyboard/VirtualKeys.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct KeyboardState {
    KeyboardState() { std::memset(bytes, 0, sizeof bytes); }
    unsigned char bytes[LockStates::KeyStateSize];
};

TEST(LockStates, TheTerminalAndOtherProgramsEachKeepTheirOwnLocks) {
    KeyboardState keyboard;
    keyboard.bytes[VirtualKey::NumLock] = 1; // Num Lock on when the window starts
    keyboard.bytes['A'] = 0x80;
    LockStates locks(keyboard.bytes);
    locks.FocusGained(keyboard.bytes);
    keyboard.bytes[VirtualKey::Scroll] = 1; // the terminal holds output
    locks.FocusLost(keyboard.bytes);
    EXPECT_EQ(keyboard.bytes[VirtualKey::Scroll], 0);
    // Another program turns Num Lock off and Caps Lock on.
    keyboard.bytes[VirtualKey::NumLock] = 0;
    keyboard.bytes[VirtualKey::Capital] = 1;
    locks.FocusGained(keyboard.bytes);
    EXPECT_EQ(keyboard.bytes[VirtualKey::NumLock], 1);
    EXPECT_EQ(keyboard.bytes[VirtualKey::Capital], 0);
    EXPECT_EQ(keyboard.bytes[VirtualKey::Scroll], 1);
    locks.FocusLost(keyboard.bytes);
    EXPECT_EQ(keyboard.bytes[VirtualKey::NumLock], 0);
    EXPECT_EQ(keyboard.bytes[VirtualKey::Capital], 1);
    EXPECT_EQ(keyboard.bytes[VirtualKey::Scroll], 0);
    EXPECT_EQ(keyboard.bytes['A'], 0x80); // other keys are left alone
}

TEST(LockStates, TogglingScrollLockFlipsOnlyItsToggleBitAndAsksForHoldOrResume) {
    KeyboardState keyboard;
    keyboard.bytes[VirtualKey::Scroll] = 0x81;
    EXPECT_EQ(ToggleScrollLock(keyboard.bytes), ResumeMarker);
    EXPECT_EQ(keyboard.bytes[VirtualKey::Scroll], 0x80);
    EXPECT_EQ(ToggleScrollLock(keyboard.bytes), HoldMarker);
    EXPECT_EQ(keyboard.bytes[VirtualKey::Scroll], 0x81);
}

} // namespace
