#include "app/win32/CommandWindow.h"

#include "app/CommandTable.h"
#include "app/SessionTitle.h"
#include "resources/resource.h"
#include "textsvc/HelpContexts.h"
#include "textsvc/MacroNotation.h"
#include "textsvc/SelectionCopy.h"
#include "textsvc/win32/ClipboardCopy.h"
#include "textsvc/win32/FindCommand.h"
#include "textsvc/win32/HelpViewer.h"
#include "textsvc/win32/MacroDialog.h"
#include "textsvc/win32/Printing.h"
#include "textsvc/win32/SaveSelection.h"

namespace {

const int TitleTextSize = 80;

// A macro's progress shows as it is played.
class PlayingWindow : public MacroWindow {
  public:
    explicit PlayingWindow(StreamWindow& window) : window(window) {}
    void MarkDataReady() override { window.session.receiver.MarkDataReady(); }
    void UpdateWindow() override { ::UpdateWindow(window.Handle()); }

  private:
    StreamWindow& window;
};

} // namespace

// The window's placement is prepared from the settings and the font.
CommandWindow::CommandWindow(Profile& settings)
    : StreamWindow(settings), log(settings, *this, LogFlushTimerId) {
    WindowSettings read = ReadWindowSettings(settings);
    windowRect = read.windowRect;
    rememberOrigin = read.rememberOrigin;
    verticalScrollBar = read.verticalScrollBar;
    autoFocus = read.autoFocus;
    softSize = read.softSize;
    placement = PlaceWindow(read, Geometry(), SystemFrameMetrics());
}

// The screen's rows close a log of lines, which the log itself then
// closes; the mode stays as the user left it, for the next start (Destroy
// has brought the live screen back). The help viewer closes with the
// terminal.
CommandWindow::~CommandWindow() {
    if (log.settings.loggingMode == LinesOnly) screen.LogScreen();
    WriteWindowSettings();
    CallHelp(HelpQuitCommand, 0);
}

bool CommandWindow::StartTerminal(const char* title, int showCommand) {
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

// The window's corner: that of its restored place while it is minimized,
// whose own rectangle lies far off the screen.
bool CommandWindow::WindowCorner(RECT& r) {
    if (!handle) return false;
    if (!IsIconic(handle)) return GetWindowRect(handle, &r) != 0;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(handle, &placement)) return false;
    r = placement.rcNormalPosition;
    return true;
}

// The window's corner and its laid-out size; a window that never existed
// keeps the rectangle it was read with.
void CommandWindow::WriteWindowSettings() {
    WindowSettings out;
    out.windowRect = windowRect;
    RECT r;
    if (WindowCorner(r)) {
        WindowAtExit now;
        now.left = r.left;
        now.top = r.top;
        now.frameWidth = layout.frameWidth;
        now.frameHeight = layout.frameHeight;
        now.hBarShown = layout.hBarShown;
        now.vBarShown = layout.vBarShown;
        now.softSize = softSize;
        out.windowRect = StoredWindowRect(now, SystemFrameMetrics());
    }
    out.rememberOrigin = rememberOrigin;
    out.verticalScrollBar = verticalScrollBar;
    out.autoFocus = autoFocus;
    out.softSize = softSize;
    ::WriteWindowSettings(settings, out);
}

// A command chosen while help mode is on asks for its help instead.
LRESULT CommandWindow::HandleCommand(int id, HWND, int) {
    if (helpMode) {
        helpMode = 0;
        RunCommandHelp(*this, id);
    } else {
        RunCommand(*this, id);
    }
    return 0;
}

void CommandWindow::Exit() {
    PostMessageA(handle, WM_CLOSE, 0, 0);
}

void CommandWindow::Copy() {
    CopySelection(0, 1);
}

void CommandWindow::CopyQuoted() {
    CopySelection(1, 1);
}

void CommandWindow::PasteClipboard() {
    Paste(IDM_PASTE);
}

void CommandWindow::PasteSelection() {
    Paste(IDM_PASTESELECTION);
}

void CommandWindow::PasteSelectionQuoted() {
    Paste(IDM_PASTESELQUOTED);
}

void CommandWindow::Find() {
    RunFind(*this, find);
}

void CommandWindow::SaveAs() {
    SaveSelection(*this, 0);
}

void CommandWindow::AppendTo() {
    SaveSelection(*this, 1);
}

void CommandWindow::Print() {
    PrintSelection(*this);
}

void CommandWindow::PrintSetup() {
    ::PrintSetup(*this);
}

void CommandWindow::FontCommand() {
    ChangeFont();
}

void CommandWindow::ColorsCommand() {
    ChangeColors();
}

