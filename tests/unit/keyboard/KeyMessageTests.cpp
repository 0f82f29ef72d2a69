#include "keyboard/KeyCodeMatchers.h"
#include "keyboard/KeyMessages.h"
#include "keyboard/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

class RecordingScroller : public HeldKeyScroller {
  public:
    int ScrollKey(unsigned virtualKey) override {
        asked.push_back(virtualKey);
        return uses;
    }
    int uses = 1;
    std::vector<unsigned> asked;
};

KeyContext Plain() {
    return KeyContext();
}

KeyContext Held() {
    KeyContext context;
    context.modes.hold = 1;
    return context;
}

TEST(KeyDownMessage, F5AloneIsBreakShiftF5IsHelpAndCtrlOrAltF5SendNothing) {
    RecordingScroller scroller;
    EXPECT_EQ(Codes(HandleKeyDown(116, KeyData(63), Plain(), scroller).codes),
              std::vector<KeyCode>{BreakMarker});
    KeyContext shift = Plain();
    shift.keys.shift = 1;
    EXPECT_EQ(Codes(HandleKeyDown(116, KeyData(63), shift, scroller).codes), Esc("[28~"));
    KeyContext ctrl = Plain();
    ctrl.keys.ctrl = 1;
    EXPECT_TRUE(HandleKeyDown(116, KeyData(63), ctrl, scroller).codes.Empty());
    KeyContext alt = Plain();
    alt.keys.alt = 1;
    EXPECT_TRUE(HandleKeyDown(116, KeyData(63), alt, scroller).codes.Empty());
}

TEST(KeyDownMessage, WhileHeldANavigationKeyThatScrollsSendsNothing) {
    RecordingScroller scroller;
    KeyMessageResult result = HandleKeyDown(VirtualKey::Prior, KeyData(73, true), Held(), scroller);
    EXPECT_TRUE(result.codes.Empty());
    EXPECT_EQ(scroller.asked, std::vector<unsigned>{VirtualKey::Prior});
    EXPECT_EQ(result.defaultProcessing, 0);
}

TEST(KeyDownMessage, WhileHeldAKeyTheViewDoesNotUseIsTranslated) {
    RecordingScroller scroller;
    scroller.uses = 0;
    KeyContext context = Held();
    context.keys.scrollLockOn = 0;
    EXPECT_EQ(Codes(HandleKeyDown(VirtualKey::Scroll, KeyData(70), context, scroller).codes),
              std::vector<KeyCode>{ResumeMarker});
    EXPECT_EQ(scroller.asked.size(), 1u);
}

TEST(KeyDownMessage, WithoutHoldTheViewIsNeverScrolled) {
    RecordingScroller scroller;
    EXPECT_EQ(Codes(HandleKeyDown(VirtualKey::Up, KeyData(72, true), Plain(), scroller).codes),
              Esc("[A"));
    EXPECT_TRUE(scroller.asked.empty());
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
