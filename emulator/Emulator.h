#pragma once

#include "emulator/AnsiCodePage.h"
#include "emulator/CharacterCells.h"
#include "emulator/CharsetState.h"
#include "emulator/CsiParams.h"
#include "emulator/EmulatorHost.h"
#include "emulator/TerminalSettings.h"
#include "emulator/Utf8Decoder.h"
#include "keyboard/KeyModes.h"
#include "screen/Cell.h"

class ScreenBuffer;

// The terminal emulator: turns the byte stream from the host into operations
// on the screen buffer, as a DEC VT100 or VT200 (with their VT52 mode) or a
// plain teletype. Fields are plain integers, flags 0 or 1; rows and columns
// are 0-based. The window reads the cursor, local echo, the key modes and
// the key table; it changes the options only through ApplySettings.
class Emulator {
  public:
    enum ParserState { Ground, Escape, CsiParameter, SequenceTail, Vt52Row, Vt52Column };
    enum Emulation { Tty = 0, Vt100 = 1, Vt200 = 2 };
    // Parameter and intermediate characters of one sequence kept at most.
    static constexpr int MaxSequenceChars = 256;

    // Reads the options and resets the terminal; the cursor starts at row 0,
    // column 0. Without a host, replies, beeps and window calls go nowhere.
    Emulator(ScreenBuffer& screen, const TerminalSettings& settings = TerminalSettings(),
             EmulatorHost* host = nullptr);
    Emulator(const Emulator&) = delete;
    Emulator& operator=(const Emulator&) = delete;

    void SetHost(EmulatorHost* host);

    // Takes a block of received bytes, after Telnet processing, in any size;
    // a sequence split across blocks is completed by the next block.
    void ProcessInput(const unsigned char* bytes, int length);
    void ProcessInput(const char* bytes, int length);

    // Full reset of modes, character sets and geometry; keeps the screen, the
    // cursor, autowrap, newline mode and local echo.
    void ResetTerminal();
    // Margins, tab stops, line widths and saved cursor for the current
    // logical size; the window calls it whenever that size changes.
    void ResetGeometry();
    // Sends the screen size when size reports are on.
    void ReportSize();

    // The options as the settings file and the dialog see them.
    TerminalSettings CurrentSettings() const;
    // Takes the dialog's options: a reset when resetNeeded, else new
    // character sets when charsetChanged; the other options act at once.
    void ApplySettings(const TerminalSettings& settings, int resetNeeded, int charsetChanged);
    // The "Multinational character set" menu command.
    void ToggleMultinational();

    // The cursor; the column may equal the column count while a wrap is
    // pending.
    int CursorRow() const { return cursorRow; }
    int CursorCol() const { return cursorCol; }
    // The window's layout moved the screen's lines: the cursor follows its
    // text. A row off the screen is brought back before the next byte.
    void SetCursorRow(int row) { cursorRow = row; }
    int LocalEcho() const { return localEcho; }
    // What key translation needs of the modes and options, as they are now.
    KeyModes CurrentKeyModes() const;
    // Typed characters to the bytes sent, for the current character sets.
    const unsigned char* KeyTable() const { return charsets.keyTable; }
    // The Windows character set of the cells and of what the user sends;
    // Windows-1252 until the window gives the system's.
    void SetAnsiCodePage(const AnsiCodePage& page) {
        ansiCodePage = page;
        cellCache.Clear();
    }
    // The bytes to send for a character the user sends, written to out (room
    // for 4); returns their count.
    int EncodeSent(unsigned char c, unsigned char* out) const;

  private:
    // Tests and fuzz targets read the inner state through this view.
    friend struct EmulatorProbe;

    // Options.
    int emulation;
    int multinational;
    int nationalSet;
    int localEcho;
    int bsSendsCtrlH;
    int homeSendsCtrlA;
    int autowrap;
    int newlineMode;
    int monitorMode;
    int utf8;

    // Modes.
    int ansiMode;
    int cursorKeyMode;
    int keypadMode;
    int insertMode;
    int originMode;
    int printerController;
    int autoPrint;
    int printExtent;
    int printFormFeed;
    int sizeReports;

    // Cursor, attribute, region, tabs and line widths. cursorCol may equal
    // the column count after a graphic character (pending wrap); every
    // operation but the next graphic character takes the cursor as standing
    // on the last column.
    int cursorRow;
    int cursorCol;
    int attribute;
    int scrollTop;
    int scrollBottom;
    unsigned char tabStops[LineWidth];
    unsigned char lineWidth[MaxLines];

    // What DECSC saved; savedRow -1 means nothing is saved.
    int savedRow;
    int savedCol;
    int savedAttribute;
    int savedOriginMode;

    // Options kept while VT52 mode lasts.
    int vt52SavedNational;
    int vt52SavedMultinational;
    int vt52SavedKeypad;

    CharsetState charsets;
    ParserState parserState;
    int singleShift;

