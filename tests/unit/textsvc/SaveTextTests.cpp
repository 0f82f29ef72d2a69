#include "textsvc/SaveText.h"

#include "screen/ScreenTestSupport.h"
#include "textsvc/SelectionCopy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A file that takes at most `room` bytes in all, converting ä to its OEM
// code 0x84.
class FakeFile : public SaveTarget {
  public:
    void Convert(char* bytes, int count) override {
        for (int i = 0; i < count; ++i)
            if (bytes[i] == '\xe4') bytes[i] = '\x84';
    }
    long Write(const char* bytes, int count) override {
        pieces.push_back(count);
        int taken = std::min<long>(count, room - static_cast<long>(text.size()));
        text.append(bytes, taken);
        return taken;
    }
    std::string text;
    std::vector<int> pieces;
    long room = 1 << 20;
};

class SaveTextTest : public ScreenFixture {
  protected:
    // Lines of history, the screen pushed into the store as in scroll-back
    // mode, everything selected.
    void SelectLines(const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            screen.store.AppendLine(Counted(line).data());
        screen.PushScreenToHistory();
        screen.selStartLine = 0;
        screen.selStartCol = 0;
        screen.selEndLine = static_cast<int>(lines.size()) - 1;
        screen.selEndCol = 80;
    }
    FakeFile file;
};

TEST_F(SaveTextTest, LinesJoinWithCrLfConvertedAndNothingAfterTheLast) {
    SelectLines({"gr\xe4n", "", "end  x"});
    EXPECT_EQ(SaveSelectionText(screen, file), 1);
    EXPECT_EQ(file.text, "gr\x84n\r\n\r\nend  x");
}

TEST_F(SaveTextTest, OneCharacterIsWritten) {
    SelectLines({"x"});
    EXPECT_EQ(SaveSelectionText(screen, file), 1);
    EXPECT_EQ(file.text, "x");
}

TEST_F(SaveTextTest, LongSelectionIsWrittenWholeIn512BytePieces) {
    std::vector<std::string> lines;
    for (int i = 0; i < 20; ++i)
        lines.push_back(LongLine(i));
    SelectLines(lines);
    EXPECT_EQ(SaveSelectionText(screen, file), 1);
    EXPECT_EQ(file.text.size(), 19u * (132 + 2) + 80); // the last line up to column 80
    EXPECT_EQ(file.pieces, (std::vector<int>{512, 512, 512, 512, 512, 66}));
    EXPECT_EQ(file.text.substr(0, 134), LongLine(0) + "\r\n");
}

TEST_F(SaveTextTest, ShortWriteFailsAndStopsWriting) {
    std::vector<std::string> lines(20, std::string(100, 'w'));
    SelectLines(lines);
    file.room = 700;
    StorePosition viewTop = screen.store.Tell();
    EXPECT_EQ(SaveSelectionText(screen, file), 0);
    EXPECT_EQ(file.pieces, (std::vector<int>{512, 512}));
    EXPECT_EQ(screen.store.Tell().pos, viewTop.pos) << "cursor not back at the view top";
}

// After a failed write every further line is refused, not buffered.
TEST(SaveWriterTest, RefusesEveryLineAfterAFailedWrite) {
    FakeFile full;
    full.room = 0;
    SaveWriter writer(full);
    std::string line(SaveBufferSize, 'z');
    const auto* chars = reinterpret_cast<const unsigned char*>(line.data());
    EXPECT_EQ(writer.Line(chars, 0, 0), 1);
    EXPECT_EQ(writer.Line(chars, SaveBufferSize, 0), 0);
    EXPECT_EQ(writer.Line(chars, 1, 1), 0);
    EXPECT_EQ(writer.Finish(), 0);
    EXPECT_EQ(full.pieces, std::vector<int>{SaveBufferSize});
}

} // namespace
