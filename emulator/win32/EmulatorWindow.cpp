#include "emulator/win32/EmulatorWindow.h"

#include "app/SessionTitle.h"
#include "app/TerminalOptions.h"
#include "emulator/win32/TerminalSettingsDialog.h"
#include "keyboard/ScrollKeys.h"
#include "resources/resource.h"
#include "screen/SizeItem.h"
#include "textsvc/HelpContexts.h"
#include "textsvc/MenuHelp.h"
#include "textsvc/win32/HelpViewer.h"

namespace {

int KeyHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0 ? 1 : 0;
}

} // namespace

// The emulator starts from the stored options with a full reset; the
// window's placement is prepared from the settings and the font.
EmulatorWindow::EmulatorWindow(Profile& settings)
    : CommandWindow(settings), emulator(screen, ReadTerminalOptions(settings), this) {
    session.sendQueue.SetKeyTable(emulator.charsets.keyTable);
    WindowSettings stored = {windowRect, rememberOrigin, verticalScrollBar, autoFocus, softSize};
    placement = PlaceWindow(stored, Geometry(), SystemFrameMetrics());
}

// The help viewer closes with the terminal.
EmulatorWindow::~EmulatorWindow() {
    WriteTerminalOptions(settings, emulator.CurrentSettings(), screen.columns, softSize);
    CallHelp(HelpQuitCommand, 0);
}

bool EmulatorWindow::StartTerminal(const char* title, int showCommand) {
    int x = placement.defaultPosition ? CW_USEDEFAULT : placement.x;
    int y = placement.defaultPosition ? CW_USEDEFAULT : placement.y;
    RECT rectangle = {x, y, x + placement.width, y + placement.height};
    if (!CreateFrame(ClassName, title, WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, rectangle,
                     nullptr, nullptr))
        return false;
    UseAccelerators(ClassName);
    Layout();
    ShowWindow(handle, showCommand);
    UpdateWindow(handle);
    return true;
}

void EmulatorWindow::ProcessInput(const char* bytes, int count) {
    receiving = 1;
    emulator.ProcessInput(bytes, count);
    receiving = 0;
}

// A cursor waiting to wrap stands after the last column; the caret stays
// on the last cell.
void EmulatorWindow::CursorCell(int& row, int& col) {
    row = emulator.cursorRow;
    col = emulator.cursorCol < screen.columns ? emulator.cursorCol : screen.columns - 1;
}

void EmulatorWindow::SendReply(const char* text, int length) {
    session.SendReply(text, length);
}

void EmulatorWindow::Beep() {
    MessageBeep(0xFFFFFFFF);
}

// The screen has switched: its contents, the cursor, the margins and the
// tab stops are those of the new width at once. The window takes its size
// at the next update of received data, once for all the switches before
// it: each resize costs tens of milliseconds, and a host that switches on
// every line would hold the window in them, deaf to keys and Exit.
void EmulatorWindow::ShowColumnsChanged() {
    ResetGeometry();
    columnsSizePending = 1;
}

void EmulatorWindow::ShowChanges() {
    if (columnsSizePending) TakeColumnsSize();
    if (sizeItemPending) UpdateSizeItem();
    StreamWindow::ShowChanges();
}

// Restoring and then maximizing lays the window out for the logical width.
// A window maximized at that width already (the switches came in pairs)
// keeps its place, so that it does not flicker. The fixed layout runs as
// it did right after the switch, even when the host has turned SoftSize
// on since: that layout leaves the screen, the cursor and the replies alone.
void EmulatorWindow::TakeColumnsSize() {
    columnsSizePending = 0;
    if (!handle) return;
    int soft = softSize;
    softSize = 0;
    RECT r;
    GetWindowRect(handle, &r);
    WindowLimits limits = CurrentLimits();
    if (!IsZoomed(handle) || r.right - r.left != limits.maxWidth ||
        r.bottom - r.top != limits.maxHeight) {
        ShowWindow(handle, SW_RESTORE);
        ShowWindow(handle, SW_MAXIMIZE);
    }
    softSize = soft;
}

// The size item sits at the right end of the menu bar and names the
// logical size as columns x lines.
void EmulatorWindow::AppendSizeItem() {
    char text[SizeItemTextSize];
    SizeItemText(text, screen.columns, screen.lines);
    AppendMenuA(GetMenu(handle), MF_STRING | MF_HELP, IDM_SIZEITEM, text);
}

// Redrawing the menu bar costs more than a resize under Wine: a size that
// received data changes is shown at the next update.
void EmulatorWindow::UpdateSizeItem() {
    sizeItemPending = receiving;
    if (receiving) return;
    HMENU menu = handle ? GetMenu(handle) : nullptr;
    if (!menu) return;
    char text[SizeItemTextSize];
    SizeItemText(text, screen.columns, screen.lines);
    ModifyMenuA(menu, IDM_SIZEITEM, MF_BYCOMMAND | MF_STRING | MF_HELP, IDM_SIZEITEM, text);
    DrawMenuBar(handle);
}

void EmulatorWindow::ShowSizeHelp() {
    MessageBoxA(handle, SizeHelpText(softSize), ProgramTitle, MB_OK | MB_ICONINFORMATION);
}

// A command chosen while help mode is on asks for its help instead.
LRESULT EmulatorWindow::HandleCommand(int id, HWND control, int notifyCode) {
    if (!helpMode) return CommandHook(id, control, notifyCode);
    helpMode = 0;
    ShowMenuHelp(id);
    return 0;
}

void EmulatorWindow::ShowMenuHelp(int id) {
    HelpRequest help = MenuItemHelp(id);
    if (help.command)
        CallHelp(help.command, help.context);
    else
        AskWithTitle("Help not available for selected item", MB_OK);
}

