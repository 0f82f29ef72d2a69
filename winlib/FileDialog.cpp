#include "winlib/FileDialog.h"

#include <cstring>

#include "winlib/CommonDialogHook.h"

FileDialog::FileDialog(bool open_, const char* defaultExtension, const char* initialName,
                       DWORD flags, const char* filterText, Window* parent_)
    : Dialog(static_cast<const char*>(nullptr), parent_), open(open_), request(), fileName(),
      fileTitle(), filter() {
    if (initialName) std::strncpy(fileName, initialName, FileNameSize - 1);
    SetFilter(filterText);
    request.lStructSize = sizeof(request);
    request.hwndOwner = OwnerHandle();
    request.hInstance = ResourceInstance();
    request.lpstrFilter = filter[0] ? filter : nullptr;
    request.lpstrFile = fileName;
    request.nMaxFile = FileNameSize;
    request.lpstrFileTitle = fileTitle;
    request.nMaxFileTitle = FileTitleSize;
    request.Flags = flags;
    request.lpstrDefExt = defaultExtension;
}

// Every occurrence of the separator becomes a NUL; the list ends with two
// NULs. A text too long for the buffer keeps only its complete pairs.
void FileDialog::SetFilter(const char* text) {
    std::size_t length = text ? std::strlen(text) : 0;
    if (length == 0) return;
    char separator = text[length - 1];
    std::size_t used = 0;
    std::size_t pairEnd = 0;
    int parts = 0;
    for (std::size_t i = 0; i < length && used < FilterSize - 2; ++i) {
        filter[used++] = text[i] == separator ? '\0' : text[i];
        if (text[i] == separator && ++parts % 2 == 0) pairEnd = used;
    }
    std::memset(filter + pairEnd, 0, FilterSize - pairEnd);
}

bool FileDialog::FileNameWhole() const {
    return std::strlen(fileName) < FileNameSize - 1;
}

void FileDialog::SetCustomFilter(char* buffer, int size) {
    request.lpstrCustomFilter = buffer;
    request.nMaxCustFilter = buffer ? static_cast<DWORD>(size) : 0;
}

INT_PTR FileDialog::RunModal() {
    request.lpfnHook = CommonDialogHook;
    request.Flags |= OFN_ENABLEHOOK;
    if (!BeginModalRun()) return IDCANCEL;
    BOOL chosen = open ? GetOpenFileNameA(&request) : GetSaveFileNameA(&request);
    EndModalRun();
    return chosen ? IDOK : IDCANCEL;
}

void FileDialog::HandleOk() {
    PassButtonToSystem(IDOK);
}

void FileDialog::HandleCancel() {
    PassButtonToSystem(IDCANCEL);
}
