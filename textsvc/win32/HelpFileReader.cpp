#include "textsvc/win32/HelpFileReader.h"

#include <cstdio>
#include <string>

namespace {

void ReportUnreadable(HWND owner, const char* path, const std::string& reason) {
    std::string text = std::string("The help file ") + HelpFileName +
                       " cannot be shown.\n\nLooked for it at:\n" + path + "\n\n" + reason;
    MessageBoxA(owner, text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

// The whole file, up to one byte over the parser's limit so that a file
// too large is reported as such.
bool ReadWhole(const char* path, std::string& data, std::string& reason) {
    HANDLE in = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        reason = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                     ? "The file is not there."
                     : "The file cannot be opened.";
        return false;
    }
    data.resize(HelpFileMaxSize + 1);
    DWORD got = 0;
    BOOL read = ReadFile(in, &data[0], static_cast<DWORD>(data.size()), &got, nullptr);
    CloseHandle(in);
    if (!read) {
        reason = "The file cannot be read.";
        return false;
    }
    data.resize(got);
    return true;
}

} // namespace

void HelpFilePath(char* path, int size) {
    DWORD length = GetModuleFileNameA(nullptr, path, static_cast<DWORD>(size));
    std::string folder(path, length < static_cast<DWORD>(size) ? length : 0);
    std::string::size_type slash = folder.find_last_of("\\/");
    folder.resize(slash == std::string::npos ? 0 : slash + 1);
    std::snprintf(path, size, "%s%s", folder.c_str(), HelpFileName);
}

bool ReadHelpFile(HWND owner, HelpFile& file) {
    char path[MAX_PATH];
    HelpFilePath(path, sizeof path);
    std::string data, reason;
    if (!ReadWhole(path, data, reason)) {
        ReportUnreadable(owner, path, reason);
        return false;
    }
    HelpError error;
    if (ParseHelpFile(data.data(), data.size(), file, error)) return true;
    char where[32] = "";
    if (error.line) std::snprintf(where, sizeof where, "Line %d: ", error.line);
    ReportUnreadable(owner, path,
                     "The file is damaged. " + std::string(where) + error.message + ".");
    return false;
}
