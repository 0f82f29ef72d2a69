// lumoprobe: looks at the windows of a running program and acts on them the
// way UI automation tools do, through the ordinary Win32 API. One command per
// run; results go to standard output as tab-separated lines.
//
//   lumoprobe windows               top-level windows: handle, pid, class, visible,
//                                   left, top, right, bottom, title
//   lumoprobe children HWND         child windows: handle, id, class, style, text
//   lumoprobe menu HWND [init]      the window's menu: depth, position, id, type, state,
//                                   text; "init" sends WM_INITMENU first
//   lumoprobe command HWND ID       posts WM_COMMAND ID
//   lumoprobe close HWND            posts WM_CLOSE
//   lumoprobe client HWND           the client area on the screen: left, top, right,
//                                   bottom
//   lumoprobe items HWND            the items of a combo box, one a line; the selected
//                                   one starts with "*"
//   lumoprobe click HWND TEXT       clicks the child button whose text is TEXT
//   lumoprobe press HWND ID         clicks the dialog's control ID as the mouse does
//                                   (radio buttons and check boxes change too)
//   lumoprobe settext HWND ID TEXT  sets the text of the dialog's control ID
//   lumoprobe text HWND ID          the text of the dialog's control ID
//   lumoprobe listbox HWND ID       the list box ID's items: index, selected, text
//   lumoprobe select HWND ID INDEX  selects a list box item, notifying the dialog
//   lumoprobe choose HWND ID TEXT   chooses the item that starts with TEXT in the
//                                   dialog's combo box ID, notifying the dialog
//   lumoprobe scroll HWND           the window's scroll bars: position, minimum, maximum
//                                   of the vertical bar, then of the horizontal one
//   lumoprobe post HWND MSG W L     posts a message
//   lumoprobe enabled HWND          1 when the window is enabled, else 0
//   lumoprobe stay                  keeps the Wine session and its desktop up until
//                                   killed, so that the programs under test never
//                                   have to start them
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND ParseHandle(const char* text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(text, nullptr, 0)));
}

// Tabs and line breaks inside texts are written as \t and \n.
void PrintText(const char* text) {
    for (const char* p = text; *p; ++p) {
        if (*p == '\t')
            std::fputs("\\t", stdout);
        else if (*p == '\n')
            std::fputs("\\n", stdout);
        else if (*p != '\r')
            std::fputc(*p, stdout);
    }
}

BOOL CALLBACK ListTopLevel(HWND window, LPARAM) {
    char className[128] = "";
    char title[256] = "";
    DWORD process = 0;
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    GetWindowThreadProcessId(window, &process);
    RECT placed = {};
    GetWindowRect(window, &placed);
    std::printf("%p\t%lu\t%s\t%d\t%ld\t%ld\t%ld\t%ld\t", static_cast<void*>(window), process,
                className, IsWindowVisible(window) ? 1 : 0, placed.left, placed.top, placed.right,
                placed.bottom);
    PrintText(title);
    std::printf("\n");
    return TRUE;
}

BOOL CALLBACK ListChild(HWND window, LPARAM) {
    char className[128] = "";
    char text[512] = "";
    GetClassNameA(window, className, sizeof className);
    // Asked of the control itself: the text of another process's edit
    // control is not its window name.
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    std::printf("%p\t%d\t%s\t%08lx\t", static_cast<void*>(window), GetDlgCtrlID(window), className,
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
    PrintText(text);
    std::printf("\n");
    return TRUE;
}

struct ButtonSearch {
    const char* text;
    HWND found;
};

BOOL CALLBACK FindButton(HWND window, LPARAM data) {
    ButtonSearch* search = reinterpret_cast<ButtonSearch*>(data);
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, search->text) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

int Click(HWND dialog, const char* text) {
    ButtonSearch search = {text, nullptr};
    EnumChildWindows(dialog, FindButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::fprintf(stderr, "no button \"%s\"\n", text);
        return 1;
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(search.found), BN_CLICKED),
                 reinterpret_cast<LPARAM>(search.found));
    return 0;
}

