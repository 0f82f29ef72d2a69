#include "textsvc/LogWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A file that keeps what was written, counts opens and closes, and can be
// made to refuse opening or to fill up after some bytes.
struct FakeFile : LogFile {
    bool Open(const char* path) override {
        opened.push_back(path);
        return openWorks;
    }
    bool Write(const char* bytes, int count) override {
        int room = int(space - contents.size());
        contents.append(bytes, count < room ? count : room);
        return count <= room;
    }
    void Close() override { ++closes; }

    std::string contents;
    std::vector<std::string> opened;
    int closes = 0;
    bool openWorks = true;
    std::size_t space = 1 << 20;
};

struct CountingAlert : LogAlert {
    void CannotWrite() override { ++shown; }
    int shown = 0;
};

struct LogWriterTest : testing::Test {
    FakeFile file;
    CountingAlert alert;
    LogWriter writer{file, alert};
};

std::string Counted(const std::string& text) {
    return std::string(1, char(text.size())) + text;
}

void WriteLine(LogWriter& writer, const std::string& text) {
    std::string counted = Counted(text);
    writer.WriteLine(reinterpret_cast<const unsigned char*>(counted.data()));
}

} // namespace

TEST_F(LogWriterTest, LinesEndInCrLfAndBytesPassUnchanged) {
    ASSERT_TRUE(writer.Start("C:\\A.LOG", 0));
    WriteLine(writer, "first");
    WriteLine(writer, "");
    WriteLine(writer, std::string(132, 'x'));
    writer.WriteBytes("\x1b[1m\r\n\a\xe4", 8);
    EXPECT_EQ(file.contents, "first\r\n\r\n" + std::string(132, 'x') + "\r\n\x1b[1m\r\n\a\xe4");
    // A count beyond a screen line's 132 characters is cut there.
    file.contents.clear();
    std::string overlong = char(200) + std::string(200, 'y');
    writer.WriteLine(reinterpret_cast<const unsigned char*>(overlong.data()));
    EXPECT_EQ(file.contents, std::string(132, 'y') + "\r\n");
}

TEST_F(LogWriterTest, NothingIsWrittenWhileClosed) {
    WriteLine(writer, "before");
    writer.WriteBytes("abc", 3);
    ASSERT_TRUE(writer.Start("C:\\A.LOG", 0));
    writer.Stop();
    WriteLine(writer, "after");
    EXPECT_EQ(file.contents, "");
    EXPECT_EQ(file.closes, 1);
}

TEST_F(LogWriterTest, AFileThatCannotBeOpenedAlertsOnceAndWritesNothing) {
    file.openWorks = false;
    EXPECT_FALSE(writer.Start("Z:\\NO\\A.LOG", 0));
    WriteLine(writer, "lost");
    writer.FlushTick(LogFlushInterval * 3);
    writer.Stop();
    EXPECT_EQ(alert.shown, 1);
    EXPECT_EQ(file.contents, "");
    EXPECT_EQ(file.closes, 0);
}

// The flush reopens only a file written to, only after more than a minute
// (counted across the tick count's wrap), and only once per minute.
TEST_F(LogWriterTest, FlushReopensAWrittenFileOnceAMinute) {
    const unsigned start = 0xFFFFF000u;
    ASSERT_TRUE(writer.Start("C:\\A.LOG", start));
    writer.FlushTick(start + 2 * LogFlushInterval);
    EXPECT_EQ(file.opened.size(), 1u) << "a clean file is never reopened";
    writer.WriteBytes("x", 1);
    writer.FlushTick(start + LogFlushInterval);
    EXPECT_EQ(file.opened.size(), 1u) << "exactly a minute is not more than a minute";
    writer.FlushTick(start + LogFlushInterval + 1);
    EXPECT_EQ(file.opened.size(), 2u);
    EXPECT_EQ(file.opened[1], "C:\\A.LOG");
    EXPECT_EQ(file.closes, 1);
    writer.WriteBytes("y", 1);
    writer.FlushTick(start + LogFlushInterval + 2);
    EXPECT_EQ(file.opened.size(), 2u);
    EXPECT_EQ(writer.logOpen, 1);
    writer.FlushTick(start + 3 * LogFlushInterval);
    writer.FlushTick(start + 5 * LogFlushInterval);
    EXPECT_EQ(file.opened.size(), 3u) << "a reopened file is clean until written";
}

