// Keyboard messages with arbitrary keys, key data, modifiers and modes:
// every code a message yields is a byte or a marker the key queue knows,
// never a pause (only macros pause), and no translation is cut short by
// the code list's capacity. A held window gets no break from Ctrl+Break,
// and the navigation keys it scrolls with yield nothing.

#include "keyboard/KeyMessages.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

struct Input {
    std::uint8_t message;
    std::uint8_t flags;
    std::uint8_t modes;
    std::uint8_t pad;
    std::uint32_t key;
    std::uint32_t keyData;
};

KeyContext ContextOf(const Input& in) {
    KeyContext context;
    context.keys.shift = in.flags & 1;
    context.keys.ctrl = (in.flags >> 1) & 1;
    context.keys.alt = (in.flags >> 2) & 1;
    context.keys.scrollLockOn = (in.flags >> 3) & 1;
    context.modes.ansiMode = in.modes & 1;
    context.modes.cursorKeyMode = (in.modes >> 1) & 1;
    context.modes.keypadMode = (in.modes >> 2) & 1;
    context.modes.bsSendsCtrlH = (in.modes >> 3) & 1;
    context.modes.homeSendsCtrlA = (in.modes >> 4) & 1;
    context.hold = (in.modes >> 5) & 1;
    return context;
}

KeyMessageResult Handle(const Input& in, const KeyContext& context) {
    switch (in.message % 3) {
    case 0: return HandleKeyDown(in.key, in.keyData, context);
    case 1: return HandleChar(in.key, in.keyData, context);
    default: return HandleSysKeyDown(in.key, in.keyData, context);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in;
    while (size >= sizeof in) {
        std::memcpy(&in, data, sizeof in);
        data += sizeof in;
        size -= sizeof in;
        KeyContext context = ContextOf(in);
        KeyMessageResult result = Handle(in, context);
        const KeyCodeList& codes = result.codes;
        Check(codes.Size() < KeyCodeList::Capacity);
        for (int i = 0; i < codes.Size(); ++i) {
            Check(IsKnownKeyCode(codes[i]));
            Check(PauseSeconds(codes[i]) == 0);
            if (in.message % 3 == 1 && context.hold) Check(codes[i] != BreakMarker);
        }
        Check(result.scroll.bar >= 0 && result.scroll.bar <= 2);
        if (result.scroll.bar) Check(in.message % 3 == 0 && context.hold && codes.Empty());
        Check(result.defaultProcessing == (in.message % 3 == 2 && codes.Empty()));
    }
    return 0;
}
