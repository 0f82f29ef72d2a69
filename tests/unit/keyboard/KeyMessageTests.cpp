#include "keyboard/KeyCodeMatchers.h"
#include "keyboard/KeyMessages.h"
#include "keyboard/VirtualKeys.h"
#include "screen/ScrollBack.h"

#include <gtest/gtest.h>

namespace {

KeyContext Plain() {
    return KeyContext();
}

KeyContext Held() {
    KeyContext context;
    context.hold = 1;
    return context;
}

TEST(KeyDownMessage, F5AloneIsBreakShiftF5IsHelpAndCtrlOrAltF5SendNothing) {
    EXPECT_EQ(Codes(HandleKeyDown(116, KeyData(63), Plain()).codes),
              std::vector<KeyCode>{BreakMarker});
    KeyContext shift = Plain();
    shift.keys.shift = 1;
    EXPECT_EQ(Codes(HandleKeyDown(116, KeyData(63), shift).codes), Esc("[28~"));
    KeyContext ctrl = Plain();
    ctrl.keys.ctrl = 1;
    EXPECT_TRUE(HandleKeyDown(116, KeyData(63), ctrl).codes.Empty());
    KeyContext alt = Plain();
    alt.keys.alt = 1;
    EXPECT_TRUE(HandleKeyDown(116, KeyData(63), alt).codes.Empty());
}

TEST(KeyDownMessage, WhileHeldANavigationKeyScrollsTheViewAndSendsNothing) {
    KeyMessageResult result = HandleKeyDown(VirtualKey::Prior, KeyData(73, true), Held());
    EXPECT_TRUE(result.codes.Empty());
    EXPECT_EQ(result.scroll.bar, 1);
    EXPECT_EQ(result.scroll.code, ScrollCode::PageUp);
    EXPECT_EQ(result.defaultProcessing, 0);
    // Ctrl held when the key went down turns Home into a vertical scroll.
    KeyContext ctrl = Held();
    ctrl.keys.ctrl = 1;
    result = HandleKeyDown(VirtualKey::Home, KeyData(71, true), ctrl);
    EXPECT_TRUE(result.codes.Empty());
    EXPECT_EQ(result.scroll.bar, 1);
    EXPECT_EQ(result.scroll.code, ScrollCode::Top);
}

TEST(KeyDownMessage, WhileHeldAKeyTheViewDoesNotUseIsTranslated) {
    KeyContext context = Held();
    context.keys.scrollLockOn = 0;
    KeyMessageResult result = HandleKeyDown(VirtualKey::Scroll, KeyData(70), context);
    EXPECT_EQ(Codes(result.codes), std::vector<KeyCode>{ResumeMarker});
    EXPECT_EQ(result.scroll.bar, 0);
}

TEST(KeyDownMessage, WithoutHoldTheViewIsNeverScrolled) {
    KeyMessageResult result = HandleKeyDown(VirtualKey::Up, KeyData(72, true), Plain());
    EXPECT_EQ(Codes(result.codes), Esc("[A"));
    EXPECT_EQ(result.scroll.bar, 0);
}

TEST(CharMessage, CtrlBreakAsksForABreakUnlessHeld) {
    KeyContext ctrl = Plain();
    ctrl.keys.ctrl = 1;
    EXPECT_EQ(Codes(HandleChar(3, KeyData(70, true), ctrl).codes),
              std::vector<KeyCode>{BreakMarker});
    KeyContext held = Held();
    held.keys.ctrl = 1;
    EXPECT_TRUE(HandleChar(3, KeyData(70, true), held).codes.Empty());
}

TEST(CharMessage, TheNonExtendedBreakCharacterIsDroppedButCtrlCIsSent) {
    KeyContext ctrl = Plain();
    ctrl.keys.ctrl = 1;
    EXPECT_TRUE(HandleChar(3, KeyData(70), ctrl).codes.Empty());
    EXPECT_EQ(Codes(HandleChar(3, KeyData(46), ctrl).codes), std::vector<KeyCode>{3});
    EXPECT_EQ(Codes(HandleChar('x', KeyData(45), Plain()).codes), Text("x"));
}

TEST(SysKeyMessage, UntranslatedAltCombinationsGoToTheMenu) {
    KeyContext alt = Plain();
    alt.keys.alt = 1;
    KeyMessageResult menu = HandleSysKeyDown('F', KeyData(33), alt);
    EXPECT_TRUE(menu.codes.Empty());
    EXPECT_EQ(menu.defaultProcessing, 1);
    KeyMessageResult altF4 = HandleSysKeyDown(115, KeyData(62), alt);
    EXPECT_EQ(altF4.defaultProcessing, 1);
}

TEST(SysKeyMessage, F10AndAltWithEditingKeysSendTheirSequences) {
    KeyMessageResult f10 = HandleSysKeyDown(121, KeyData(68), Plain());
    EXPECT_EQ(Codes(f10.codes), Esc("[21~"));
    EXPECT_EQ(f10.defaultProcessing, 0);
    KeyContext alt = Plain();
    alt.keys.alt = 1;
    KeyMessageResult pageUp = HandleSysKeyDown(VirtualKey::Prior, KeyData(73, true), alt);
    EXPECT_EQ(Codes(pageUp.codes), Esc("[5~"));
    EXPECT_EQ(pageUp.defaultProcessing, 0);
}

} // namespace
