#include "keyboard/KeyTranslation.h"

#include "keyboard/VirtualKeys.h"

namespace {

constexpr KeyCode Esc = 27;
constexpr KeyCode Del = 127;

// VT200 sequences of F1 to F10 with Shift: F11 to F14, Help, Do, F17 to F20.
const char* const shiftedFunctionKeys[10] = {"[23~", "[24~", "[25~", "[26~", "[28~",
                                             "[29~", "[31~", "[32~", "[33~", "[34~"};
// VT200 F6 to F10 for the unshifted F6 to F10.
const char* const plainFunctionKeys[5] = {"[17~", "[18~", "[19~", "[20~", "[21~"};

// The DEC keypad's application finals for the PC keypad's scan codes 71 to
// 83: 7 8 9 minus, 4 5 6 plus (DEC comma), 1 2 3 0 period.
const char keypadFinals[] = "wxymtuvlqrspn";

KeyCodeList ApplicationKeypad(char final, const KeyModes& modes) {
    KeyCodeList out;
    out.Add(Esc);
    out.Add(modes.ansiMode ? 'O' : '?');
    out.Add(static_cast<unsigned char>(final));
    return out;
}

KeyCodeList FunctionKey(int scan, const KeyContext& context) {
    KeyCodeList out;
    const KeyModifiers& keys = context.keys;
    if (keys.shift)
        out.AddEscape(shiftedFunctionKeys[scan - ScanCode::F1]);
    else if (keys.ctrl || keys.alt)
        return out;
    else if (scan <= ScanCode::F4)
        out = PfKeySequence(scan, context.modes);
    else if (scan == ScanCode::F5)
        out.Add(BreakMarker);
    else
        out.AddEscape(plainFunctionKeys[scan - ScanCode::F5 - 1]);
    return out;
}

KeyCodeList EditingKey(unsigned vk, const KeyContext& context) {
    KeyCodeList out;
    int ctrl = context.keys.ctrl;
    switch (vk) {
    case VirtualKey::Prior: out.AddEscape(ctrl ? "[32~" : "[5~"); break;
    case VirtualKey::Next: out.AddEscape(ctrl ? "[33~" : "[6~"); break;
    case VirtualKey::End:
        if (ctrl)
            out.AddEscape("[19~");
        else
            out.Add(5);
        break;
    case VirtualKey::Home:
        if (ctrl)
            out.AddEscape("[18~");
        else
            out.Add(context.modes.homeSendsCtrlA ? 1 : 8);
        break;
    case VirtualKey::Left:
    case VirtualKey::Up:
    case VirtualKey::Right:
    case VirtualKey::Down: out = CursorKeySequence(vk, context); break;
    case VirtualKey::Insert: out.AddEscape("[26~"); break;
    case VirtualKey::Delete:
        out = CursorKeySequence(VirtualKey::Right, context);
        out.Add(Del);
        break;
    case VirtualKey::F11: out.AddEscape("[1~"); break;
    case VirtualKey::F12: out.AddEscape("[2~"); break;
    case VirtualKey::Scroll: out.Add(ScrollLockChanged(context.keys.scrollLockOn)); break;
    default: break;
    }
    return out;
}

// Keys with the extended bit that send characters: keypad Enter and /.
KeyCodeList ExtendedKeyChar(unsigned ch, const KeyModes& modes) {
    KeyCodeList out;
    if (ch == 13) {
        if (modes.keypadMode) return ApplicationKeypad('M', modes);
        out.Add(13);
    } else if (ch == '/') {
        out.AddEscape("[4~");
    }
    return out;
}

// Any other character is sent as itself; Ctrl+Space sends NUL, and a NUL
// character sends nothing.
KeyCodeList PlainChar(unsigned ch, const KeyModifiers& keys) {
    KeyCodeList out;
    if (ch == ' ' && keys.ctrl)
        out.Add(0);
    else if (ch != 0)
        out.Add(ch);
    return out;
}

} // namespace

KeyCodeList TranslateKeyDown(unsigned virtualKey, std::uint32_t keyData,
                             const KeyContext& context) {
    int scan = ScanCodeOf(keyData);
    if (scan >= ScanCode::F1 && scan <= ScanCode::F10) return FunctionKey(scan, context);
    return EditingKey(virtualKey, context);
}

KeyCodeList TranslateChar(unsigned character, std::uint32_t keyData, const KeyContext& context) {
    KeyCodeList out;
    // The window's characters are bytes; anything wider would read as a marker.
    if (character > 255) return out;
    const KeyModes& modes = context.modes;
    int scan = IsExtendedKey(keyData) ? ScanCode::Extended : ScanCodeOf(keyData);
    switch (scan) {
    case ScanCode::Backspace:
        // Ctrl+Backspace is 127 on most keyboards but 8 on some drivers;
        // the held Ctrl key tells it from a plain Backspace either way.
        if (character == 8 && !context.keys.ctrl)
            out.Add(modes.bsSendsCtrlH ? 8 : Del);
        else
            out.AddEscape("[23~");
        return out;
    case ScanCode::Enter:
        if (character == 10)
            out.AddEscape("[29~");
        else
            out.Add(13);
        return out;
    case ScanCode::KeypadStar: out.AddEscape("[3~"); return out;
    case ScanCode::KeypadMinus: return KeypadSequence('-', scan, modes);
    case ScanCode::KeypadPlus: return KeypadSequence('+', scan, modes);
    case ScanCode::Extended: return ExtendedKeyChar(character, modes);
    default: break;
    }
    if (scan >= ScanCode::Keypad7 && scan <= ScanCode::KeypadPoint)
        return KeypadSequence(character, scan, modes);
    return PlainChar(character, context.keys);
}

KeyCodeList CursorKeySequence(unsigned virtualKey, const KeyContext& context) {
    KeyCodeList out;
    if (context.keys.ctrl && virtualKey == VirtualKey::Left)
        out.AddEscape("[20~");
    else if (context.keys.ctrl && virtualKey == VirtualKey::Right)
        out.AddEscape("[31~");
    if (!out.Empty()) return out;
    out.Add(Esc);
    if (context.modes.ansiMode) out.Add(context.modes.cursorKeyMode ? 'O' : '[');
    switch (virtualKey) {
    case VirtualKey::Up: out.Add('A'); break;
    case VirtualKey::Down: out.Add('B'); break;
    case VirtualKey::Right: out.Add('C'); break;
    case VirtualKey::Left: out.Add('D'); break;
    default: return KeyCodeList();
    }
    return out;
}

KeyCodeList KeypadSequence(unsigned character, int scanCode, const KeyModes& modes) {
    int index = scanCode - ScanCode::Keypad7;
    bool onKeypad = index >= 0 && scanCode <= ScanCode::KeypadPoint;
    if (modes.keypadMode && onKeypad) return ApplicationKeypad(keypadFinals[index], modes);
    KeyCodeList out;
    if (character != 0 && character <= 255) out.Add(character);
    return out;
}

KeyCodeList PfKeySequence(int scanCode, const KeyModes& modes) {
    KeyCodeList out;
    if (scanCode < ScanCode::F1 || scanCode > ScanCode::F4) return out;
    out.Add(Esc);
    if (modes.ansiMode) out.Add('O');
    out.Add(static_cast<KeyCode>(scanCode + 21));
    return out;
}

KeyCode ScrollLockChanged(int scrollLockOn) {
    return scrollLockOn ? HoldMarker : ResumeMarker;
}
