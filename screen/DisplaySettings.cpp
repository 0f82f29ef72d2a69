#include "screen/DisplaySettings.h"

#include "settings/BoundedText.h"
#include "settings/Profile.h"
#include "settings/SettingsValues.h"

namespace {
const char Window[] = "Window";
}

int ClampColumns(int stored) {
    if (stored < 5) return MinLogicalColumns;
    return stored > MaxLogicalColumns ? MaxLogicalColumns : stored;
}

int ClampLines(int stored) {
    if (stored < MinLogicalLines) return MinLogicalLines;
    return stored > MaxLogicalLines ? MaxLogicalLines : stored;
}

DisplaySettings ReadDisplaySettings(Profile& profile) {
    DisplaySettings s;
    s.columns = ClampColumns(profile.GetInt(Window, "LogicalColumns", DefaultLogicalColumns));
    s.lines = ClampLines(profile.GetInt(Window, "LogicalLines", DefaultLogicalLines));
    profile.GetString(Window, "Font", "Courier", s.fontFace, FontFaceSize);
    TrimTrailingBlanks(s.fontFace); // a face cut short may end in a blank
    s.fontSize =
        ReadInRange(profile, Window, "FontSize", DefaultFontSize, MinFontSize, MaxFontSize);
    s.colorScheme = profile.GetInt(Window, "ColorScheme", 0);
    return s;
}

void WriteDisplaySettings(Profile& profile, const DisplaySettings& s) {
    WriteInt(profile, Window, "ColorScheme", s.colorScheme);
    WriteText(profile, Window, "Font", s.fontFace);
    WriteInt(profile, Window, "FontSize", s.fontSize);
    WriteInt(profile, Window, "LogicalLines", s.lines);
    WriteInt(profile, Window, "LogicalColumns", s.columns);
}
