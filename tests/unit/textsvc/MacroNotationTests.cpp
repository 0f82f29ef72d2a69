#include "keyboard/KeyCodeMatchers.h"
#include "keyboard/KeyPipeline.h"
#include "textsvc/MacroNotation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::vector<KeyCode> Expand(const std::string& definition) {
    KeyCode out[512];
    int count = ExpandMacro(definition.c_str(), out, 512);
    return std::vector<KeyCode>(out, out + count);
}

class CountingMacroWindow : public MacroWindow {
  public:
    void MarkDataReady() override { ++dataReady; }
    void UpdateWindow() override { ++updates; }
    int dataReady = 0;
    int updates = 0;
};

TEST(MacroNotation, EscapesForReturnTabAndCursorKeysInEitherCase) {
    EXPECT_EQ(Expand("user\\N"), Text("user\r"));
    EXPECT_EQ(Expand("user\\n"), Text("user\r"));
    EXPECT_EQ(Expand("\\T\\t"), Text("\t\t"));
    EXPECT_EQ(Expand("\\U\\D\\R\\L"), Text("\x1b[A\x1b[B\x1b[C\x1b[D"));
    EXPECT_EQ(Expand("\\u\\d\\r\\l"), Text("\x1b[A\x1b[B\x1b[C\x1b[D"));
    EXPECT_EQ(Expand("a\\\\b"), Text("a\\b"));
}

TEST(MacroNotation, DecimalBytesTakeUpToThreeDigitsModulo256) {
    EXPECT_EQ(Expand("\\0065"), Text("A"));
    EXPECT_EQ(Expand("\\0300"), std::vector<KeyCode>{44});
    EXPECT_EQ(Expand("\\0999"), std::vector<KeyCode>{999 % 256});
    EXPECT_EQ(Expand("\\01234"), (std::vector<KeyCode>{123, '4'}));
    EXPECT_EQ(Expand("\\0"), std::vector<KeyCode>{0});
    EXPECT_EQ(Expand("\\0x"), (std::vector<KeyCode>{0, 'x'}));
    EXPECT_EQ(Expand("\\07\\N"), (std::vector<KeyCode>{7, 13}));
}

TEST(MacroNotation, DigitsOneToNineArePauses) {
    EXPECT_EQ(Expand("a\\3b"), (std::vector<KeyCode>{'a', PauseMarkerFor(3), 'b'}));
    EXPECT_EQ(Expand("\\1\\9"), (std::vector<KeyCode>{0xff31, 0xff39}));
}

TEST(MacroNotation, UnknownEscapesAndATrailingBackslashSendNothing) {
    EXPECT_EQ(Expand("a\\xb"), Text("ab"));
    EXPECT_EQ(Expand("\\\xc4z"), Text("z"));
    EXPECT_EQ(Expand("abc\\"), Text("abc"));
    EXPECT_TRUE(Expand("\\").empty());
    EXPECT_TRUE(Expand("").empty());
}

TEST(MacroNotation, BytesAboveAsciiAreSentAsUnsignedBytes) {
    EXPECT_EQ(Expand("\xc4\xff"), (std::vector<KeyCode>{0xc4, 0xff}));
}

TEST(MacroNotation, ReadingStopsAtTheDefinitionSizeWithoutATerminator) {
    char definition[MacroDefinitionSize + 8];
    std::memset(definition, 'q', sizeof definition);
    EXPECT_EQ(Expand(std::string(definition, sizeof definition)).size(),
              static_cast<size_t>(MacroDefinitionSize));
    KeyCode out[MacroDefinitionSize + 8];
    EXPECT_EQ(ExpandMacro(definition, out, MacroDefinitionSize + 8), MacroDefinitionSize);
    // An escape cut by the size limit is a trailing backslash.
    definition[MacroDefinitionSize - 1] = '\\';
    definition[MacroDefinitionSize] = 'N';
    EXPECT_EQ(ExpandMacro(definition, out, MacroDefinitionSize + 8), MacroDefinitionSize - 1);
    // Decimal digits beyond the limit are not read.
    definition[MacroDefinitionSize - 3] = '\\';
    definition[MacroDefinitionSize - 2] = '0';
    definition[MacroDefinitionSize - 1] = '7';
    int count = ExpandMacro(definition, out, MacroDefinitionSize + 8);
    EXPECT_EQ(out[count - 1], 7u);
}

TEST(MacroNotation, OutputStopsAtTheCapacityGiven) {
    KeyCode out[4] = {1, 1, 1, 1};
    EXPECT_EQ(ExpandMacro("\\U\\U", out, 3), 3);
    EXPECT_EQ(out[3], 1u);
}

TEST(PlayMacro, SendsTheTextThroughTheKeyQueueAndRefreshesAfterEachItem) {
    KeyPipeline road;
    CountingMacroWindow window;
    PlayMacro("guest\\N", road.keys, window);
    EXPECT_EQ(road.Sent(), "guest\r");
    EXPECT_EQ(window.dataReady, 6);
    EXPECT_EQ(window.updates, 6);
}

TEST(PlayMacro, APauseHoldsTheRestAndTypingWaitsBehindIt) {
    KeyPipeline road;
    CountingMacroWindow window;
    PlayMacro("one\\3two", road.keys, window);
    EXPECT_EQ(road.Sent(), "one");
    EXPECT_EQ(road.window.started.back(), std::make_pair(KeyTimer::Pause, 3000));
    road.keys.EnqueueString("!");
    road.keys.PumpKeys();
    road.keys.PauseTimerFired();
    EXPECT_EQ(road.Sent(), "onetwo!");
}

TEST(PlayMacro, NationalLettersGoThroughTheKeyTable) {
    KeyPipeline road;
    unsigned char keyTable[256];
    for (int c = 0; c < 256; ++c)
        keyTable[c] = static_cast<unsigned char>(c < 128 ? c : 0);
    keyTable[0xd6] = '\\'; // O-umlaut in the Finnish set
    road.sessionWindow.keyTable = keyTable;
    CountingMacroWindow window;
    PlayMacro("\xd6l", road.keys, window);
    EXPECT_EQ(road.Sent(), "\\l");
}

TEST(PlayMacro, CodesBeyondTheKeyQueueAreLostWithABeepWhileAPauseWaits) {
    KeyPipeline road;
    CountingMacroWindow window;
    std::string definition = "\\1" + std::string(200, 'a');
    PlayMacro(definition.c_str(), road.keys, window);
    PlayMacro(std::string(100, 'b').c_str(), road.keys, window);
    EXPECT_EQ(road.keys.Count(), 255);
    EXPECT_EQ(road.window.beeps, 45);
    road.keys.PauseTimerFired();
    EXPECT_EQ(road.Sent(), std::string(200, 'a') + std::string(55, 'b'));
}

} // namespace
