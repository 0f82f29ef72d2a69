#pragma once

#include "emulator/AnsiCodePage.h"

// The system's ANSI code page, read once through its own conversion: a byte
// the conversion refuses (a lead byte of a double-byte code page, a hole in
// the page) stands for no character, and a character maps back only to the
// byte that converts to it exactly, so no best-fit look-alike is ever shown.
AnsiCodePage SystemAnsiCodePage();
