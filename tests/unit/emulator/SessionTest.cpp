#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Rows(Terminal& t, int first, int count) {
    std::vector<std::string> rows;
    for (int r = first; r < first + count; ++r)
        rows.push_back(t.Row(r));
    return rows;
}

TEST(Session, ShellPromptAndListing) {
    TerminalSettings s = WithAutowrap();
    s.nationalSet = CharsetState::UsAscii;
    Terminal t(s);
    t.Feed("Last login: Mon Dec  7 10:00:00 2026\r\n"
           "\x1b[1muser@host\x1b[0m:~$ ");
    t.Feed("l");
    t.Feed("s\r\n");
    t.Feed("Makefile  README  src\ttests\r\n"
           "\x1b[1muser@host\x1b[0m:~$ ");
    EXPECT_EQ((std::vector<std::string>{"Last login: Mon Dec  7 10:00:00 2026", "user@host:~$ ls",
                                        "Makefile  README  src   tests", "user@host:~$"}),
              Rows(t, 0, 4));
    EXPECT_EQ(AttrBold, t.Attr(1, 0));
    EXPECT_EQ(0, t.Attr(1, 9));
    EXPECT_EQ(3, t.emu.CursorRow());
    EXPECT_EQ(13, t.emu.CursorCol());
}

TEST(Session, LongOutputScrollsOffTheTopIntoHistory) {
    Terminal t(WithAutowrap());
    for (int i = 0; i < 30; ++i)
        t.Feed("line " + std::to_string(i) + "\r\n");
    std::vector<std::string> history = t.History();
    ASSERT_EQ(7u, history.size());
    EXPECT_EQ("line 0", history[0]);
    EXPECT_EQ("line 6", history[6]);
    EXPECT_EQ("line 7", t.Row(0));
    EXPECT_EQ("line 29", t.Row(22));
    EXPECT_EQ("", t.Row(23));
}

TEST(Session, LongLineWrapsAcrossRows) {
    Terminal t(WithAutowrap());
    std::string text(200, '.');
    t.Feed(text + "$");
    EXPECT_EQ(std::string(80, '.'), t.Row(0));
    EXPECT_EQ(std::string(80, '.'), t.Row(1));
    EXPECT_EQ(std::string(40, '.') + "$", t.Row(2));
}

// An editor redraws the screen, keeps a status line below a scrolling
// region and scrolls the text inside it.
TEST(Session, EditorRedrawWithScrollingRegionKeepsTheStatusLine) {
    Terminal t;
    t.Feed("$ vi notes.txt\r\n");
    std::string redraw = "\x1b[?1h\x1b=\x1b[H\x1b[2J\x1b[1;23r";
    for (int i = 1; i <= 22; ++i)
        redraw += "\x1b[" + std::to_string(i) + ";1Hline " + std::to_string(i);
    redraw += "\x1b[23;1H~\x1b[24;1H\x1b[7m\"notes.txt\" 22L\x1b[m\x1b[1;1H";
    t.Feed(redraw);
    EXPECT_EQ(std::vector<std::string>{"$ vi notes.txt"}, t.History());
    EXPECT_EQ("line 1", t.Row(0));
    EXPECT_EQ("~", t.Row(22));
    EXPECT_EQ("\"notes.txt\" 22L", t.Row(23));
    EXPECT_EQ(AttrReverse, t.Attr(23, 0));
    EXPECT_EQ(1, t.emu.CurrentKeyModes().cursorKeyMode);
    EXPECT_EQ(1, t.emu.CurrentKeyModes().keypadMode);

    // Scroll the text up by three lines: line feeds at the bottom margin.
    t.Feed("\x1b[23;1H\n\n\n\x1b[21;1Hline 23\x1b[22;1Hline 24\x1b[23;1Hline 25");
    EXPECT_EQ("line 4", t.Row(0));
    EXPECT_EQ("line 22", t.Row(18));
    EXPECT_EQ("line 25", t.Row(22));
    EXPECT_EQ("\"notes.txt\" 22L", t.Row(23));
    EXPECT_EQ((std::vector<std::string>{"$ vi notes.txt", "line 1", "line 2", "line 3"}),
              t.History());

    // Scroll back down by one with reverse index at the top.
    t.Feed("\x1b[1;1H\x1bMline 3");
    EXPECT_EQ("line 3", t.Row(0));
    EXPECT_EQ("line 4", t.Row(1));
    EXPECT_EQ("line 24", t.Row(22));
    EXPECT_EQ("\"notes.txt\" 22L", t.Row(23));

    // Quit: reset the region, clear, and return to the shell.
    t.Feed("\x1b[r\x1b[?1l\x1b>\x1b[24;1H\x1b[K\r$ ");
    EXPECT_EQ(0, t.state.scrollTop);
    EXPECT_EQ(23, t.state.scrollBottom);
    EXPECT_EQ("$", t.Row(23));
    EXPECT_EQ(0, t.emu.CurrentKeyModes().cursorKeyMode);
}

// A menu drawn with the line-drawing set, as a configuration tool would.
TEST(Session, LineDrawingBoxWithTitle) {
    Terminal t;
    t.Feed("\x1b(0lqqk\x1b(B lqqk");
    EXPECT_EQ("+--+ lqqk", t.Row(0));
    t.Feed("\x1b)0\x1b[2;10H\x0elqqqqqqqqk\x0f"
           "\x1b[3;10H\x0ex\x0f Menu   \x0ex\x0f"
           "\x1b[4;10H\x0emqqqqqqqqj\x0f");
    EXPECT_EQ("         +--------+", t.Row(1));
    EXPECT_EQ("         | Menu   |", t.Row(2));
    EXPECT_EQ("         +--------+", t.Row(3));
}

TEST(Session, ProgressBarRedrawnInPlaceWithCarriageReturns) {
    TerminalSettings s;
    s.nationalSet = CharsetState::UsAscii;
    Terminal t(s);
    for (int i = 0; i <= 100; i += 25)
        t.Feed("\r[" + std::string(i / 10, '#') + std::string(10 - i / 10, ' ') + "] " +
               std::to_string(i) + "%");
    t.Feed("\r\n");
    EXPECT_EQ(Rows(t, 0, 2), (std::vector<std::string>{"[##########] 100%", ""}));
    EXPECT_EQ(1, t.emu.CursorRow());
}

} // namespace
