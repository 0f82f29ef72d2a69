#include "textsvc/win32/SaveSelection.h"

#include "screen/ScreenBuffer.h"
#include "textsvc/SaveText.h"
#include "textsvc/SelectionCopy.h"
#include "winlib/FileDialog.h"

namespace {

const char SaveFilter[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*|";

// The chosen file, open for writing at its end, and where that end was.
struct SaveFile {
    HANDLE handle = INVALID_HANDLE_VALUE;
    LARGE_INTEGER originalEnd = {};
};

// Each piece is written at the file's end as it is then, so that an append
// to a file another writer appends to (the running log) lands after its
// lines instead of over them.
class FileTarget : public SaveTarget {
  public:
    explicit FileTarget(HANDLE file) : file(file) {}
    void Convert(char* bytes, int count) override { CharToOemBuffA(bytes, bytes, count); }
    long Write(const char* bytes, int count) override {
        OVERLAPPED atEnd = {};
        atEnd.Offset = atEnd.OffsetHigh = 0xFFFFFFFF;
        DWORD written = 0;
        if (!WriteFile(file, bytes, static_cast<DWORD>(count), &written, &atEnd)) return 0;
        return static_cast<long>(written);
    }

  private:
    HANDLE file;
};

// Append opens the file, or makes it when it does not exist; it never
// empties a file that exists but could not be opened, and it shares the
// file with writers that append to it too, such as the log. Save replaces,
// alone.
SaveFile OpenChosenFile(const char* path, int append) {
    SaveFile file;
    DWORD sharing = append ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    file.handle = CreateFileA(path, GENERIC_WRITE, sharing, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file.handle != INVALID_HANDLE_VALUE && append) {
        LARGE_INTEGER zero = {};
        if (!SetFilePointerEx(file.handle, zero, &file.originalEnd, FILE_END)) {
            CloseHandle(file.handle);
            file.handle = INVALID_HANDLE_VALUE;
        }
    }
    return file;
}

// Cancel gives no file and no message; a dialog that failed, a name too
// long for it, or a file that cannot be had says so.
SaveFile ChooseSaveFile(TextServiceHost& host, int append) {
    DWORD flags =
        OFN_NOREADONLYRETURN | OFN_HIDEREADONLY | (append ? OFN_CREATEPROMPT : OFN_OVERWRITEPROMPT);
    FileDialog dialog(false, "TXT", nullptr, flags, SaveFilter, &host.OwnerWindow());
    dialog.SetTitle(append ? "Append to file" : "Save As");
    SaveFile file;
    if (dialog.RunModal() == IDOK) {
        if (dialog.FileNameWhole()) file = OpenChosenFile(dialog.FileName(), append);
    } else if (CommDlgExtendedError() == 0) {
        return file;
    }
    if (file.handle == INVALID_HANDLE_VALUE)
        MessageBoxA(host.OwnerWindow().Handle(), "Cannot write to file", nullptr,
                    MB_OK | MB_ICONEXCLAMATION);
    return file;
}

// A failed append takes back what it added, so that the file is as it was.
int WriteAndClose(ScreenBuffer& screen, SaveFile& file, int append) {
    FileTarget target(file.handle);
    int written = SaveSelectionText(screen, target);
    if (!written && append) {
        SetFilePointerEx(file.handle, file.originalEnd, nullptr, FILE_BEGIN);
        SetEndOfFile(file.handle);
    }
    if (!CloseHandle(file.handle)) written = 0;
    return written;
}

} // namespace

void SaveSelection(TextServiceHost& host, int append) {
    ScreenBuffer& screen = host.Screen();
    if (SelectionEmpty(screen)) {
        host.AskWithTitle("No text selected.", MB_OK | MB_ICONHAND);
        return;
    }
    SaveFile file = ChooseSaveFile(host, append);
    if (file.handle == INVALID_HANDLE_VALUE) return;
    int wasInScrollBack = host.InScrollBack();
    host.EnterScrollBack();
    int written = WriteAndClose(screen, file, append);
    if (!wasInScrollBack) host.LeaveScrollBack();
    if (!written) host.AskWithTitle("File write error.", MB_OK | MB_ICONHAND);
}
