#include "textsvc/win32/PasteRunner.h"

#include <algorithm>
#include <cstring>

#include "session/SendQueue.h"
#include "textsvc/win32/WorkingDialog.h"
#include "winlib/FileDialog.h"

namespace {

const char UploadFilterText[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*|";

void CannotOpenClipboard(HWND window) {
    MessageBoxA(window, "Out of memory: Cannot open clipboard", nullptr,
                MB_OK | MB_ICONINFORMATION);
}

// A copy of the clipboard text, which need not end within its block;
// null when it could not be had or is empty.
HGLOBAL CopyClipboardText(HWND window) {
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return nullptr;
    const char* text = static_cast<const char*>(GlobalLock(data));
    if (!text) {
        CannotOpenClipboard(window);
        return nullptr;
    }
    const void* zero = std::memchr(text, 0, GlobalSize(data));
    SIZE_T length = zero ? static_cast<const char*>(zero) - text : GlobalSize(data);
    HGLOBAL copy = length ? GlobalAlloc(GMEM_MOVEABLE, length + 1) : nullptr;
    char* out = copy ? static_cast<char*>(GlobalLock(copy)) : nullptr;
    if (out) {
        std::memcpy(out, text, length);
        out[length] = 0;
        GlobalUnlock(copy);
    }
    GlobalUnlock(data);
    if (length && !out) {
        if (copy) GlobalFree(copy);
        CannotOpenClipboard(window);
        return nullptr;
    }
    return copy;
}

} // namespace

PasteRunner::PasteRunner() {
    InitUploadFilter(uploadFilter, UploadFilterSize);
}

PasteRunner::~PasteRunner() {
    End();
}

int PasteRunner::StartClipboard(HWND window) {
    if (!OpenClipboard(window)) return 0;
    HGLOBAL text = CopyClipboardText(window);
    CloseClipboard();
    if (!text) return 0;
    cancelled = 0;
    return StartText(text);
}

int PasteRunner::StartSelection(HGLOBAL text) {
    return text ? StartText(text) : 0;
}

int PasteRunner::StartText(HGLOBAL text) {
    const char* locked = static_cast<const char*>(GlobalLock(text));
    if (!locked) {
        GlobalFree(text);
        return 0;
    }
    block = text;
    total = static_cast<long long>(std::strlen(locked));
    pieces.StartText(locked);
    starting = 1;
    return 1;
}

int PasteRunner::StartUpload(Window* owner) {
    FileDialog chooser(true, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       UploadFilterText, owner);
    chooser.SetTitle("Upload");
    chooser.SetCustomFilter(uploadFilter, UploadFilterSize);
    if (chooser.RunModal() != IDOK) return 0;
    RememberUploadPattern(uploadFilter, UploadFilterSize);
    if (!chooser.FileNameWhole()) return 0; // as a file that cannot be opened
    HFILE opened = _lopen(chooser.FileName(), OF_READ);
    if (opened == HFILE_ERROR) return 0;
    LONG size = _llseek(opened, 0, FILE_END);
    _llseek(opened, 0, FILE_BEGIN);
    file = opened;
    total = size > 0 ? size : 0;
    pieces.StartUpload(*this);
    starting = 1;
    return 1;
}

// A cancelled paste ends at once, dropping what the host has not taken
// yet; one whose connection ended sends nothing more.
int PasteRunner::Pump(SendQueue& queue, int connected, Window* owner) {
    if (!Running()) return 0;
    if (!connected || (cancelled && !starting)) {
        queue.ClearSendQueue();
        End();
        return 0;
    }
    if (queue.IsSendBusy()) return 0;
    queue.FlushQueue();
    if (queue.IsSendBusy()) return 1;
    if (starting) {
        starting = 0;
        WorkingDialog::Open(cancelled, dialog, owner);
    }
    char piece[PastePieces::BufferSize];
    int limit = std::min(queue.SendQueueCapacity(), PastePieces::BufferSize) - 1;
    int length = pieces.NextPiece(piece, limit);
    if (dialog) dialog->ShowProgress(pieces.Consumed(), total);
    if (length == 0) {
        End();
        return 0;
    }
    queue.SendString(piece);
    return 1;
}

void PasteRunner::End() {
    if (dialog) dialog->Destroy();
    dialog = nullptr;
    if (file != HFILE_ERROR) _lclose(file);
    file = HFILE_ERROR;
    if (block) {
        GlobalUnlock(block);
        GlobalFree(block);
    }
    block = nullptr;
    pieces.Stop();
    starting = 0;
}

long PasteRunner::Read(char* bytes, int size) {
    UINT count = _lread(file, bytes, static_cast<UINT>(size));
    return count == static_cast<UINT>(HFILE_ERROR) ? -1 : static_cast<long>(count);
}

void PasteRunner::OemToAnsi(char* bytes, int count) {
    if (count > 0) OemToCharBuffA(bytes, bytes, static_cast<DWORD>(count));
}
