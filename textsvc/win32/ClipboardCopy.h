#pragma once

#include <windows.h>

class ScreenBuffer;

// The selection's text in a block of moveable global memory: placed on the
// clipboard as CF_TEXT when toClipboard is set (the clipboard then owns
// it), else handed to the caller. Returns null for an empty selection, when
// memory ran out ("Out of Memory" has been shown then), or when the
// clipboard could not be opened (silently: another program holds it).
HGLOBAL CopySelection(ScreenBuffer& screen, int scrollBackMode, int quoted, int toClipboard,
                      HWND window);
