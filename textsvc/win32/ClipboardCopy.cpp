#include "textsvc/win32/ClipboardCopy.h"

#include "screen/ScreenBuffer.h"
#include "textsvc/SelectionCopy.h"

namespace {

// System-modal, owned by the window with the keyboard focus, no caption.
HGLOBAL OutOfMemory(HGLOBAL block) {
    if (block) GlobalFree(block);
    MessageBoxA(GetFocus(), "Out of Memory", nullptr, MB_SYSTEMMODAL | MB_ICONHAND);
    return nullptr;
}

// Fills the worst-case block and shrinks it to the text and its zero.
HGLOBAL FillBlock(HGLOBAL block, ScreenBuffer& screen, int scrollBackMode, int quoted,
                  SIZE_T size) {
    char* text = static_cast<char*>(GlobalLock(block));
    if (!text) return OutOfMemory(block);
    long written = CopySelectionText(screen, scrollBackMode, quoted, text, size);
    GlobalUnlock(block);
    if (written < 0) {
        GlobalFree(block);
        return nullptr;
    }
    HGLOBAL shrunk = GlobalReAlloc(block, static_cast<SIZE_T>(written) + 1, GMEM_MOVEABLE);
    if (!shrunk) return OutOfMemory(block);
    return shrunk;
}

// The block on the clipboard, or null when it could not be placed there
// (then it is freed, as nobody else would).
HGLOBAL PlaceOnClipboard(HGLOBAL block, HWND window) {
    if (!OpenClipboard(window)) {
        GlobalFree(block);
        return nullptr;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block)) {
        GlobalFree(block);
        block = nullptr;
    }
    CloseClipboard();
    return block;
}

} // namespace

HGLOBAL CopySelection(ScreenBuffer& screen, int scrollBackMode, int quoted, int toClipboard,
                      HWND window) {
    SIZE_T size = CopyBlockSize(screen, scrollBackMode, quoted);
    if (size == 0) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return OutOfMemory(nullptr);
    block = FillBlock(block, screen, scrollBackMode, quoted, size);
    if (block && toClipboard) return PlaceOnClipboard(block, window);
    return block;
}