// Controls of a dialog by id. Messages that carry text are sent, which the
// system copies across processes; clicks are posted, so that a message box
// opened by one does not keep the probe waiting.
HWND Control(HWND dialog, const char* id) {
    HWND control = GetDlgItem(dialog, std::atoi(id));
    if (!control) std::fprintf(stderr, "no control %s\n", id);
    return control;
}

int Press(HWND control) {
    return PostMessageA(control, BM_CLICK, 0, 0) ? 0 : 1;
}

int SetText(HWND control, const char* text) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return 0;
}

int PrintControlText(HWND control) {
    static char text[4096];
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    PrintText(text);
    std::printf("\n");
    return 0;
}

// The items are read in UTF-16, which Wine carries across processes whole,
// and shown in the ANSI code page.
int ListItems(HWND list) {
    static WCHAR wide[2048];
    static char text[4096];
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) >= LRESULT(sizeof wide / sizeof *wide))
            return 1;
        wide[0] = 0;
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        std::printf("%ld\t%d\t", static_cast<long>(i), i == selected ? 1 : 0);
        PrintText(text);
        std::printf("\n");
    }
    return 0;
}

int SelectItem(HWND dialog, HWND list, const char* index) {
    SendMessageA(list, LB_SETCURSEL, std::atoi(index), 0);
    return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(list))
               ? 0
               : 1;
}

// Menus and scroll bars cannot be read from another process, so the probe
// hooks the window's thread with lumoprobehook.dll (beside this program) and
// receives the menu (or the scroll bars) as text through WM_COPYDATA.
struct HookReply {
    bool received;
    bool answered;
    char text[16384];
};

LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
    HookReply* reply = reinterpret_cast<HookReply*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    std::size_t size = data->cbData < sizeof reply->text ? data->cbData : sizeof reply->text - 1;
    std::memcpy(reply->text, data->lpData, size);
    reply->text[size] = '\0';
    reply->answered = data->dwData != 0;
    reply->received = true;
    return 1;
}

HWND CreateReplyWindow(HookReply* reply) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ReplyProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LumoProbeReply";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "LumoProbeReply", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reply));
    return window;
}

HMODULE LoadHookLibrary() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (!length || !slash || (slash - path) + 20 >= MAX_PATH) return nullptr;
    std::strcpy(slash + 1, "lumoprobehook.dll");
    return LoadLibraryA(path);
}

// Asks the hook inside the program for a report; 0 when it came.
int AskHook(HWND window, const char* requestName, WPARAM argument) {
    static HookReply reply;
    HMODULE library = LoadHookLibrary();
    FARPROC exported = library ? GetProcAddress(library, "ProbeGetMessageHook") : nullptr;
    HOOKPROC hookProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(exported));
    if (!hookProc) {
        std::fprintf(stderr, "cannot load lumoprobehook.dll\n");
        return 1;
    }
    HWND replyWindow = CreateReplyWindow(&reply);
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, hookProc, library,
                                   GetWindowThreadProcessId(window, nullptr));
    UINT request = RegisterWindowMessageA(requestName);
    PostMessageA(window, request, reinterpret_cast<WPARAM>(replyWindow), argument);
    DWORD deadline = GetTickCount() + 5000;
    while (!reply.received && static_cast<LONG>(deadline - GetTickCount()) > 0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    if (hook) UnhookWindowsHookEx(hook);
    if (!reply.received) {
        std::fprintf(stderr, "no answer from the window\n");
        return 1;
    }
    if (!reply.answered) {
        std::fprintf(stderr, "the window has nothing to report (no menu)\n");
        return 1;
    }
    std::fputs(reply.text, stdout);
    return 0;
}

int Menu(HWND window, bool initialise) {
    return AskHook(window, "LumoProbeMenuRequest", initialise ? 1 : 0);
}

