#include "emulator/CharsetState.h"

#include <cstring>

namespace {

// A glyph that replaces the ASCII glyph of one code in a set.
struct Replacement {
    unsigned char code;
    unsigned char glyph;
};

const Replacement kFinnish[] = {{91, 196},  {92, 214},  {93, 197},
                                {123, 228}, {124, 246}, {125, 229}};
const Replacement kSwedishExtra[] = {{64, 201}, {96, 233}};
const Replacement kBritish[] = {{35, 163}};
// Line drawing with plain characters: corners and crossings as "+", the
// horizontal line as "-", the vertical line as "|", the checkerboard as "X".
const Replacement kSpecialGraphics[] = {
    {97, 88},  {102, 176}, {103, 177}, {106, 43}, {107, 43}, {108, 43},  {109, 43},  {110, 43},
    {113, 45}, {116, 43},  {117, 43},  {118, 43}, {119, 43}, {120, 124}, {125, 163}, {126, 183}};

template <int N> void Apply(unsigned char* set, const Replacement (&table)[N]) {
    for (const Replacement& r : table)
        set[r.code] = r.glyph;
}

int ClampSlot(int g) {
    return g < 0 || g > 3 ? 0 : g;
}

} // namespace

CharsetState::CharsetState() {
    BuildGlyphSets();
    // G3 is never set by a reset; it starts with ASCII until a host designates.
    designation[3] = UsAscii;
    ResetCharsets(Finnish, 0);
    SaveCharsets();
}

void CharsetState::BuildGlyphSets() {
    for (int set = 0; set < SetCount; ++set)
        for (int code = 0; code < 128; ++code)
            glyphSets[set][code] = static_cast<unsigned char>(code);
    Apply(glyphSets[Finnish], kFinnish);
    Apply(glyphSets[Swedish], kFinnish);
    Apply(glyphSets[Swedish], kSwedishExtra);
    Apply(glyphSets[British], kBritish);
    Apply(glyphSets[SpecialGraphics], kSpecialGraphics);
    for (int code = 32; code < 128; ++code)
        glyphSets[Supplemental][code] = static_cast<unsigned char>(code + 128);
}

void CharsetState::ResetCharsets(int national, int multinational) {
    if (national < UsAscii || national > British) national = UsAscii;
    designation[0] = multinational ? UsAscii : national;
    designation[1] = multinational ? UsAscii : SpecialGraphics;
    designation[2] = Supplemental;
    for (int c = 0; c < 128; ++c)
        keyTable[c] = static_cast<unsigned char>(c);
    std::memset(keyTable + 128, 0, 128);
    if (multinational) {
        MapKeysFrom(Supplemental);
    } else {
        // The national set in use wins, then the others in their fixed order.
        MapKeysFrom(national);
        for (int set = Finnish; set <= SpecialGraphics; ++set)
            if (set != national) MapKeysFrom(set);
    }
    invokedGL = 0;
    invokedGR = 2;
    ReloadGL();
    ReloadGR();
}

// Every glyph of the set that has no key yet is sent as the code that shows it.
void CharsetState::MapKeysFrom(int set) {
    for (int c = 32; c < 128; ++c) {
        unsigned char glyph = glyphSets[set][c];
        if (keyTable[glyph] == 0)
            keyTable[glyph] = static_cast<unsigned char>(set == Supplemental ? glyph : c);
    }
}

int CharsetState::SetForFinal(int final) {
    switch (final) {
    case 'B': return UsAscii;
    case 'C': return Finnish;
    case '5': return Finnish;
    case 'H': return Swedish;
    case '7': return Swedish;
    case 'A': return British;
    case '0': return SpecialGraphics;
    case '<': return Supplemental;
    default: return -1;
    }
}

void CharsetState::Designate(int intermediate, int final) {
    int slot;
    switch (intermediate) {
    case '(': slot = 0; break;
    case ')': slot = 1; break;
    case '*': slot = 2; break;
    case '+': slot = 3; break;
    default: return;
    }
    int set = SetForFinal(final);
    if (set < 0) return;
    designation[slot] = set;
    ReloadGL();
    ReloadGR();
}

void CharsetState::InvokeGL(int g) {
    invokedGL = ClampSlot(g);
    ReloadGL();
}

void CharsetState::InvokeGR(int g) {
    invokedGR = ClampSlot(g);
    ReloadGR();
}

void CharsetState::SaveCharsets() {
    std::memcpy(savedDesignation, designation, sizeof designation);
    savedGL = invokedGL;
    savedGR = invokedGR;
}

void CharsetState::RestoreCharsets() {
    std::memcpy(designation, savedDesignation, sizeof designation);
    invokedGL = savedGL;
    invokedGR = savedGR;
    ReloadGL();
    ReloadGR();
}

void CharsetState::ReloadGL() {
    std::memcpy(displayTable, glyphSets[designation[invokedGL]], 128);
}

void CharsetState::ReloadGR() {
    std::memcpy(displayTable + 128, glyphSets[designation[invokedGR]], 128);
}
