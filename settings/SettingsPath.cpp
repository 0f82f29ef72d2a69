#include "settings/SettingsPath.h"

#include "settings/BoundedText.h"

#include <cstring>

namespace {

bool HasDirectory(const char* path) {
    return FileNamePart(path) != path;
}

// Copies the text before the first "." of name (all of it when there is
// none) into out, leaving room for an extension of extLength characters.
void CopyBaseName(char* out, int size, const char* name, int extLength) {
    const char* dot = std::strchr(name, '.');
    int length = dot ? int(dot - name) : int(std::strlen(name));
    if (length > size - 1 - extLength) length = size - 1 - extLength;
    if (length < 0) length = 0;
    std::memcpy(out, name, std::size_t(length));
    out[length] = 0;
}

} // namespace

const char* FileNamePart(const char* path) {
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    return name;
}

void MakeSettingsPath(const char* moduleFileName, char (&settingsPath)[SettingsPathSize]) {
    const char* name = FileNamePart(moduleFileName ? moduleFileName : "");
    if (!*name) name = "LUMO32.EXE";
    CopyBaseName(settingsPath, SettingsPathSize, name, 4);
    AppendText(settingsPath, SettingsPathSize, ".INI");
}

void MakeDefaultLogFile(const char* windowsDirectory, const char* settingsPath, UpperCaser upper,
                        char (&logFilePath)[LogFilePathSize]) {
    logFilePath[0] = 0;
    int dirLength = 0;
    if (!HasDirectory(settingsPath)) {
        char directory[WindowsDirectoryMax + 1];
        dirLength = CopyText(directory, sizeof directory, windowsDirectory);
        CopyText(logFilePath, LogFilePathSize, directory);
        if (dirLength == 0 || directory[dirLength - 1] != '\\')
            dirLength = AppendText(logFilePath, LogFilePathSize, "\\");
    }
    char name[LogFilePathSize];
    CopyText(name, sizeof name, settingsPath);
    upper(name);
    const char* fileName = FileNamePart(name);
    const int dirPartLength = int(fileName - name);
    // The settings path's own directory, then its base name and ".LOG".
    char* tail = logFilePath + dirLength;
    const int tailSize = LogFilePathSize - dirLength;
    CopyText(tail, dirPartLength + 1 < tailSize ? dirPartLength + 1 : tailSize, name);
    const int used = int(std::strlen(tail));
    CopyBaseName(tail + used, tailSize - used, fileName, 4);
    AppendText(logFilePath, LogFilePathSize, ".LOG");
}
