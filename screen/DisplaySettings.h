#pragma once

class Profile;

constexpr int FontFaceSize = 32;
constexpr int DefaultLogicalColumns = 80;
constexpr int DefaultLogicalLines = 24;
constexpr int MinLogicalColumns = 3;
constexpr int MaxLogicalColumns = 132;
constexpr int MinLogicalLines = 3;
constexpr int MaxLogicalLines = 60;
constexpr int DefaultFontSize = 10;
// Font sizes outside this range in points, which no screen font is chosen
// at, read as the default.
constexpr int MinFontSize = 4;
constexpr int MaxFontSize = 200;

// The display group of section "Window": logical size, font and colours.
struct DisplaySettings {
    int columns = DefaultLogicalColumns;     // LogicalColumns, 3 to 132
    int lines = DefaultLogicalLines;         // LogicalLines, 3 to 60 (the configured line count)
    char fontFace[FontFaceSize] = "Courier"; // Font
    int fontSize = DefaultFontSize;          // FontSize, points
    int colorScheme = 0;                     // ColorScheme, kept as stored: 1 to 4 or standard
};

// The stored column count as the screen takes it: below 5 becomes 3,
// above 132 becomes 132.
int ClampColumns(int stored);
// The stored line count limited to 3..60.
int ClampLines(int stored);

DisplaySettings ReadDisplaySettings(Profile& profile);

// Writes ColorScheme, Font, FontSize, LogicalLines, LogicalColumns in that
// order; lines is the configured count, columns the current one.
void WriteDisplaySettings(Profile& profile, const DisplaySettings& settings);
