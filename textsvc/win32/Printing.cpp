#include "textsvc/win32/Printing.h"

#include <commdlg.h>

#include "screen/ScreenBuffer.h"
#include "textsvc/PrintPager.h"
#include "textsvc/SelectedLines.h"
#include "textsvc/SelectionCopy.h"
#include "winlib/Window.h"

namespace {

// The printing state of the process: one job at a time.
PRINTDLGA printDialogData;
int printDialogReady = 0;
int printAborted = 0;
HWND abortDialog = nullptr;

void SetUpPrintDialog(HWND owner) {
    if (!printDialogReady) {
        printDialogData.lStructSize = sizeof printDialogData;
        printDialogData.nCopies = 1;
        printDialogData.Flags = PD_HIDEPRINTTOFILE | PD_RETURNDC | PD_NOPAGENUMS;
        printDialogReady = 1;
    }
    printDialogData.hwndOwner = owner;
}

void FreeDeviceChoice() {
    if (printDialogData.hDevMode) GlobalFree(printDialogData.hDevMode);
    if (printDialogData.hDevNames) GlobalFree(printDialogData.hDevNames);
    printDialogData.hDevMode = nullptr;
    printDialogData.hDevNames = nullptr;
    printDialogData.nCopies = 1;
}

// The program makes the copies itself, one after the other (PrintCopies):
// a driver that says it makes them does not always (the PDF printer of
// CUPS under Wine prints one), and a dialog that also leaves the count in
// the device mode would multiply them. The printer is told to make one.
bool OneCopyEach(DEVMODEA* mode) {
    if (!mode || !(mode->dmFields & DM_COPIES) || mode->dmCopies <= 1) return false;
    mode->dmCopies = 1;
    return true;
}

// The printer's device context: the dialog's, or one made from the device
// names it left. The choice is then forgotten, so that the next job starts
// from one copy and, unless Print Setup is used again, the default printer.
HDC PrinterDc() {
    HDC dc = printDialogData.hDC;
    printDialogData.hDC = nullptr;
    DEVMODEA* mode = printDialogData.hDevMode
                         ? static_cast<DEVMODEA*>(GlobalLock(printDialogData.hDevMode))
                         : nullptr;
    bool oneCopy = OneCopyEach(mode);
    if (dc && oneCopy) ResetDCA(dc, mode);
    if (!dc && printDialogData.hDevNames) {
        DEVNAMES* names = static_cast<DEVNAMES*>(GlobalLock(printDialogData.hDevNames));
        if (names) {
            const char* base = reinterpret_cast<const char*>(names);
            dc = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset,
                           base + names->wOutputOffset, mode);
            GlobalUnlock(printDialogData.hDevNames);
        }
    }
    if (mode) GlobalUnlock(printDialogData.hDevMode);
    FreeDeviceChoice();
    return dc;
}

// Any button of "Printing..." cancels the job.
INT_PTR CALLBACK AbortDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: SetFocus(GetDlgItem(dialog, IDCANCEL)); return FALSE;
    case WM_COMMAND: printAborted = 1; return TRUE;
    default: return FALSE;
    }
}

