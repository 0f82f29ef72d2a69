#include "emulator/win32/SystemCodePage.h"

#include <windows.h>

AnsiCodePage SystemAnsiCodePage() {
    unsigned short unicode[128];
    for (int i = 0; i < 128; ++i) {
        char byte = static_cast<char>(128 + i);
        WCHAR wide = 0;
        int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1);
        unicode[i] = n == 1 ? wide : 0;
    }
    return AnsiCodePage(unicode);
}
