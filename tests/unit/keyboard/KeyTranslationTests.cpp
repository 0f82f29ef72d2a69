#include "keyboard/KeyCodeMatchers.h"
#include "keyboard/KeyTranslation.h"
#include "keyboard/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

KeyContext Ansi(int cursorKeyMode = 0, int keypadMode = 0) {
    KeyContext context;
    context.modes.cursorKeyMode = cursorKeyMode;
    context.modes.keypadMode = keypadMode;
    return context;
}

KeyContext Vt52(int keypadMode = 0) {
    KeyContext context = Ansi(0, keypadMode);
    context.modes.ansiMode = 0;
    return context;
}

KeyContext WithCtrl(KeyContext context) {
    context.keys.ctrl = 1;
    return context;
}

std::vector<KeyCode> KeyDown(unsigned vk, int scan, const KeyContext& context) {
    return Codes(TranslateKeyDown(vk, KeyData(scan, true), context));
}

std::vector<KeyCode> Char(unsigned ch, int scan, const KeyContext& context, bool ext = false) {
    return Codes(TranslateChar(ch, KeyData(scan, ext), context));
}

struct CursorRow {
    unsigned vk;
    int scan;
    const char* normal;
    const char* application;
    const char* vt52;
};
const CursorRow cursorRows[] = {{VirtualKey::Up, 72, "[A", "OA", "A"},
                                {VirtualKey::Down, 80, "[B", "OB", "B"},
                                {VirtualKey::Right, 77, "[C", "OC", "C"},
                                {VirtualKey::Left, 75, "[D", "OD", "D"}};

TEST(CursorKeys, FollowCursorKeyModeInAnsiAndIgnoreItInVt52) {
    for (const CursorRow& row : cursorRows) {
        SCOPED_TRACE(row.normal);
        EXPECT_EQ(KeyDown(row.vk, row.scan, Ansi()), Esc(row.normal));
        EXPECT_EQ(KeyDown(row.vk, row.scan, Ansi(1)), Esc(row.application));
        EXPECT_EQ(KeyDown(row.vk, row.scan, Vt52()), Esc(row.vt52));
        KeyContext vt52Application = Vt52();
        vt52Application.modes.cursorKeyMode = 1;
        EXPECT_EQ(KeyDown(row.vk, row.scan, vt52Application), Esc(row.vt52));
    }
}

TEST(CursorKeys, CtrlTurnsLeftAndRightIntoVt200KeysButNotUpAndDown) {
    EXPECT_EQ(KeyDown(VirtualKey::Left, 75, WithCtrl(Ansi(1))), Esc("[20~"));
    EXPECT_EQ(KeyDown(VirtualKey::Right, 77, WithCtrl(Vt52())), Esc("[31~"));
    EXPECT_EQ(KeyDown(VirtualKey::Up, 72, WithCtrl(Ansi(1))), Esc("OA"));
    EXPECT_EQ(KeyDown(VirtualKey::Down, 80, WithCtrl(Ansi())), Esc("[B"));
    EXPECT_TRUE(CursorKeySequence(VirtualKey::Home, Ansi()).Empty());
}

struct KeypadRow {
    int scan;
    char digit;
    char final;
};
const KeypadRow keypadRows[] = {{71, '7', 'w'}, {72, '8', 'x'}, {73, '9', 'y'}, {75, '4', 't'},
                                {76, '5', 'u'}, {77, '6', 'v'}, {79, '1', 'q'}, {80, '2', 'r'},
                                {81, '3', 's'}, {82, '0', 'p'}, {83, '.', 'n'}};

TEST(Keypad, DigitsAreThemselvesInNumericModeAndDecSequencesInApplicationMode) {
    for (const KeypadRow& row : keypadRows) {
        SCOPED_TRACE(row.digit);
        std::string final(1, row.final);
        EXPECT_EQ(Char(row.digit, row.scan, Ansi()), Text(std::string(1, row.digit)));
        EXPECT_EQ(Char(row.digit, row.scan, Ansi(0, 1)), Esc("O" + final));
        EXPECT_EQ(Char(row.digit, row.scan, Vt52(1)), Esc("?" + final));
    }
}

