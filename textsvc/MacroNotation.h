#pragma once

#include "keyboard/KeyCodeList.h"
#include "keyboard/KeyQueue.h"

// The notation of macro definitions: plain characters are sent as typed; a
// backslash starts an escape for Return, Tab, the cursor keys, a byte by
// its decimal value, a backslash, or a pause of 1 to 9 seconds.

constexpr int MacroDefinitionSize = 256;

// Reads one plain character or one escape from text, of which at most
// length bytes are read, and adds its key codes to codes (none for an
// unknown escape or a trailing backslash). Returns the bytes consumed, 0 at
// the end of the text.
int ExpandMacroItem(const char* text, int length, KeyCodeList& codes);

// Walks a definition item by item, up to its terminating zero and at most
// MacroDefinitionSize bytes.
class MacroReader {
  public:
    explicit MacroReader(const char* definition) : definition(definition) {}
    // The next item's codes in codes (emptied first); 0 at the end.
    int Next(KeyCodeList& codes);

  private:
    const char* definition;
    int position = 0;
};

// Expands a whole definition (up to its terminating zero, at most
// MacroDefinitionSize bytes) into out, which has room for capacity codes;
// returns the number of codes stored.
int ExpandMacro(const char* definition, KeyCode* out, int capacity);

// What playing a macro needs from the terminal window.
class MacroWindow {
  public:
    virtual ~MacroWindow() = default;
    // Lets the receive pump read again (local echo, replies to the macro).
    virtual void MarkDataReady() {}
    // Repaints what changed, so that the macro's progress shows.
    virtual void UpdateWindow() {}
};

// Queues the definition's codes one item at a time, pumping the key queue
// after each; pauses and a busy send queue leave the rest waiting in the
// key queue, where codes beyond its capacity are lost with a beep.
void PlayMacro(const char* definition, KeyQueue& keys, MacroWindow& window);