void CommandWindow::ToggleRememberOrigin() {
    rememberOrigin = !rememberOrigin;
}

void CommandWindow::ToggleAutoFocus() {
    autoFocus = !autoFocus;
}

void CommandWindow::Resize80x24Command() {
    ResizeTo80x24();
}

// A paste needs a connection, and the selection pastes a selection; before
// it starts, a hold ends so that the host's output resumes with it. A paste
// that runs already goes on alone.
void CommandWindow::Paste(int id) {
    if (!session.IsConnected()) return;
    if (id != IDM_PASTE && SelectionEmpty(screen)) return;
    if (paste.Running()) {
        MessageBeep(MB_OK);
        return;
    }
    ReleaseHold();
    if (id == IDM_PASTE)
        paste.StartClipboard(handle);
    else
        paste.StartSelection(CopySelection(id == IDM_PASTESELQUOTED, 0));
}

// A hold the user asked for with Scroll Lock also turns Scroll Lock off,
// whose resume request then finds nothing held.
void CommandWindow::ReleaseHold() {
    if (!session.hold.IsHeld()) return;
    int requested = session.hold.HoldRequested();
    session.RequestResume();
    if (!requested) return;
    ToggleScrollLock();
    keyQueue.PumpKeys();
}

void CommandWindow::ToggleVerticalScrollBar() {
    verticalScrollBar = !verticalScrollBar;
    Layout();
}

void CommandWindow::ToggleSoftSize() {
    softSize = !softSize;
    Layout();
}

void CommandWindow::LogLine(const unsigned char* text) {
    log.ScreenLine(text);
}

void CommandWindow::LogReceivedBytes(const char* bytes, int count) {
    log.ReceivedBytes(bytes, count);
}

void CommandWindow::LoggingCommand() {
    if (log.settings.loggingMode &&
        AskWithTitle("Stop logging?", MB_YESNO | MB_ICONQUESTION) == IDYES)
        log.Stop();
    else
        log.RunDialog();
}

void CommandWindow::RunMacroDialog() {
    if (::RunMacroDialog(settings, lastMacro, LastMacroSize, lastMacroIndex, this)) PlayMacro();
}

void CommandWindow::PlayMacro() {
    PlayingWindow window(*this);
    ::PlayMacro(lastMacro, keyQueue, window);
}

void CommandWindow::CallHelp(int command, int context) {
    HelpViewer::Request(this, command, context);
}

void CommandWindow::RunAboutBox() {
    Dialog about("ABOUTBOX", this);
    about.RunModal();
}

// F1 held while a menu waits for input: the Enter posted here makes the
// menu choose its highlighted item, whose command then finds help mode on.
void CommandWindow::EnterIdle(WPARAM source) {
    if (source != MSGF_MENU || GetKeyState(VK_F1) >= 0) return;
    helpMode = 1;
    PostMessageA(handle, WM_KEYDOWN, VK_RETURN, 0);
}

// A menu can close in help mode without a command: Enter on a grayed item,
// or the system menu's item, which arrives as a system command. Help mode
// then ends with the menu instead of taking a later command's place.
void CommandWindow::EndHelpModeLater() {
    if (helpMode) PostMessageA(handle, UM_ENDHELPMODE, 0, 0);
}

void CommandWindow::Tell(const char* text, bool informationIcon) {
    AskWithTitle(text, MB_OK | (informationIcon ? MB_ICONINFORMATION : 0));
}

int CommandWindow::AskWithTitle(const char* text, UINT type) {
    char title[TitleTextSize] = "";
    GetWindowTextA(handle, title, sizeof title);
    return MessageBoxA(handle, text, title, type);
}

LRESULT CommandWindow::HandleClose() {
    if (AskWithTitle("Are you sure you wish to exit?\nThe window will be closed.",
                     MB_OKCANCEL | MB_ICONQUESTION) != IDCANCEL)
        Destroy();
    return 0;
}

// The window closes on the live screen: scroll-back mode ends first and
// shows what waited, so that the screen's rows logged at the end are the
// live ones, after the lines that left it, each once. Both ways out, Exit
// and OK to a closed connection, come here while every layer is alive.
void CommandWindow::Destroy() {
    LeaveScrollBack();
    StreamWindow::Destroy();
}

LRESULT CommandWindow::QueryEndSession() {
    return AskWithTitle("System shutdown has been requested.\nOkay to exit?",
                        MB_OKCANCEL | MB_ICONQUESTION) != IDCANCEL;
}

void CommandWindow::SelectAll() {
    ::SelectAll(screen, ScrollBackMode());
    InvalidateRect(handle, nullptr, FALSE);
    UpdateWindow(handle);
}