TEST(Keypad, MinusPlusAndEnterStandForDecMinusCommaAndEnter) {
    EXPECT_EQ(Char('-', 74, Ansi()), Text("-"));
    EXPECT_EQ(Char('-', 74, Ansi(0, 1)), Esc("Om"));
    EXPECT_EQ(Char('-', 74, Vt52(1)), Esc("?m"));
    EXPECT_EQ(Char('+', 78, Ansi()), Text("+"));
    EXPECT_EQ(Char('+', 78, Ansi(0, 1)), Esc("Ol"));
    EXPECT_EQ(Char('+', 78, Vt52(1)), Esc("?l"));
    EXPECT_EQ(Char(13, 28, Ansi(), true), Text("\r"));
    EXPECT_EQ(Char(13, 28, Ansi(0, 1), true), Esc("OM"));
    EXPECT_EQ(Char(13, 28, Vt52(1), true), Esc("?M"));
}

TEST(Keypad, StarSlashAndOtherExtendedCharactersIgnoreTheKeypadMode) {
    for (KeyContext context : {Ansi(), Ansi(0, 1), Vt52(1)}) {
        EXPECT_EQ(Char('*', 55, context), Esc("[3~"));
        EXPECT_EQ(Char('/', 53, context, true), Esc("[4~"));
        EXPECT_TRUE(Char('a', 53, context, true).empty());
        EXPECT_TRUE(Char(10, 28, context, true).empty());
    }
}

TEST(PfKeys, F1ToF4SendPf1ToPf4InAnsiAndVt52) {
    const char finals[] = "PQRS";
    for (int i = 0; i < 4; ++i) {
        std::string final(1, finals[i]);
        EXPECT_EQ(KeyDown(112 + i, 59 + i, Ansi()), Esc("O" + final));
        EXPECT_EQ(KeyDown(112 + i, 59 + i, Vt52()), Esc(final));
    }
    EXPECT_TRUE(PfKeySequence(63, Ansi().modes).Empty());
}

TEST(FunctionKeys, ShiftGivesVt200F11ToF20HelpAndDo) {
    const char* shifted[] = {"[23~", "[24~", "[25~", "[26~", "[28~",
                             "[29~", "[31~", "[32~", "[33~", "[34~"};
    KeyContext shift = Ansi();
    shift.keys.shift = 1;
    KeyContext shiftCtrl = WithCtrl(shift);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(KeyDown(112 + i, 59 + i, shift), Esc(shifted[i]));
        EXPECT_EQ(KeyDown(112 + i, 59 + i, shiftCtrl), Esc(shifted[i]));
    }
}

