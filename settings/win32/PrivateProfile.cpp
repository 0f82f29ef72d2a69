#include "settings/win32/PrivateProfile.h"

#include <windows.h>

#include <cstring>

PrivateProfile::PrivateProfile(const char* file) : path() {
    if (file) std::strncpy(path, file, PathSize - 1);
}

int PrivateProfile::GetInt(const char* section, const char* key, int def) {
    return static_cast<int>(GetPrivateProfileIntA(section, key, def, path));
}

int PrivateProfile::GetString(const char* section, const char* key, const char* def, char* out,
                              int size) {
    if (!out || size <= 0) return 0;
    return static_cast<int>(
        GetPrivateProfileStringA(section, key, def ? def : "", out, size, path));
}

void PrivateProfile::WriteString(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, path);
}

int PrivateProfile::ListKeys(const char* section, char* out, int size) {
    if (!out || size <= 1) {
        if (out && size == 1) out[0] = 0;
        return 0;
    }
    return static_cast<int>(GetPrivateProfileStringA(section, nullptr, "", out, size, path));
}