    // The logical size that margins and tab stops are laid out for.
    int Columns() const { return geometryColumns; }
    int Lines() const { return geometryLines; }
    // The screen buffer's size, held to the ranges the emulator works in.
    int ScreenColumns() const;
    int ScreenLines() const;
    int Width() const { return lineWidth[cursorRow]; }
    void CopySettings(const TerminalSettings& settings);
    void SetMultinational(int on);
    // The character sets are those of 8-bit data: multinational or UTF-8.
    int EightBitCharsets() const { return multinational || utf8; }

    // The three writers that ProcessInput chooses among.
    void ParseVt(const unsigned char* bytes, int length);
    void WriteTty(const unsigned char* bytes, int length);
    void WriteTtyGraphic(unsigned char glyph);

    // UTF-8 mode.
    void DecodeUtf8(const unsigned char* bytes, int length);
    void WriteCharacter(unsigned cp);
    CharacterCells CellsOf(unsigned cp);
    void WriteCells(const CharacterCells& cells);
    void FitWideCharacter();
    void WriteMonitor(const unsigned char* bytes, int length);
    // The ground-state action for one byte of VT100 or VT200 emulation.
    void ExecuteControl(unsigned char b);

    // Parser.
    void CheckGeometry();
    int IsPlainGraphic(unsigned char b) const;
    int WriteTextRun(const unsigned char* bytes, int length);
    int CollectParameters(const unsigned char* bytes, int length);
    void ParseByte(unsigned char b);
    void EnterSequence(unsigned char b);
    void CollectParameter(unsigned char b);
    void HandleTail(unsigned char b);
    void FinishSequence(unsigned char b);
    int IsPrinterControllerEnd() const;
    void Vt52SetRow(unsigned char b);
    void Vt52SetColumn(unsigned char b);
    void EndSingleShift();

    // Ground state.
    void WriteGraphic(unsigned char glyph);
    void ResolvePendingWrap(int w);
    int LastColumn(int w) const;
    int CursorColumn() const;
    void StandOnLastColumn();
    void Backspace(int w);
    void HorizontalTab();
    void LineFeed();
    void ShowMonitorChar(unsigned char c);

    // Dispatchers: 1 when the sequence was recognised.
    int DispatchCsi();
    int DispatchPrivateCsi(const CsiParams& p);
    int DispatchEscape();
    int DispatchEscapeIntermediate();
    int DispatchLineAttribute();
    int Designate();
    int DispatchVt52();

    // Cursor motion.
    void CursorUp(int k);
    void CursorDown(int k);
    void CursorForward(int k);
    void CursorBackward(int k);
    void CursorPosition(int row, int col);
    void CursorHome();
    void NextLine();

    // Editing.
    void InsertCharacters(int k);
    void DeleteCharacters(int k);
    void EraseCharacters(int k);
    void InsertLines(int k);
    void DeleteLines(int k);
    void ResetLineWidths(int first, int last);
    void ResetErasedLineWidths(int type);
    void AlignmentFill();
    void DoubleWidth();
    void SingleWidth();

    // Modes, tabs, attributes and saved state.
    int SetMode(int mode, int on);
    int SetPrivateMode(int mode, int on);
    int EnterVt52Mode();
    int MediaCopy(int p0);
    int PrivateMediaCopy(int p0);
    void SetRegion(int top, int bottom);
    void SelectGraphicRendition(const CsiParams& p);
    void SetTabStop();
    void ClearTabStop();
    void ClearAllTabStops();
    int ClearTabs(int type);
    void SaveCursor();
    void RestoreCursor();
    void FullReset();
    void SingleShift(int g);

    // Reports.
    void Identify();
    int DeviceAttributes(int p0);
    int StatusReport(int p0);
    void CursorPositionReport();
    int PrinterStatusReport(int p0);
    void SetSizeReports(int on);
    void SendReply(const char* text);

    // Modes and motions that several dispatchers share.
    // Switches to c columns (132 or 80; held to 3..132), clearing the screen
    // into history.
    void SetColumns(int c);
    // 0 enters VT52 mode, 1 leaves it.
    void SetAnsiMode(int mode);
    void Index();
    void ReverseIndex();
    // whole 1: the screen, 0: the cursor line; type 0 from the cursor, 1 up to
    // it, 2 all.
    void EraseArea(int whole, int type);

    ScreenBuffer& screen_;
    EmulatorHost defaultHost_;
    EmulatorHost* host_;

    // The sequence's parameters, read as they arrive; paramCount counts the
    // parameter characters kept (leading zeros are not), lastParamChar is the
    // last of them.
    CsiParams params;
    int paramCount;
    unsigned char lastParamChar;
    unsigned char interChars[MaxSequenceChars];
    int interCount;
    unsigned char finalChar;
    int csiSeen;
    // Set when the byte being handled began a single shift, which then
    // applies to the next byte rather than ending at once.
    int shiftStartedNow;
    int geometryLines;
    int geometryColumns;
    Utf8Decoder utf8Decoder;
    AnsiCodePage ansiCodePage;
    CellCache cellCache;
};
