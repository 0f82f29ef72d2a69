// lumoprobehook.dll: the part of the probe that runs inside the program under
// test. A menu belongs to the process that made it, so the probe hooks the
// window's thread with this DLL and asks for the menu with a registered
// message; the hook writes the menu as text and sends it back with
// WM_COPYDATA. The positions of the window's scroll bars are asked for and
// sent back the same way.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

const int ReportSize = 16384;

struct Report {
    char text[ReportSize];
    int length;

    void Append(const char* piece) {
        for (const char* p = piece; *p && length < ReportSize - 1; ++p)
            text[length++] = *p;
        text[length] = '\0';
    }
};

// Tabs inside item texts are written as \t, so that fields stay apart.
void AppendEscaped(Report& report, const char* text) {
    for (const char* p = text; *p; ++p) {
        char piece[2] = {*p, '\0'};
        report.Append(*p == '\t' ? "\\t" : piece);
    }
}

void DescribeMenu(Report& report, HMENU menu, int depth) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        if (!GetMenuItemInfoA(menu, i, TRUE, &item)) continue;
        char fields[96];
        std::snprintf(fields, sizeof fields, "%d\t%d\t%u\t%08lx\t%08lx\t", depth, i, item.wID,
                      static_cast<unsigned long>(item.fType),
                      static_cast<unsigned long>(item.fState));
        report.Append(fields);
        AppendEscaped(report, text);
        report.Append("\n");
        if (item.hSubMenu) DescribeMenu(report, item.hSubMenu, depth + 1);
    }
}

void SendReport(HWND window, HWND replyTo, const Report& report, bool answered) {
    COPYDATASTRUCT data = {};
    data.dwData = answered ? 1 : 0;
    data.cbData = report.length + 1;
    data.lpData = const_cast<char*>(report.text);
    SendMessageA(replyTo, WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(&data));
}

void AnswerMenuRequest(HWND window, HWND replyTo, bool initialise) {
    static Report report;
    report.length = 0;
    report.text[0] = '\0';
    HMENU menu = GetMenu(window);
    if (menu && initialise) SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    if (menu) DescribeMenu(report, menu, 0);
    SendReport(window, replyTo, report, menu != nullptr);
}

// "position minimum maximum" of the vertical bar, then of the horizontal.
void AnswerScrollRequest(HWND window, HWND replyTo) {
    static Report report;
    report.length = 0;
    report.text[0] = '\0';
    for (int bar : {SB_VERT, SB_HORZ}) {
        int low = 0, high = 0;
        GetScrollRange(window, bar, &low, &high);
        char line[64];
        std::snprintf(line, sizeof line, "%d\t%d\t%d\n", GetScrollPos(window, bar), low, high);
        report.Append(line);
    }
    SendReport(window, replyTo, report, true);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeGetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    static UINT menuRequest = RegisterWindowMessageA("LumoProbeMenuRequest");
    static UINT scrollRequest = RegisterWindowMessageA("LumoProbeScrollRequest");
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code != HC_ACTION || wParam != PM_REMOVE)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    HWND replyTo = reinterpret_cast<HWND>(message->wParam);
    if (message->message == menuRequest) {
        AnswerMenuRequest(message->hwnd, replyTo, message->lParam != 0);
        message->message = WM_NULL;
    } else if (message->message == scrollRequest) {
        AnswerScrollRequest(message->hwnd, replyTo);
        message->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
