#pragma once

#include "screen/ScreenBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What the buffer asked of its window, in order.
struct ViewEvent {
    char kind; // 'I' invalidate, 'S' scroll, 'U' update
    int a, b, c, d;
    bool operator==(const ViewEvent& o) const {
        return kind == o.kind && a == o.a && b == o.b && c == o.c && d == o.d;
    }
};

inline ViewEvent Inval(int r1, int r2, int c1, int c2) {
    return {'I', r1, r2, c1, c2};
}
inline ViewEvent Scroll(int top, int end, int n, int cols) {
    return {'S', top, end, n, cols};
}
inline ViewEvent Update() {
    return {'U', 0, 0, 0, 0};
}

class RecordingView : public ScreenView {
  public:
    void InvalidateCells(int r1, int r2, int c1, int c2) override {
        events.push_back(Inval(r1, r2, c1, c2));
    }
    void ScrollCells(int top, int end, int n, int cols) override {
        events.push_back(Scroll(top, end, n, cols));
    }
    void UpdateView() override { events.push_back(Update()); }
    void LogLine(const unsigned char* text) override {
        logged.emplace_back(reinterpret_cast<const char*>(text + 1), text[0]);
    }
    void StoreShortage() override { shortages += 1; }

    std::vector<ViewEvent> events;
    std::vector<std::string> logged;
    int shortages = 0;
};

inline std::string RowText(const ScreenBuffer& screen, int row) {
    unsigned char text[CountedLineSize];
    screen.GetLineText(row, text);
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

inline void WriteText(ScreenBuffer& screen, int row, int col, const std::string& text,
                      unsigned char attr = 0) {
    for (char ch : text)
        screen.PutChar(static_cast<unsigned char>(ch), attr, row, col++);
}

// Counted text for a line; at most 255 characters.
inline std::vector<unsigned char> Counted(const std::string& text) {
    std::vector<unsigned char> out(CountedLineSize > text.size() + 2 ? CountedLineSize
                                                                     : text.size() + 2);
    out[0] = static_cast<unsigned char>(text.size());
    std::copy(text.begin(), text.end(), out.begin() + 1);
    return out;
}

inline std::string ReadLine(ScrollbackStore& store) {
    unsigned char text[CountedLineSize] = {0};
    if (!store.ReadNextLine(text)) return "<end>";
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

// Every line of the store, oldest first; the cursor is put back afterwards.
inline std::vector<std::string> StoreLines(ScrollbackStore& store) {
    StorePosition at = store.Tell();
    while (store.SkipBack()) {
    }
    std::vector<std::string> lines;
    for (std::string line = ReadLine(store); line != "<end>"; line = ReadLine(store))
        lines.push_back(line);
    store.Seek(at);
    return lines;
}

// A line of 132 characters that names its number.
inline std::string LongLine(int number) {
    std::string text = "line " + std::to_string(number) + " ";
    text.resize(LineWidth, 'x');
    return text;
}

// Records of 132 characters take 134 bytes: 122 of them fill a block.
constexpr int LongLinesPerBlock = StoreBlockSize / (LineWidth + 2);

// An 80 x 24 screen with a block pool of its own, reporting to a recorder.
class ScreenFixture : public ::testing::Test {
  protected:
    ScreenFixture() { screen.SetView(&view); }
    BlockPool pool;
    ScreenBuffer screen{80, 24, pool};
    RecordingView view;
};
