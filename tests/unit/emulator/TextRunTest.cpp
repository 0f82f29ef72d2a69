#include "TerminalHarness.h"
#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// A terminal whose window records what it is asked to repaint.
struct ViewedTerminal {
    explicit ViewedTerminal(const TerminalSettings& settings = TerminalSettings()) : t(settings) {
        t.screen->SetView(&view);
    }
    std::string Snapshot() {
        t.screen->FlushChanges();
        std::ostringstream out;
        for (int r = 0; r < t.screen->lines; ++r) {
            out << t.FullRow(r) << '|';
            for (int c = 0; c < LineWidth; ++c)
                out << int(t.Attr(r, c)) << ',';
            out << '\n';
        }
        for (const ViewEvent& e : view.events)
            out << e.kind << e.a << ',' << e.b << ',' << e.c << ',' << e.d << ' ';
        out << "\ncursor " << t.emu.CursorRow() << ',' << t.emu.CursorCol();
        return out.str();
    }
    Terminal t;
    RecordingView view;
};

// The stream fed whole, and fed one byte per call so that no run is longer
// than one character: screen, repaints and cursor must agree.
void ExpectSameAsByteByByte(const TerminalSettings& settings, const std::string& stream,
                            int monitorMode = 0) {
    ViewedTerminal whole(settings);
    whole.t.SetMonitorMode(monitorMode);
    whole.t.Feed(stream);
    ViewedTerminal single(settings);
    single.t.SetMonitorMode(monitorMode);
    for (char c : stream)
        single.t.Feed(std::string(1, c));
    EXPECT_EQ(single.Snapshot(), whole.Snapshot()) << "stream: " << stream;
}

TEST(TextRun, ARunIsOneRepaintAndStopsAtTheLastColumnWithTheWrapPending) {
    ViewedTerminal v;
    v.t.Feed("\x1b[3;75Habcdef");
    EXPECT_EQ(2, v.t.emu.CursorRow());
    EXPECT_EQ(80, v.t.emu.CursorCol());
    v.t.screen->FlushChanges();
    EXPECT_EQ(v.view.events, (std::vector<ViewEvent>{Inval(2, 3, 74, 80)}));
    v.t.Feed("\rX");
    EXPECT_EQ("X", v.t.Row(2).substr(0, 1));
    EXPECT_EQ("abcdef", v.t.Row(2).substr(74));
}

TEST(TextRun, PendingWrapInsideARunWrapsOrOverwritesTheLastColumn) {
    Terminal wrapping(WithAutowrap());
    wrapping.Feed("\x1b[1;78Habcdefg");
    EXPECT_EQ("abc", wrapping.Row(0).substr(77));
    EXPECT_EQ("defg", wrapping.Row(1));
    EXPECT_EQ(4, wrapping.emu.CursorCol());
    Terminal clipped;
    clipped.Feed("\x1b[1;78Habcdefg");
    EXPECT_EQ("abg", clipped.Row(0).substr(77));
    EXPECT_EQ("", clipped.Row(1));
    EXPECT_EQ(80, clipped.emu.CursorCol());
    ExpectSameAsByteByByte(WithAutowrap(), "\x1b[24;70H" + std::string(200, 'w') + "end");
    ExpectSameAsByteByByte(TerminalSettings(), "\x1b[24;70H" + std::string(200, 'w') + "end");
}

TEST(TextRun, InsertModeShiftsTheLineForEveryCharacter) {
    Terminal t;
    t.Feed("abcdef\r\x1b[4hXY\x1b[4lZ");
    EXPECT_EQ("XYZbcdef", t.Row(0));
    ExpectSameAsByteByByte(TerminalSettings(), "abcdef\r\x1b[4hXYZ\x1b[1;79H12345");
}

