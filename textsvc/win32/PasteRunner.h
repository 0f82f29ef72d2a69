#pragma once

#include <windows.h>

#include "textsvc/PastePieces.h"
#include "textsvc/UploadFilter.h"

class SendQueue;
class Window;
class WorkingDialog;

// The one paste or upload that may run: its source (a copy of the
// clipboard's text, the selection's text, or an open file), the pieces cut
// from it, and the Working dialog. The idle work's Pump hands the send queue
// one piece whenever the queue has sent the last one, so that a long paste
// goes at the host's pace without blocking the window.
class PasteRunner : private UploadSource {
  public:
    PasteRunner();
    ~PasteRunner() override;
    PasteRunner(const PasteRunner&) = delete;
    PasteRunner& operator=(const PasteRunner&) = delete;

    int Running() const { return pieces.Running(); }

    // Each returns 1 when a paste has started. The clipboard's text is
    // copied, so that the clipboard is closed again at once.
    int StartClipboard(HWND window);
    // Takes over a block of zero-terminated text (the selection's).
    int StartSelection(HGLOBAL text);
    // Asks for the file with the Upload dialog.
    int StartUpload(Window* owner);

    // One step of the idle work; 1 when it sent a piece or waits to.
    int Pump(SendQueue& queue, int connected, Window* owner);
    // Closes the source and removes the dialog.
    void End();

  private:
    long Read(char* bytes, int size) override;
    void OemToAnsi(char* bytes, int count) override;
    int StartText(HGLOBAL text);

    PastePieces pieces;
    HFILE file = HFILE_ERROR;
    HGLOBAL block = nullptr;
    long long total = 0;
    int starting = 0;
    int cancelled = 0;
    WorkingDialog* dialog = nullptr;
    char uploadFilter[UploadFilterSize];
};
