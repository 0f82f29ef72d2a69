#pragma once

#include "emulator/EmulatorProbe.h"
#include "screen/ScreenBuffer.h"
#include "screen/ScreenTestSupport.h"

#include <memory>
#include <string>
#include <vector>

// Records what the emulator asks of the window and the connection.
class RecordingHost : public EmulatorHost {
  public:
    void SendReply(const char* text, int length) override { replies.append(text, length); }
    void Beep() override { ++beeps; }
    void ShowColumnsChanged() override { ++columnSwitches; }
    void SetSoftSize(int on) override { softSize.push_back(on); }
    void UpdateSizeItem() override { ++sizeItemUpdates; }

    std::string replies;
    int beeps = 0;
    int columnSwitches = 0;
    std::vector<int> softSize;
    int sizeItemUpdates = 0;
};

// A real screen buffer with an emulator on it, fed with strings.
struct Terminal {
    explicit Terminal(const TerminalSettings& settings = TerminalSettings(), int columns = 80,
                      int lines = 24)
        : screen(new ScreenBuffer(columns, lines)), emu(*screen, settings, &host) {}

    void Feed(const std::string& bytes) { emu.ProcessInput(bytes.data(), int(bytes.size())); }
    // Monitor mode turned on or off as the settings dialog does, without a reset.
    void SetMonitorMode(int on) {
        TerminalSettings s = emu.CurrentSettings();
        s.monitorMode = on;
        emu.ApplySettings(s, 0, 0);
    }

    // The row's characters in the logical columns, trailing blanks removed.
    std::string Row(int row) const { return Text(row, screen->columns); }
    // All 132 cells of the row, trailing blanks removed.
    std::string FullRow(int row) const { return Text(row, LineWidth); }
    unsigned char Attr(int row, int col) const { return CellAttr(screen->CellAt(row, col)); }
    unsigned char Char(int row, int col) const { return CellChar(screen->CellAt(row, col)); }

    // Every line of the scrollback store, oldest first.
    std::vector<std::string> History() { return StoreLines(screen->store); }

    std::string Text(int row, int width) const {
        std::string text;
        for (int col = 0; col < width; ++col)
            text += static_cast<char>(Char(row, col));
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }

    std::unique_ptr<ScreenBuffer> screen;
    RecordingHost host;
    Emulator emu;
    EmulatorProbe state{emu};
};

inline TerminalSettings WithAutowrap() {
    TerminalSettings s;
    s.autowrap = 1;
    return s;
}

inline TerminalSettings WithEmulation(int emulation) {
    TerminalSettings s;
    s.emulation = emulation;
    return s;
}
