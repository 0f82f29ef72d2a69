#pragma once

// The terminal options that the settings file and the "Terminal settings"
// dialog hold. The defaults are those of a settings file without a
// "Terminal" section: VT100, national mode with the Finnish set, no local
// echo, Backspace sends DEL, Home sends Ctrl-H, autowrap and newline off.
struct TerminalSettings {
    int emulation = 1; // 0 TTY, 1 VT100, 2 VT200
    int multinational = 0;
    int nationalSet = 1; // 0 U.S. ASCII, 1 Finnish, 2 Swedish, 3 British
    int localEcho = 0;
    int bsSendsCtrlH = 0;
    int homeSendsCtrlA = 0;
    int autowrap = 0;
    int newlineMode = 0;
    int monitorMode = 0;
    int utf8 = 0; // received text decoded and sent text encoded as UTF-8
};
