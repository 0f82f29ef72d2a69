#include "app/WindowSettings.h"

#include "settings/Profile.h"
#include "settings/SettingsValues.h"

namespace {

const char Window[] = "Window";

} // namespace

WindowSettings ReadWindowSettings(Profile& profile) {
    WindowSettings s;
    s.windowRect.top = profile.GetInt(Window, "Top", 0);
    s.windowRect.bottom = profile.GetInt(Window, "Bottom", 0);
    s.windowRect.left = profile.GetInt(Window, "Left", 0);
    s.windowRect.right = profile.GetInt(Window, "Right", 0);
    s.rememberOrigin = ReadFlag(profile, Window, "RememberOrigin", 0);
    s.verticalScrollBar = ReadFlag(profile, Window, "VerticalScrollBar", 1);
    s.autoFocus = ReadFlag(profile, Window, "AutoFocus", 0);
    s.softSize = ReadFlag(profile, Window, "SoftSize", 0);
    return s;
}

void WriteWindowSettings(Profile& profile, const WindowSettings& s) {
    WriteInt(profile, Window, "Top", s.windowRect.top);
    WriteInt(profile, Window, "Bottom", s.windowRect.bottom);
    WriteInt(profile, Window, "Left", s.windowRect.left);
    WriteInt(profile, Window, "Right", s.windowRect.right);
    WriteInt(profile, Window, "RememberOrigin", s.rememberOrigin);
    WriteInt(profile, Window, "VerticalScrollBar", s.verticalScrollBar);
    WriteInt(profile, Window, "AutoFocus", s.autoFocus);
    WriteInt(profile, Window, "SoftSize", s.softSize);
}

WindowRect StoredWindowRect(const WindowAtExit& w, const FrameMetrics& m) {
    const long long height =
        w.frameHeight + (w.hBarShown == 0 && w.softSize == 0 ? (long long)m.cyHScroll : 0);
    const long long width = w.frameWidth + (w.vBarShown == 0 ? (long long)m.cxVScroll : 0);
    WindowRect r;
    r.top = w.top;
    r.left = w.left;
    r.bottom = ClampToInt(w.top + height);
    r.right = ClampToInt(w.left + width);
    return r;
}