// While the spooler works, the messages waiting are handled; the window is
// disabled meanwhile, so only "Printing..." reacts.
BOOL CALLBACK PrintAbortProc(HDC, int) {
    if (!abortDialog) return TRUE;
    MSG message;
    while (!printAborted && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageA(abortDialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return !printAborted;
}

int Fail(HWND owner, const char* text) {
    MessageBoxA(owner, text, nullptr, MB_OK | MB_ICONHAND);
    return 0;
}

// One print job, from the print dialog to the end of the document. Pages
// are begun when their first line comes, so that no empty page is ejected.
class PrintJob : public SelectedLineSink {
  public:
    explicit PrintJob(HWND owner) : owner(owner) {}
    int Start();
    int Line(const unsigned char* chars, int count, int last) override;
    // The selection, as many times as the copies asked for; 0 when the job
    // stopped.
    int PrintCopies(ScreenBuffer& screen);
    void End();

  private:
    int BeginDocument();
    int EjectPage();
    HWND owner;
    int copies = 1;
    HDC dc = nullptr;
    PrintPager pager;
    int pageOpen = 0;
    int lastEscape = 0;
};

int PrintJob::Start() {
    SetUpPrintDialog(owner);
    printDialogData.Flags |= PD_SELECTION;
    // A dialog that failed with an error still leads to the message below;
    // Cancel ends here, and so does a dialog that said itself that there is
    // no printer (Wine's does, and then reports no error).
    if (!PrintDlgA(&printDialogData) && CommDlgExtendedError() == 0) return 0;
    copies = printDialogData.nCopies > 1 ? printDialogData.nCopies : 1;
    dc = PrinterDc();
    if (!dc) return Fail(owner, "Cannot print!");
    return BeginDocument();
}

int PrintJob::BeginDocument() {
    SetAbortProc(dc, PrintAbortProc);
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "Zeriv";
    if (StartDocA(dc, &document) <= 0) {
        DeleteDC(dc);
        return Fail(owner, "Unable to start print job");
    }
    printAborted = 0;
    abortDialog = CreateDialogA(GetModuleHandleA(nullptr), "ABORTDLG", owner, AbortDialogProc);
    if (!abortDialog) {
        AbortDoc(dc);
        DeleteDC(dc);
        return Fail(owner, "NULL Abort window handle");
    }
    ShowWindow(abortDialog, SW_SHOWNORMAL);
    EnableWindow(owner, FALSE);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    pager.Start(GetDeviceCaps(dc, VERTRES), metrics.tmHeight, metrics.tmExternalLeading);
    return 1;
}

// A full page is ejected at once; a failed ejection or Cancel stops the job.
// The abort procedure is called after each ejection here too: some systems
// (Wine among them) call it only when the document starts, which would leave
// "Printing..." without its messages for the whole job.
int PrintJob::Line(const unsigned char* chars, int count, int) {
    if (!pageOpen) {
        pageOpen = StartPage(dc) > 0;
        if (!pageOpen) {
            lastEscape = -1;
            return 0;
        }
    }
    TextOutA(dc, 0, pager.NextLineTop(), reinterpret_cast<const char*>(chars), count);
    if (!pager.LinePrinted()) return 1;
    return EjectPage();
}

int PrintJob::EjectPage() {
    pageOpen = 0;
    lastEscape = EndPage(dc) > 0 ? 1 : -1;
    PrintAbortProc(dc, 0);
    return lastEscape > 0 && !printAborted;
}

// Each copy starts on a page of its own.
int PrintJob::PrintCopies(ScreenBuffer& screen) {
    for (int copy = 1; copy <= copies; ++copy) {
        if (!WalkSelectedLines(screen, *this)) return 0;
        if (copy == copies || !pageOpen) continue;
        pager.NewPage();
        if (!EjectPage()) return 0;
    }
    return 1;
}

// A job that failed or was cancelled is abandoned, not ended.
void PrintJob::End() {
    if (lastEscape >= 0 && !printAborted) {
        if (pageOpen) EndPage(dc);
        EndDoc(dc);
    } else {
        AbortDoc(dc);
    }
    EnableWindow(owner, TRUE);
    DestroyWindow(abortDialog);
    abortDialog = nullptr;
    DeleteDC(dc);
}

} // namespace

void PrintSetup(TextServiceHost& host) {
    SetUpPrintDialog(host.OwnerWindow().Handle());
    DWORD flags = printDialogData.Flags;
    printDialogData.Flags |= PD_PRINTSETUP;
    PrintDlgA(&printDialogData);
    printDialogData.Flags = flags;
    if (printDialogData.hDC) DeleteDC(printDialogData.hDC);
    printDialogData.hDC = nullptr;
}

// A Print that arrives while a job runs (the abort procedure dispatches
// the window's messages) is ignored.
void PrintSelection(TextServiceHost& host) {
    if (abortDialog) return;
    ScreenBuffer& screen = host.Screen();
    if (SelectionEmpty(screen)) {
        host.AskWithTitle("No text selected.", MB_OK | MB_ICONHAND);
        return;
    }
    PrintJob job(host.OwnerWindow().Handle());
    if (!job.Start()) return;
    int wasInScrollBack = host.InScrollBack();
    host.EnterScrollBack();
    job.PrintCopies(screen);
    job.End();
    if (!wasInScrollBack) host.LeaveScrollBack();
}