void EmulatorWindow::ShowHelp(int id) {
    HelpRequest help = HelpMenuRequest(id);
    CallHelp(help.command, help.context);
}

void EmulatorWindow::CallHelp(int command, int context) {
    HelpViewer::Request(this, command, context);
}

void EmulatorWindow::RunAboutBox() {
    Dialog about("ABOUTBOX", this);
    about.RunModal();
}

// F1 held while a menu waits for input: the Enter posted here makes the
// menu choose its highlighted item, whose command then finds help mode on.
void EmulatorWindow::EnterIdle(WPARAM source) {
    if (source != MSGF_MENU || GetKeyState(VK_F1) >= 0) return;
    helpMode = 1;
    PostMessageA(handle, WM_KEYDOWN, VK_RETURN, 0);
}

// A menu can close in help mode without a command: Enter on a grayed item,
// or the system menu's item, which arrives as a system command. Help mode
// then ends with the menu instead of taking a later command's place.
void EmulatorWindow::EndHelpModeLater() {
    if (helpMode) PostMessageA(handle, UM_ENDHELPMODE, 0, 0);
}

LRESULT EmulatorWindow::CommandHook(int id, HWND control, int notifyCode) {
    switch (id) {
    case IDM_TERMINAL: RunTerminalSettings(); return 0;
    case IDM_MULTINATIONAL: ToggleMultinational(); return 0;
    case IDM_SIZEITEM: ShowSizeHelp(); return 0;
    // Help and About
    case IDM_HELPINDEX:
    case IDM_HELPGENERAL:
    case IDM_HELPKEYBOARD:
    case IDM_HELPCOMMANDS:
    case IDM_HELPPROCEDURES:
    case IDM_HELPUSINGHELP: ShowHelp(id); return 0;
    case IDM_ABOUT: RunAboutBox(); return 0;
    default: return CommandWindow::HandleCommand(id, control, notifyCode);
    }
}

// OK takes the dialog's options; a new emulation or Defaults resets the
// terminal, a new character set only rebuilds the sets.
void EmulatorWindow::RunTerminalSettings() {
    TerminalSettingsDialog dialog(emulator.CurrentSettings(), this);
    if (dialog.RunModal() != IDOK) return;
    const TerminalSettingsForm& form = dialog.form;
    emulator.ApplySettings(form.values, form.resetNeeded, form.charsetChanged);
}

// While output is held the navigation keys post scroll messages instead of
// being typed; 1 when the key was one of them.
int EmulatorWindow::ScrollKey(unsigned virtualKey) {
    ScrollKeyAction action = ScrollKeyFor(virtualKey, KeyHeld(VK_CONTROL));
    if (!action.bar || !handle) return 0;
    PostMessageA(handle, action.bar == 1 ? WM_VSCROLL : WM_HSCROLL, action.code, 0);
    return 1;
}

KeyContext EmulatorWindow::KeyboardContext() const {
    KeyContext context;
    context.keys.shift = KeyHeld(VK_SHIFT);
    context.keys.ctrl = KeyHeld(VK_CONTROL);
    context.keys.alt = KeyHeld(VK_MENU);
    context.keys.scrollLockOn = GetKeyState(VK_SCROLL) & 1;
    context.modes.ansiMode = emulator.ansiMode;
    context.modes.cursorKeyMode = emulator.cursorKeyMode;
    context.modes.keypadMode = emulator.keypadMode;
    context.modes.bsSendsCtrlH = emulator.bsSendsCtrlH;
    context.modes.homeSendsCtrlA = emulator.homeSendsCtrlA;
    context.modes.hold = session.hold.IsHeld();
    return context;
}

void EmulatorWindow::QueueKeys(const KeyMessageResult& result) {
    for (int i = 0; i < result.codes.Size(); ++i)
        keyQueue.Enqueue(result.codes[i]);
    if (!keyQueue.IsEmpty()) keyQueue.PumpKeys();
}

LRESULT EmulatorWindow::KeyDown(WPARAM virtualKey, LPARAM keyData) {
    QueueKeys(HandleKeyDown(static_cast<unsigned>(virtualKey), static_cast<std::uint32_t>(keyData),
                            KeyboardContext(), *this));
    return 0;
}

LRESULT EmulatorWindow::Char(WPARAM character, LPARAM keyData) {
    QueueKeys(HandleChar(static_cast<unsigned>(character), static_cast<std::uint32_t>(keyData),
                         KeyboardContext()));
    return 0;
}

// Alt combinations without a translation reach the menu.
LRESULT EmulatorWindow::SysKeyDown(WPARAM virtualKey, LPARAM keyData) {
    KeyMessageResult result = HandleSysKeyDown(
        static_cast<unsigned>(virtualKey), static_cast<std::uint32_t>(keyData), KeyboardContext());
    if (result.defaultProcessing) return Default(WM_SYSKEYDOWN, virtualKey, keyData);
    QueueKeys(result);
    return 0;
}

LRESULT EmulatorWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: AppendSizeItem(); break;
    case WM_ENTERIDLE: EnterIdle(wParam); return 0;
    case WM_EXITMENULOOP: EndHelpModeLater(); break;
    case UM_ENDHELPMODE: helpMode = 0; return 0;
    case WM_KEYDOWN: return KeyDown(wParam, lParam);
    case WM_CHAR: return Char(wParam, lParam);
    case WM_SYSKEYDOWN: return SysKeyDown(wParam, lParam);
    default: break;
    }
    return CommandWindow::HandleMessage(message, wParam, lParam);
}
