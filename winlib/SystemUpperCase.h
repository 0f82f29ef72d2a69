#pragma once

#include <windows.h>

// Upper-cases a zero-terminated text in place with the system's rules for
// the ANSI code page in use.
inline void SystemUpperCase(char* text) {
    CharUpperBuffA(text, static_cast<DWORD>(lstrlenA(text)));
}
