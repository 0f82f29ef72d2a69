#include "settings/ProfileTestSupport.h"

#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

FrameMetrics Metrics() {
    FrameMetrics m;
    m.cxFrame = 4;
    m.cyFrame = 5;
    m.cxVScroll = 17;
    m.cyHScroll = 16;
    m.cyMenu = 19;
    m.cyCaption = 20;
    return m;
}

ScreenGeometry Screen(int columns = 80, int lines = 24) {
    ScreenGeometry g;
    g.cellWidth = 8;
    g.cellHeight = 15;
    g.columns = columns;
    g.lines = lines;
    return g;
}

WindowPlacement PlaceFrom(const std::string& text, ScreenGeometry g = Screen()) {
    IniProfile ini = MakeIni(text);
    return PlaceWindow(ReadWindowSettings(ini), g, Metrics());
}

} // namespace

TEST(WindowSettingsRead, EmptyFileGivesDefaults) {
    IniProfile ini;
    const WindowSettings s = ReadWindowSettings(ini);
    EXPECT_EQ(s.windowRect.top, 0);
    EXPECT_EQ(s.windowRect.bottom, 0);
    EXPECT_EQ(s.windowRect.left, 0);
    EXPECT_EQ(s.windowRect.right, 0);
    EXPECT_EQ(s.rememberOrigin, 0);
    EXPECT_EQ(s.verticalScrollBar, 1);
    EXPECT_EQ(s.autoFocus, 0);
    EXPECT_EQ(s.softSize, 0);
}

TEST(WindowSettingsRead, SwitchesReadAsZeroOrOne) {
    IniProfile ini = MakeIni("[Window]\nRememberOrigin=5\nVerticalScrollBar=0\nAutoFocus=-1\n"
                             "SoftSize=2\n");
    const WindowSettings s = ReadWindowSettings(ini);
    EXPECT_EQ(s.rememberOrigin, 1);
    EXPECT_EQ(s.verticalScrollBar, 0);
    EXPECT_EQ(s.autoFocus, 1);
    EXPECT_EQ(s.softSize, 1);
}

TEST(WindowSettingsWrite, OrderAndValues) {
    RecordingProfile profile;
    WindowSettings s;
    s.windowRect = {10, 20, 670, 420};
    s.rememberOrigin = 1;
    s.softSize = 1;
    WriteWindowSettings(profile, s);
    const std::vector<std::string> expected = {
        "Window/Top=20",      "Window/Bottom=420",       "Window/Left=10",
        "Window/Right=670",   "Window/RememberOrigin=1", "Window/VerticalScrollBar=1",
        "Window/AutoFocus=0", "Window/SoftSize=1"};
    EXPECT_EQ(profile.writes, expected);
    const WindowSettings back = ReadWindowSettings(profile);
    EXPECT_EQ(back.windowRect.right, 670);
    EXPECT_EQ(back.windowRect.bottom, 420);
}

TEST(StoredWindowRect, AddsRoomOfHiddenBars) {
    WindowAtExit w;
    w.left = 100;
    w.top = 50;
    w.frameWidth = 600;
    w.frameHeight = 400;
    WindowRect r = StoredWindowRect(w, Metrics());
    EXPECT_EQ(r.right, 700);
    EXPECT_EQ(r.bottom, 450);
    w.hBarShown = 0;
    w.vBarShown = 0;
    r = StoredWindowRect(w, Metrics());
    EXPECT_EQ(r.right, 717);
    EXPECT_EQ(r.bottom, 466);
    w.softSize = 1; // the SoftSize layout never shows the horizontal bar
    r = StoredWindowRect(w, Metrics());
    EXPECT_EQ(r.bottom, 450);
    EXPECT_EQ(r.right, 717);
}

TEST(StoredWindowRect, ExtremeValuesStayInRange) {
    WindowAtExit w;
    w.left = INT_MAX - 10;
    w.top = INT_MAX;
    w.frameWidth = 600;
    w.frameHeight = 400;
    const WindowRect r = StoredWindowRect(w, Metrics());
    EXPECT_EQ(r.right, INT_MAX);
    EXPECT_EQ(r.bottom, INT_MAX);
}

TEST(WindowPlacement, NothingStoredSizesForTheScreenAtASystemPosition) {
    const WindowPlacement p = PlaceFrom("");
    EXPECT_EQ(p.defaultPosition, 1);
    EXPECT_EQ(p.width, 8 * 80 + 2 * 4 + 17);
    EXPECT_EQ(p.height, 15 * 24 + 2 * 5 + 16 + 19 + 20);
}

TEST(WindowPlacement, WithoutVerticalBarTheWidthLeavesItsRoomOut) {
    const WindowPlacement p = PlaceFrom("[Window]\nVerticalScrollBar=0\n", Screen(132, 60));
    EXPECT_EQ(p.width, 8 * 132 + 2 * 4);
    EXPECT_EQ(p.height, 15 * 60 + 2 * 5 + 16 + 19 + 20);
}

TEST(WindowPlacement, EqualEdgesMeanNothingStored) {
    EXPECT_EQ(PlaceFrom("[Window]\nTop=10\nBottom=10\nLeft=0\nRight=500\n").width, 665);
    EXPECT_EQ(PlaceFrom("[Window]\nTop=10\nBottom=300\nLeft=40\nRight=40\n").width, 665);
}

TEST(WindowPlacement, RememberOriginOffUsesStoredSizeAtSystemPosition) {
    const WindowPlacement p = PlaceFrom("[Window]\nTop=10\nBottom=310\nLeft=40\nRight=540\n");
    EXPECT_EQ(p.defaultPosition, 1);
    EXPECT_EQ(p.width, 500);
    EXPECT_EQ(p.height, 300);
}

TEST(WindowPlacement, RememberOriginOnUsesStoredPositionAndSize) {
    const WindowPlacement p =
        PlaceFrom("[Window]\nTop=10\nBottom=310\nLeft=-40\nRight=540\nRememberOrigin=1\n");
    EXPECT_EQ(p.defaultPosition, 0);
    EXPECT_EQ(p.x, -40);
    EXPECT_EQ(p.y, 10);
    EXPECT_EQ(p.width, 580);
    EXPECT_EQ(p.height, 300);
}

TEST(WindowPlacement, InvertedOrOverflowingRectangleIsTreatedAsNothingStored) {
    EXPECT_EQ(PlaceFrom("[Window]\nTop=300\nBottom=10\nLeft=0\nRight=500\nRememberOrigin=1\n")
                  .defaultPosition,
              1);
    const WindowPlacement p = PlaceFrom(
        "[Window]\nTop=0\nBottom=100\nLeft=-2147483648\nRight=2147483647\nRememberOrigin=1\n");
    EXPECT_EQ(p.defaultPosition, 1);
    EXPECT_EQ(p.width, 665);
}