TEST(FunctionKeys, PlainF6ToF10AreVt200F6ToF10AndF5IsBreak) {
    const char* plain[] = {"[17~", "[18~", "[19~", "[20~", "[21~"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(KeyDown(117 + i, 64 + i, Ansi()), Esc(plain[i]));
    EXPECT_EQ(KeyDown(116, 63, Ansi()), std::vector<KeyCode>{BreakMarker});
}

TEST(FunctionKeys, CtrlOrAltWithoutShiftSendNothing) {
    KeyContext alt = Ansi();
    alt.keys.alt = 1;
    for (int scan = 59; scan <= 68; ++scan) {
        EXPECT_TRUE(KeyDown(53 + scan, scan, WithCtrl(Ansi())).empty());
        EXPECT_TRUE(KeyDown(53 + scan, scan, alt).empty());
    }
}

struct EditingRow {
    unsigned vk;
    int scan;
    std::vector<KeyCode> plain;
    std::vector<KeyCode> ctrl;
};

TEST(EditingKeys, SendTheirSequencesWithAndWithoutCtrl) {
    const EditingRow rows[] = {
        {VirtualKey::Prior, 73, Esc("[5~"), Esc("[32~")},
        {VirtualKey::Next, 81, Esc("[6~"), Esc("[33~")},
        {VirtualKey::End, 79, {5}, Esc("[19~")},
        {VirtualKey::Home, 71, {8}, Esc("[18~")},
        {VirtualKey::Insert, 82, Esc("[26~"), Esc("[26~")},
        {VirtualKey::Delete, 83, Text("\x1b[C\x7f"), Text("\x1b[31~\x7f")},
        {VirtualKey::F11, 87, Esc("[1~"), Esc("[1~")},
        {VirtualKey::F12, 88, Esc("[2~"), Esc("[2~")},
    };
    for (const EditingRow& row : rows) {
        SCOPED_TRACE(row.vk);
        EXPECT_EQ(KeyDown(row.vk, row.scan, Ansi()), row.plain);
        EXPECT_EQ(KeyDown(row.vk, row.scan, WithCtrl(Ansi())), row.ctrl);
    }
}

TEST(EditingKeys, DeleteFollowsTheCursorKeyMode) {
    EXPECT_EQ(KeyDown(VirtualKey::Delete, 83, Ansi(1)), Text("\x1bOC\x7f"));
    EXPECT_EQ(KeyDown(VirtualKey::Delete, 83, Vt52()), Text("\x1b"
                                                            "C\x7f"));
}

TEST(EditingKeys, HomeSendsCtrlAWhenSetAndUnknownKeysSendNothing) {
    KeyContext context = Ansi();
    context.modes.homeSendsCtrlA = 1;
    EXPECT_EQ(KeyDown(VirtualKey::Home, 71, context), std::vector<KeyCode>{1});
    EXPECT_EQ(KeyDown(VirtualKey::Home, 71, WithCtrl(context)), Esc("[18~"));
    EXPECT_TRUE(KeyDown('A', 30, Ansi()).empty());
    EXPECT_TRUE(KeyDown(16, 42, Ansi()).empty()); // Shift alone
}

TEST(EditingKeys, ScrollLockAsksForHoldOrResumeByItsToggle) {
    KeyContext context = Ansi();
    context.keys.scrollLockOn = 1;
    EXPECT_EQ(KeyDown(VirtualKey::Scroll, 70, context), std::vector<KeyCode>{HoldMarker});
    context.keys.scrollLockOn = 0;
    EXPECT_EQ(KeyDown(VirtualKey::Scroll, 70, context), std::vector<KeyCode>{ResumeMarker});
}

TEST(Characters, BackspaceFollowsItsSettingAndCtrlBackspaceIsF11) {
    KeyContext ctrlH = Ansi();
    ctrlH.modes.bsSendsCtrlH = 1;
    EXPECT_EQ(Char(8, 14, Ansi()), std::vector<KeyCode>{127});
    EXPECT_EQ(Char(8, 14, ctrlH), std::vector<KeyCode>{8});
    EXPECT_EQ(Char(127, 14, WithCtrl(ctrlH)), Esc("[23~"));
    // Some keyboard drivers give Ctrl+Backspace as character 8: the held
    // Ctrl key still makes it F11, whatever the Backspace setting.
    EXPECT_EQ(Char(8, 14, WithCtrl(Ansi())), Esc("[23~"));
    EXPECT_EQ(Char(8, 14, WithCtrl(ctrlH)), Esc("[23~"));
}

TEST(Characters, EnterSendsCrOnlyAndCtrlEnterIsDo) {
    EXPECT_EQ(Char(13, 28, Ansi()), Text("\r"));
    EXPECT_EQ(Char(10, 28, WithCtrl(Ansi())), Esc("[29~"));
}

TEST(Characters, CtrlCombinationsAndOrdinaryCharactersAreSentAsTyped) {
    EXPECT_EQ(Char(3, 46, WithCtrl(Ansi())), std::vector<KeyCode>{3});
    EXPECT_EQ(Char(19, 31, WithCtrl(Ansi())), std::vector<KeyCode>{19});
    EXPECT_EQ(Char(27, 1, Ansi()), std::vector<KeyCode>{27});
    EXPECT_EQ(Char('a', 30, Ansi(1, 1)), Text("a"));
    EXPECT_EQ(Char(0xc4, 40, Ansi()), std::vector<KeyCode>{0xc4});
}

TEST(Characters, CtrlSpaceSendsNulAndANulCharacterSendsNothing) {
    EXPECT_EQ(Char(' ', 57, WithCtrl(Ansi())), std::vector<KeyCode>{0});
    EXPECT_EQ(Char(' ', 57, Ansi()), Text(" "));
    EXPECT_TRUE(Char(0, 3, WithCtrl(Ansi())).empty());
}

TEST(Characters, CharactersWiderThanAByteNeverBecomeMarkers) {
    EXPECT_TRUE(Char(BreakMarker, 30, Ansi()).empty());
    EXPECT_TRUE(Char(0x100, 72, Ansi(0, 0)).empty());
    EXPECT_TRUE(Codes(KeypadSequence(0x1ff, 72, Ansi().modes)).empty());
}

} // namespace
