#pragma once

#include "keyboard/KeyCodeList.h"

#include <string>
#include <vector>

// Key codes as a vector, for comparison in expectations.
inline std::vector<KeyCode> Codes(const KeyCodeList& list) {
    std::vector<KeyCode> codes;
    for (int i = 0; i < list.Size(); ++i)
        codes.push_back(list[i]);
    return codes;
}

// The codes of text's bytes, after ESC when escaped.
inline std::vector<KeyCode> Text(const std::string& text) {
    std::vector<KeyCode> codes;
    for (unsigned char c : text)
        codes.push_back(c);
    return codes;
}
inline std::vector<KeyCode> Esc(const std::string& text) {
    return Text("\x1b" + text);
}

// Key message data carrying a scan code and, when asked, the extended bit.
inline std::uint32_t KeyData(int scan, bool extended = false) {
    return (static_cast<std::uint32_t>(scan) << 16) | (extended ? 1u << 24 : 0u);
}
