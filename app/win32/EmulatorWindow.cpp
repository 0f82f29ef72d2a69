#include "app/win32/EmulatorWindow.h"

#include "app/SessionTitle.h"
#include "emulator/TerminalSettings.h"
#include "emulator/win32/SystemCodePage.h"
#include "emulator/win32/TerminalSettingsDialog.h"
#include "resources/resource.h"
#include "screen/SizeItem.h"

namespace {

int KeyHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0 ? 1 : 0;
}

} // namespace

// The emulator starts from the stored options with a full reset.
EmulatorWindow::EmulatorWindow(Profile& settings)
    : CommandWindow(settings), emulator(screen, ReadTerminalSettings(settings), this) {
    emulator.SetAnsiCodePage(SystemAnsiCodePage());
}

EmulatorWindow::~EmulatorWindow() {
    WriteTerminalSettings(settings, emulator.CurrentSettings(), screen.columns, softSize);
}

void EmulatorWindow::ProcessInput(const char* bytes, int count) {
    receiving = 1;
    emulator.ProcessInput(bytes, count);
    receiving = 0;
}

// A cursor waiting to wrap stands after the last column; the caret stays
// on the last cell.
void EmulatorWindow::CursorCell(int& row, int& col) {
    row = emulator.CursorRow();
    col = emulator.CursorCol() < screen.columns ? emulator.CursorCol() : screen.columns - 1;
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
    CommandWindow::ShowChanges();
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

// OK takes the dialog's options; a new emulation or Defaults resets the
// terminal, a new character set only rebuilds the sets.
void EmulatorWindow::RunTerminalSettings() {
    TerminalSettingsDialog dialog(emulator.CurrentSettings(), this);
    if (dialog.RunModal() != IDOK) return;
    const TerminalSettingsForm& form = dialog.form;
    emulator.ApplySettings(form.values, form.resetNeeded, form.charsetChanged);
    TellBinaryOutput();
}

void EmulatorWindow::LinkEstablished() {
    CommandWindow::LinkEstablished();
    TellBinaryOutput();
}

// UTF-8 mode sends all eight bits, which a host takes only as binary.
void EmulatorWindow::TellBinaryOutput() {
    if (Connection* connection = session.LinkedConnection())
        connection->SetBinaryOutput(emulator.CurrentSettings().utf8);
}

KeyContext EmulatorWindow::KeyboardContext() const {
    KeyContext context;
    context.keys.shift = KeyHeld(VK_SHIFT);
    context.keys.ctrl = KeyHeld(VK_CONTROL);
    context.keys.alt = KeyHeld(VK_MENU);
    context.keys.scrollLockOn = GetKeyState(VK_SCROLL) & 1;
    context.modes = emulator.CurrentKeyModes();
    context.hold = session.hold.IsHeld();
    return context;
}

void EmulatorWindow::QueueKeys(const KeyMessageResult& result) {
    for (int i = 0; i < result.codes.Size(); ++i)
        keyQueue.Enqueue(result.codes[i]);
    if (!keyQueue.IsEmpty()) keyQueue.PumpKeys();
}

// While output is held the navigation keys post scroll messages instead of
// being typed.
LRESULT EmulatorWindow::KeyDown(WPARAM virtualKey, LPARAM keyData) {
    KeyMessageResult result = HandleKeyDown(static_cast<unsigned>(virtualKey),
                                            static_cast<std::uint32_t>(keyData), KeyboardContext());
    const ScrollKeyAction& scroll = result.scroll;
    if (scroll.bar) PostMessageA(handle, scroll.bar == 1 ? WM_VSCROLL : WM_HSCROLL, scroll.code, 0);
    QueueKeys(result);
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
    case WM_KEYDOWN: return KeyDown(wParam, lParam);
    case WM_CHAR: return Char(wParam, lParam);
    case WM_SYSKEYDOWN: return SysKeyDown(wParam, lParam);
    default: break;
    }
    return CommandWindow::HandleMessage(message, wParam, lParam);
}
