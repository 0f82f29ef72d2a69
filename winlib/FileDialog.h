#pragma once

#include <windows.h>

#include <commdlg.h>

#include "winlib/Dialog.h"

// The system's open or save dialog. The chosen path is in FileName() after a
// run that returned 1.
class FileDialog : public Dialog {
  public:
    static constexpr int FileNameSize = 128;
    static constexpr int FileTitleSize = 64;
    static constexpr int FilterSize = 128;

    // The filter is written with a separator: its last character, which
    // stands for a NUL wherever it occurs. Filter text beyond the buffer is
    // dropped at a whole pair, never leaving half a filter.
    FileDialog(bool open, const char* defaultExtension, const char* initialName, DWORD flags,
               const char* filter, Window* parent = nullptr);

    // Returns 1 when a file was chosen, 2 for Cancel or an error.
    INT_PTR RunModal() override;
    void HandleOk() override;
    void HandleCancel() override;

    const char* FileName() const { return fileName; }
    // Whether FileName() is the whole name chosen. A dialog may cut a name
    // longer than its buffer and still report success, so a name that
    // fills the buffer is taken as cut: it may name another file.
    bool FileNameWhole() const;
    const char* FileTitle() const { return fileTitle; }
    const char* Filter() const { return filter; }
    // A description and pattern of the caller's that the dialog offers
    // first and updates to the pattern last used (size bytes).
    void SetCustomFilter(char* buffer, int size);
    // The dialog's caption instead of the system's "Open" or "Save As".
    void SetTitle(const char* title) { request.lpstrTitle = title; }

  private:
    void SetFilter(const char* text);

    bool open;
    OPENFILENAMEA request;
    char fileName[FileNameSize];
    char fileTitle[FileTitleSize];
    char filter[FilterSize];
};
