#pragma once

// A colour as the platform packs it: red in the low byte, then green, then
// blue.
using ColorValue = unsigned long;

constexpr ColorValue Rgb(int red, int green, int blue) {
    return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8) |
           (static_cast<ColorValue>(blue) << 16);
}

// The four colours the terminal draws with.
struct SchemeColors {
    ColorValue back;
    ColorValue text;
    ColorValue selBack;
    ColorValue selText;
};

// The schemes of the Colors dialog: 0 follows the system's window and
// highlight colours, 1 to 4 are fixed. Any other number behaves as 0.
constexpr int SchemeCount = 5;

// The colours of a scheme; system holds the system's current window,
// window-text, highlight and highlight-text colours for scheme 0.
SchemeColors ColorsOfScheme(int scheme, const SchemeColors& system);

// What drawing a run with an attribute byte selects: the text and
// background colours and the font index (0 normal, 1 bold, 2 underline,
// 3 both). The selection bit takes the selection colours, reverse video
// exchanges the two; blink has no effect here.
struct RunLook {
    ColorValue text;
    ColorValue back;
    int font;
};
RunLook LookOfAttribute(unsigned char attr, const SchemeColors& colors);

// The attribute a blinking run is drawn with while hidden: bold, underline
// and blink removed, reverse and selection kept, so that the run's cells
// show only their background.
constexpr unsigned char HiddenBlinkAttribute(unsigned char attr) {
    return static_cast<unsigned char>(attr & 0xF8);
}
