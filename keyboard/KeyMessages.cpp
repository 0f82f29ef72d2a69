#include "keyboard/KeyMessages.h"

#include "keyboard/KeyTranslation.h"

KeyMessageResult HandleKeyDown(unsigned virtualKey, std::uint32_t keyData,
                               const KeyContext& context) {
    KeyMessageResult result;
    if (context.hold) {
        result.scroll = ScrollKeyFor(virtualKey, context.keys.ctrl);
        if (result.scroll.bar) return result;
    }
    // F5 without modifiers is the break key; TranslateKeyDown yields the marker.
    result.codes = TranslateKeyDown(virtualKey, keyData, context);
    return result;
}

KeyMessageResult HandleChar(unsigned character, std::uint32_t keyData, const KeyContext& context) {
    KeyMessageResult result;
    if (character == 3) {
        if (IsExtendedKey(keyData)) {
            if (!context.hold) result.codes.Add(BreakMarker);
            return result;
        }
        if (ScanCodeOf(keyData) == ScanCode::ScrollLock) return result;
    }
    result.codes = TranslateChar(character, keyData, context);
    return result;
}

KeyMessageResult HandleSysKeyDown(unsigned virtualKey, std::uint32_t keyData,
                                  const KeyContext& context) {
    KeyMessageResult result;
    result.codes = TranslateKeyDown(virtualKey, keyData, context);
    result.defaultProcessing = result.codes.Empty();
    return result;
}