// An empty history is cleared without asking. In scroll-back mode the
// lines from the first one shown stay; the layout shows what is left.
void CommandWindow::ClearLinesOffTop() {
    if (screen.store.LineCount() > 0 && MessageBoxA(handle, "Okay to clear memory?", ProgramTitle,
                                                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    screen.ClearLinesOffTop();
    Layout();
}

void CommandWindow::ShowHistoryAt(int top) {
    screen.viewTop = top;
    if (verticalScrollBar) SetScrollPos(handle, SB_VERT, top, TRUE);
    screen.FillViewFromHistory();
    RedrawRows(0, screen.lines - 1, 0, screen.columns - 1);
}

HGLOBAL CommandWindow::CopySelection(int quoted, int toClipboard) {
    return ::CopySelection(screen, ScrollBackMode(), quoted, toClipboard, handle);
}

void CommandWindow::Upload() {
    if (!session.IsConnected()) return;
    if (paste.Running()) {
        MessageBeep(MB_OK);
        return;
    }
    paste.StartUpload(this);
}

// Keys typed while the send queue was busy go out before the next piece;
// without this they would wait for the next key message.
int CommandWindow::PumpPaste() {
    if (!keyQueue.IsEmpty() && !session.IsSendBusy()) keyQueue.PumpKeys();
    return paste.Pump(session.sendQueue, session.IsConnected(), this);
}

// Sizes that the layout makes itself match the frame it recorded; only
// the user's resizes lay the window out again.
LRESULT CommandWindow::HandleSize(WPARAM type, LPARAM) {
    if (type == SIZE_MINIMIZED) return 0;
    RECT r;
    GetWindowRect(handle, &r);
    if (r.right - r.left == layout.frameWidth && r.bottom - r.top == layout.frameHeight) return 0;
    if (hScroll > 0) {
        hScroll = 0;
        InvalidateRect(handle, nullptr, TRUE);
    }
    Layout();
    return 0;
}

WindowLimits CommandWindow::CurrentLimits() {
    WindowLimitInputs in;
    in.metrics = SystemFrameMetrics();
    in.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    in.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    in.cellWidth = cellWidth;
    in.cellHeight = cellHeight;
    in.columns = screen.columns;
    in.configuredLines = screen.configuredLines;
    in.vBarShown = layout.vBarShown;
    in.hBarShown = layout.hBarShown;
    in.softSize = SizeFollowsWindow();
    return ComputeWindowLimits(in);
}

LRESULT CommandWindow::HandleMinMaxInfo(MINMAXINFO* info) {
    WindowLimits limits = CurrentLimits();
    info->ptMaxSize.x = info->ptMaxTrackSize.x = limits.maxWidth;
    info->ptMaxSize.y = info->ptMaxTrackSize.y = limits.maxHeight;
    info->ptMinTrackSize.x = limits.minWidth;
    info->ptMinTrackSize.y = limits.minHeight;
    return 0;
}

// The last active pop-up is the window itself while no dialog is open.
void CommandWindow::ApplyAutoFocus() {
    if (!autoFocus) return;
    HWND popup = GetLastActivePopup(handle);
    if (popup != GetActiveWindow()) SetActiveWindow(popup);
}

// Every timer of the window; one that none of these names is ignored.
void CommandWindow::Timer(UINT_PTR id) {
    switch (id) {
    case SelectionTimerId: TrackSelectionAtPointer(0); break;
    case BlinkTimerId: BlinkTick(); break;
    case BreakTimerId: keyQueue.BreakTimerFired(); break;
    case PauseTimerId: keyQueue.PauseTimerFired(); break;
    case LogFlushTimerId: log.FlushTick(); break;
    default: break;
    }
}

LRESULT CommandWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: InitScrollBars(); break;
    case WM_QUERYENDSESSION: return QueryEndSession();
    case WM_ENDSESSION:
        if (!wParam) return 0;
        break;
    case WM_SETCURSOR: ApplyAutoFocus(); break;
    case WM_RBUTTONDOWN:
        SendMessageA(handle, WM_COMMAND,
                     (wParam & MK_SHIFT) ? IDM_PASTESELQUOTED : IDM_PASTESELECTION, 0);
        return 0;
    case WM_TIMER: Timer(wParam); return 0;
    case WM_ENTERIDLE: EnterIdle(wParam); return 0;
    case WM_EXITMENULOOP: EndHelpModeLater(); break;
    case UM_ENDHELPMODE: helpMode = 0; return 0;
    default: break;
    }
    return StreamWindow::HandleMessage(message, wParam, lParam);
}
