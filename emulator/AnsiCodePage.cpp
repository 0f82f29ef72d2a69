#include "emulator/AnsiCodePage.h"

#include <algorithm>

namespace {

// Bytes 128 to 255 of Windows-1252; 0 where the code page has no character.
const unsigned short Windows1252[128] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    // 160 to 255 are the characters of the same number.
};

} // namespace

AnsiCodePage::AnsiCodePage() {
    unsigned short table[128];
    for (int i = 0; i < 128; ++i)
        table[i] = i < 32 ? Windows1252[i] : static_cast<unsigned short>(128 + i);
    Take(table);
}

AnsiCodePage::AnsiCodePage(const unsigned short (&unicode)[128]) {
    Take(unicode);
}

void AnsiCodePage::Take(const unsigned short (&unicode)[128]) {
    count_ = 0;
    for (int i = 0; i < 128; ++i) {
        unicode_[i] = unicode[i] < 0xA0 ? 0 : unicode[i];
        if (unicode_[i])
            byCharacter_[count_++] = {unicode_[i], static_cast<unsigned char>(128 + i)};
    }
    // Two bytes for one character: the first is the one chosen.
    std::stable_sort(byCharacter_, byCharacter_ + count_,
                     [](const Entry& a, const Entry& b) { return a.cp < b.cp; });
}

unsigned AnsiCodePage::ToUnicode(unsigned char b) const {
    return b < 128 ? b : unicode_[b - 128];
}

int AnsiCodePage::FromUnicode(unsigned cp) const {
    if (cp < 128) return static_cast<int>(cp);
    const Entry* end = byCharacter_ + count_;
    const Entry* at = std::lower_bound(byCharacter_, end, cp,
                                       [](const Entry& e, unsigned c) { return e.cp < c; });
    return at != end && at->cp == cp ? at->byte : -1;
}
