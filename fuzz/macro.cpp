// Macro expansion of arbitrary definitions: nothing is read past the
// definition, every code is a byte or a pause marker, the count stays
// within what the definition's size allows, and playing it never overfills
// the key queue.

#include "session/Session.h"
#include "textsvc/MacroNotation.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The most codes one definition can give: a cursor escape turns 2 bytes
// into 3 codes, every other item gives at most one code per byte.
constexpr int MaxCodes = MacroDefinitionSize * 3 / 2;

void Check(bool condition) {
    if (!condition) std::abort();
}

// A connected host that never accepts a byte, so the codes stay queued.
class StalledConnection : public Connection {};

class NoSessionWindow : public SessionWindow {};

void CheckExpansion(const char* text) {
    KeyCode codes[MaxCodes + 1];
    int count = ExpandMacro(text, codes, MaxCodes + 1);
    Check(count >= 0 && count <= MaxCodes);
    for (int i = 0; i < count; ++i)
        Check(IsByteCode(codes[i]) || PauseSeconds(codes[i]) != 0);

    // The item reader agrees with the whole expansion.
    MacroReader reader(text);
    KeyCodeList item;
    int seen = 0;
    while (reader.Next(item))
        for (int i = 0; i < item.Size(); ++i)
            Check(seen < count && item[i] == codes[seen++]);
    Check(seen == count);
}

void CheckPlaying(const char* text) {
    StalledConnection connection;
    connection.connected = 1;
    NoSessionWindow sessionWindow;
    Session session(sessionWindow);
    session.Link(&connection);
    KeyQueueWindow window;
    KeyQueue keys(session, window);
    MacroWindow macroWindow;
    PlayMacro(text, keys, macroWindow);
    PlayMacro(text, keys, macroWindow);
    Check(keys.Count() <= KeyQueue::Size - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The definition as a buffer of exactly its size: zero-terminated when
    // shorter than the definition's limit, unterminated at the limit.
    bool terminated = size < MacroDefinitionSize;
    std::size_t length = terminated ? size : MacroDefinitionSize;
    char* text = new char[length + (terminated ? 1 : 0)];
    std::memcpy(text, data, length);
    if (terminated) text[length] = 0;
    CheckExpansion(text);
    CheckPlaying(text);
    delete[] text;
    return 0;
}