TEST(TextRun, DoubleWidthLinesTakeTwoCellsPerCharacter) {
    Terminal t;
    t.Feed("\x1b#6abc");
    EXPECT_EQ("a b c", t.Row(0));
    EXPECT_EQ(6, t.emu.CursorCol());
    // Without autowrap the characters past the line's end share its last
    // double cell.
    t.Feed(std::string(44, 'd') + "Z");
    EXPECT_EQ('d', t.Char(0, 76));
    EXPECT_EQ('Z', t.Char(0, 78));
    EXPECT_EQ(80, t.emu.CursorCol());
    ExpectSameAsByteByByte(WithAutowrap(), "\x1b#6" + std::string(50, 'd') + "\r\n\x1b#3tall");
}

TEST(TextRun, SingleShiftAppliesToTheFirstCharacterOfTheRunOnly) {
    Terminal t;
    t.Feed("\x1b*0\x1bNqq");
    EXPECT_EQ("-q", t.Row(0));
    ExpectSameAsByteByByte(TerminalSettings(), "\x1b*0\x1bNqqq\x8eqq\x1b(0qq\x1b(Bqq");
}

TEST(TextRun, NationalSetsAreShownThroughTheDisplayTable) {
    TerminalSettings british;
    british.nationalSet = 3;
    Terminal t(british);
    t.Feed("a#b");
    EXPECT_EQ(163, t.Char(0, 1));
    EXPECT_EQ('a', t.Char(0, 0));
    EXPECT_EQ('b', t.Char(0, 2));
    TerminalSettings multinational;
    multinational.multinational = 1;
    multinational.emulation = 2;
    ExpectSameAsByteByByte(british, "a#b{|}~\xa3\xe9 x");
    ExpectSameAsByteByByte(multinational, "a#b{|}~\xa3\xe9 \x9b"
                                          "1mx");
}

TEST(TextRun, PrinterControllerSwallowsTextUntilItsEnd) {
    Terminal t;
    t.Feed("\x1b[5ihidden\x1b[04ishown");
    EXPECT_EQ("shown", t.Row(0));
}

TEST(TextRun, RunsSplitAcrossBlocksGiveTheSameScreenAndRepaints) {
    const std::string stream = "\x1b[2;5Hhello \x1b[7mworld\x1b[m and more text\r\nnext";
    ViewedTerminal whole;
    whole.t.Feed(stream);
    std::string expected = whole.Snapshot();
    for (size_t split = 1; split < stream.size(); ++split) {
        ViewedTerminal v;
        v.t.Feed(stream.substr(0, split));
        v.t.Feed(stream.substr(split));
        ASSERT_EQ(expected, v.Snapshot()) << "split at " << split;
    }
}

TEST(TextRun, TtyAndMonitorModesWriteEveryCharacterAsBefore) {
    Terminal monitor;
    monitor.SetMonitorMode(1);
    monitor.Feed("a\x1b[1mb");
    EXPECT_EQ("a^[[1mb", monitor.Row(0));
    ExpectSameAsByteByByte(TerminalSettings(), "a\x1b[1mb^c\r\n" + std::string(100, 'm'), 1);
    ExpectSameAsByteByByte(WithEmulation(0), "tty \x1b[1m" + std::string(100, 't'));
}

TEST(SequenceParameters, ParametersReadAsTheyArriveKeepTheirLimits) {
    Terminal t;
    // Only the first 256 kept parameter characters count: the row and
    // column after the long run of skipped characters are dropped.
    t.Feed("\x1b[3;3H\x1b[" + std::string(300, '<') + "5;10H");
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ(0, t.emu.CursorCol());
    // Leading zeros are not kept, so "0?" still starts a private sequence.
    t.Feed("\x1b[?7h\x1b[0?7l");
    EXPECT_EQ(0, t.emu.CurrentSettings().autowrap);
    t.Feed("\x1b[0005;00012H");
    EXPECT_EQ(4, t.emu.CursorRow());
    EXPECT_EQ(11, t.emu.CursorCol());
    t.Feed("\x1b[99999999;2H");
    EXPECT_EQ(23, t.emu.CursorRow());
    EXPECT_EQ(1, t.emu.CursorCol());
}

} // namespace