TEST_F(LogWriterTest, StartingAgainClosesTheOldFileAndAnEmptyWriteKeepsItClean) {
    ASSERT_TRUE(writer.Start("C:\\A.LOG", 0));
    ASSERT_TRUE(writer.Start("C:\\B.LOG", 0));
    EXPECT_EQ(file.closes, 1);
    writer.WriteBytes("", 0);
    writer.FlushTick(2 * LogFlushInterval);
    EXPECT_EQ(file.opened, (std::vector<std::string>{"C:\\A.LOG", "C:\\B.LOG"}));
}

TEST_F(LogWriterTest, AFailedReopenStopsWritingWithOneAlert) {
    ASSERT_TRUE(writer.Start("C:\\A.LOG", 0));
    writer.WriteBytes("x", 1);
    file.openWorks = false;
    writer.FlushTick(LogFlushInterval + 1);
    writer.WriteBytes("y", 1);
    writer.FlushTick(3 * LogFlushInterval);
    EXPECT_EQ(writer.logOpen, 0);
    EXPECT_EQ(alert.shown, 1);
    EXPECT_EQ(file.contents, "x");
}

// A full disk: the bytes that fit stay, the user is told once, and the
// log stops instead of losing every later line unseen.
TEST_F(LogWriterTest, AFullDiskStopsTheLogWithOneAlert) {
    file.space = 10;
    ASSERT_TRUE(writer.Start("C:\\A.LOG", 0));
    WriteLine(writer, "12345678");
    WriteLine(writer, "more");
    writer.WriteBytes("more", 4);
    EXPECT_EQ(file.contents, "12345678\r\n");
    file.space = 11;
    WriteLine(writer, "z");
    EXPECT_EQ(file.contents, "12345678\r\n");
    EXPECT_EQ(alert.shown, 1);
    EXPECT_EQ(writer.logOpen, 0);
    EXPECT_EQ(file.closes, 1);
}

// Rows: mode before, OK or Cancel, policy chosen; mode after, whether the
// file is open, opens and closes.
TEST_F(LogWriterTest, TheDialogsEndSetsTheModeAndTheFile) {
    struct Case {
        int modeBefore;
        bool ok;
        int policy;
        int modeAfter, open, opens, closes;
    } cases[] = {
        {0, true, 1, 1, 1, 1, 0},  {0, true, 2, 2, 1, 1, 0},  {1, true, 2, 2, 1, 2, 1},
        {2, false, 1, 0, 0, 1, 1}, {0, false, 2, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        FakeFile f;
        CountingAlert a;
        LogWriter w(f, a);
        int mode = c.modeBefore;
        if (mode) w.Start("C:\\OLD.LOG", 0);
        FinishLogDialog(c.ok, c.policy, "C:\\NEW.LOG", 5, mode, w);
        EXPECT_EQ(mode, c.modeAfter) << c.modeBefore << c.ok << c.policy;
        EXPECT_EQ(w.logOpen, c.open) << c.modeBefore << c.ok << c.policy;
        EXPECT_EQ(int(f.opened.size()), c.opens) << c.modeBefore << c.ok << c.policy;
        EXPECT_EQ(f.closes, c.closes) << c.modeBefore << c.ok << c.policy;
    }
}

TEST_F(LogWriterTest, AFailedStartKeepsTheModeAndStopLoggingClearsIt) {
    file.openWorks = false;
    int mode = 0;
    FinishLogDialog(true, 2, "Z:\\A.LOG", 0, mode, writer);
    EXPECT_EQ(mode, 2) << "the check mark stays in the failed state";
    EXPECT_EQ(writer.logOpen, 0);
    StopLogging(mode, writer);
    EXPECT_EQ(mode, 0);

    // A running log is closed; a path of the longest length is kept whole.
    file.openWorks = true;
    const std::string longest = "C:\\" + std::string(256, 'L');
    ASSERT_TRUE(writer.Start(longest.c_str(), 0));
    writer.WriteBytes("x", 1);
    writer.FlushTick(2 * LogFlushInterval);
    EXPECT_EQ(file.opened.back(), longest);
    StopLogging(mode, writer);
    EXPECT_EQ(writer.logOpen, 0);
    EXPECT_EQ(file.closes, 2);
}
