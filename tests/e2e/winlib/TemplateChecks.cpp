#include "Check.h"
#include "TestDialog.h"

#include <windows.h>

#include <cstdio>
#include <dlgs.h>
#include <initializer_list>

#include "resources/resource.h"

namespace {

enum Kind { GroupBox, Radio, CheckBox, PushButton, Other };

struct Control {
    int id;
    Kind kind;
    bool startsGroup;
    bool tabStop;
    const char* text;
    RECT units; // x, y, width, height in dialog units
};

Kind KindOf(HWND control) {
    switch (GetWindowLongA(control, GWL_STYLE) & 0x0F) {
    case BS_GROUPBOX: return GroupBox;
    case BS_AUTORADIOBUTTON: return Radio;
    case BS_AUTOCHECKBOX: return CheckBox;
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return PushButton;
    default: return Other;
    }
}

bool HasText(HWND control, const char* expected) {
    char text[64] = "";
    GetWindowTextA(control, text, sizeof text);
    return lstrcmpA(text, expected) == 0;
}

// The control's place in the dialog's client area equals its rectangle in
// dialog units, converted with the dialog's own font (position and size each
// converted on their own, as the dialog manager does).
bool PlacedAt(HWND dialog, HWND control, const RECT& units) {
    RECT converted = units;
    MapDialogRect(dialog, &converted);
    RECT expected = {converted.left, converted.top, converted.left + converted.right,
                     converted.top + converted.bottom};
    RECT actual;
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    return EqualRect(&expected, &actual);
}

void CheckControl(HWND dialog, const Control& expected) {
    HWND control = GetDlgItem(dialog, expected.id);
    CHECK(control != nullptr);
    if (!control) return;
    LONG style = GetWindowLongA(control, GWL_STYLE);
    CHECK(KindOf(control) == expected.kind);
    CHECK(((style & WS_GROUP) != 0) == expected.startsGroup);
    CHECK(((style & WS_TABSTOP) != 0) == expected.tabStop);
    CHECK(HasText(control, expected.text));
    CHECK(PlacedAt(dialog, control, expected.units));
    if (KindOf(control) != expected.kind || !HasText(control, expected.text) ||
        !PlacedAt(dialog, control, expected.units))
        std::printf("  control %d differs\n", expected.id);
}

const Control terminalControls[] = {
    {IDC_EMULATIONGROUP, GroupBox, false, false, "Emulation", {7, 12, 115, 28}},
    {IDC_VT100, Radio, true, true, "VT100", {12, 24, 35, 12}},
    {IDC_VT200, Radio, false, false, "VT200", {52, 24, 36, 12}},
    {IDC_TTY, Radio, false, false, "TTY ", {92, 24, 24, 12}},
    {IDC_BSGROUP, GroupBox, false, false, "Character sent by BS key", {7, 48, 115, 28}},
    {IDC_BSDEL, Radio, true, true, "DEL", {12, 60, 28, 12}},
    {IDC_BSCTRLH, Radio, false, false, "Ctrl-H", {52, 60, 48, 12}},
    {IDC_HOMEGROUP, GroupBox, false, true, "Character sent by HOME key", {7, 84, 115, 28}},
    {IDC_HOMECTRLH, Radio, true, true, "Ctrl-H", {12, 96, 35, 12}},
    {IDC_HOMECTRLA, Radio, false, false, "Ctrl-A", {52, 96, 48, 12}},
    {IDC_CHARSETGROUP, GroupBox, false, false, "National charset", {130, 12, 74, 60}},
    {IDC_USASCII, Radio, true, true, "U.S. Ascii", {136, 22, 44, 12}},
    {IDC_FINNISH, Radio, false, false, "Finnish", {136, 32, 44, 12}},
    {IDC_SWEDISH, Radio, false, false, "Swedish", {136, 42, 52, 12}},
    {IDC_BRITISH, Radio, false, false, "British", {136, 52, 48, 12}},
    {IDC_MODESGROUP, GroupBox, false, false, "Modes", {130, 75, 74, 90}},
    {IDC_MULTINATIONAL, CheckBox, true, true, "Multinational", {139, 90, 59, 12}},
    {IDC_NEWLINE, CheckBox, false, false, "Newline", {139, 101, 48, 12}},
    {IDC_AUTOWRAP, CheckBox, false, false, "Autowrap", {139, 112, 47, 12}},
    {IDC_MONITOR, CheckBox, false, false, "Monitor mode", {139, 123, 61, 12}},
    {IDC_LOCALECHO, CheckBox, false, false, "Local Echo", {139, 135, 61, 12}},
    {IDC_UTF8, CheckBox, false, false, "UTF-8", {139, 147, 61, 12}},
    {IDOK, PushButton, true, true, "OK", {7, 133, 33, 19}},
    {IDCANCEL, PushButton, true, true, "Cancel", {48, 133, 33, 19}},
    {IDC_DEFAULTS, PushButton, true, true, "Defaults", {88, 133, 33, 19}},
};

int CountControls(HWND dialog) {
    int count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

bool CaptionIs(HWND dialog, const char* caption) {
    return HasText(dialog, caption);
}

} // namespace

WINLIB_CHECK(TerminalSettingsTemplateHoldsExactlyItsControls) {
    TestDialog dialog("TERMINALDLG");
    CHECK(dialog.CreateModeless("TERMINALDLG", nullptr));
    HWND handle = dialog.Handle();
    CHECK(CaptionIs(handle, "Terminal settings"));
    CHECK(CountControls(handle) == static_cast<int>(sizeof terminalControls / sizeof(Control)));
    for (const Control& control : terminalControls)
        CheckControl(handle, control);
    // The client area is the template's 211 x 174 units.
    RECT size = {0, 0, 211, 174};
    MapDialogRect(handle, &size);
    RECT client;
    GetClientRect(handle, &client);
    CHECK(client.right == size.right && client.bottom == size.bottom);
    dialog.Destroy();
}

WINLIB_CHECK(HostTemplateAsksForAHostName) {
    TestDialog dialog("HOSTDLGBOX");
    CHECK(dialog.CreateModeless("HOSTDLGBOX", nullptr));
    HWND handle = dialog.Handle();
    CHECK(CaptionIs(handle, "Open connection"));
    char className[16] = "";
    GetClassNameA(GetDlgItem(handle, IDC_HOSTNAME), className, sizeof className);
    CHECK(lstrcmpiA(className, "Edit") == 0);
    CHECK(HasText(GetDlgItem(handle, IDOK), "OK"));
    CHECK(HasText(GetDlgItem(handle, IDCANCEL), "Cancel"));
    bool prompt = false;
    for (HWND child = GetWindow(handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        prompt = prompt || HasText(child, "Enter hostname:");
    CHECK(prompt);
    dialog.Destroy();
}

WINLIB_CHECK(ColorTemplateOffersTheFiveSchemes) {
    static const char* const names[] = {"Standard", "Black on White", "White on Black",
                                        "Green on Black", "White on Blue"};
    TestDialog dialog("COLORDLGBOX");
    CHECK(dialog.CreateModeless("COLORDLGBOX", nullptr));
    HWND handle = dialog.Handle();
    CHECK(CaptionIs(handle, "Window Colors"));
    for (int scheme = 0; scheme < 5; ++scheme) {
        HWND button = GetDlgItem(handle, IDC_SCHEME_STANDARD + scheme);
        CHECK(button != nullptr && KindOf(button) == Radio && HasText(button, names[scheme]));
    }
    CHECK(KindOf(GetDlgItem(handle, IDOK)) == PushButton);
    CHECK(KindOf(GetDlgItem(handle, IDCANCEL)) == PushButton);
    dialog.Destroy();
}

WINLIB_CHECK(FontTemplateHoldsTheChoosersControls) {
    static const struct {
        int id;
        const char* text;
    } texts[] = {{stc1, "&Font:"},     {stc2, "Font St&yle:"},
                 {stc3, "&Size:"},     {IDOK, "OK"},
                 {IDCANCEL, "Cancel"}, {psh3, "&Apply"},
                 {pshHelp, "&Help"},   {grp1, "Effects"},
                 {chx1, "Stri&keout"}, {chx2, "&Underline"},
                 {stc4, "&Color:"},    {grp2, "Sample"},
                 {stc5, "AaBbYyZz"},   {stc6, ""}};
    TestDialog dialog("FONTDLG");
    CHECK(dialog.CreateModeless("FONTDLG", nullptr));
    HWND handle = dialog.Handle();
    CHECK(CaptionIs(handle, "Font"));
    for (const auto& item : texts)
        CHECK(GetDlgItem(handle, item.id) != nullptr &&
              HasText(GetDlgItem(handle, item.id), item.text));
    for (int list : {cmb1, cmb2, cmb3, cmb4})
        CHECK(GetDlgItem(handle, list) != nullptr);
    RECT size = {0, 0, 226, 147};
    MapDialogRect(handle, &size);
    RECT client;
    GetClientRect(handle, &client);
    CHECK(client.right == size.right && client.bottom == size.bottom);
    dialog.Destroy();
}