// The dialog hears of the choice as it would of a user's.
int ChooseComboItem(HWND dialog, HWND combo, const char* text) {
    LRESULT index = SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text));
    if (index == CB_ERR) {
        std::fprintf(stderr, "no item \"%s\"\n", text);
        return 1;
    }
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return 0;
}

int ClientArea(HWND window) {
    RECT r;
    if (!GetClientRect(window, &r)) return 1;
    POINT corner = {0, 0};
    ClientToScreen(window, &corner);
    std::printf("%ld\t%ld\t%ld\t%ld\n", corner.x, corner.y, corner.x + r.right,
                corner.y + r.bottom);
    return 0;
}

int ComboItems(HWND combo) {
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // The system's dialogs are Unicode windows, whose items only the
        // wide message reads whole across processes.
        WCHAR wide[256] = L"";
        char text[512] = "";
        if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) >= 256) continue;
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        std::printf("%s", i == selected ? "*" : "");
        PrintText(text);
        std::printf("\n");
    }
    return count == CB_ERR ? 1 : 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: lumoprobe windows | stay | children HWND | menu HWND | "
                 "command HWND ID | close HWND | client HWND | items HWND | click HWND TEXT | "
                 "press HWND ID | settext HWND ID TEXT | text HWND ID | listbox HWND ID | "
                 "select HWND ID INDEX | choose HWND ID TEXT | scroll HWND | post HWND MSG W L | "
                 "enabled HWND\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const char* verb = argv[1];
    if (!std::strcmp(verb, "windows")) return EnumWindows(ListTopLevel, 0) ? 0 : 1;
    if (!std::strcmp(verb, "stay")) {
        GetDesktopWindow();
        for (;;)
            Sleep(60000);
    }
    if (argc < 3) return Usage();
    HWND window = ParseHandle(argv[2]);
    if (!IsWindow(window)) {
        std::fprintf(stderr, "no window %s\n", argv[2]);
        return 1;
    }
    if (!std::strcmp(verb, "children")) {
        EnumChildWindows(window, ListChild, 0);
        return 0;
    }
    if (!std::strcmp(verb, "menu")) return Menu(window, argc > 3 && !std::strcmp(argv[3], "init"));
    if (!std::strcmp(verb, "close")) return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (!std::strcmp(verb, "client")) return ClientArea(window);
    if (!std::strcmp(verb, "items")) return ComboItems(window);
    if (!std::strcmp(verb, "scroll")) return AskHook(window, "LumoProbeScrollRequest", 0);
    if (!std::strcmp(verb, "enabled")) {
        std::printf("%d\n", IsWindowEnabled(window) ? 1 : 0);
        return 0;
    }
    if (!std::strcmp(verb, "post") && argc > 5)
        return PostMessageA(window, std::strtoul(argv[3], nullptr, 0),
                            std::strtoul(argv[4], nullptr, 0), std::strtol(argv[5], nullptr, 0))
                   ? 0
                   : 1;
    if (argc < 4) return Usage();
    if (!std::strcmp(verb, "command"))
        return PostMessageA(window, WM_COMMAND, std::atoi(argv[3]), 0) ? 0 : 1;
    if (!std::strcmp(verb, "click")) return Click(window, argv[3]);
    HWND control = Control(window, argv[3]);
    if (!control) return 1;
    if (!std::strcmp(verb, "press")) return Press(control);
    if (!std::strcmp(verb, "text")) return PrintControlText(control);
    if (!std::strcmp(verb, "listbox")) return ListItems(control);
    if (argc < 5) return Usage();
    if (!std::strcmp(verb, "settext")) return SetText(control, argv[4]);
    if (!std::strcmp(verb, "select")) return SelectItem(window, control, argv[4]);
    if (!std::strcmp(verb, "choose")) return ChooseComboItem(window, control, argv[4]);
    return Usage();
}
