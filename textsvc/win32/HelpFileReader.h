#pragma once

#include <windows.h>

#include "textsvc/HelpFile.h"

// LUM.HLP beside the program's executable.
constexpr const char* HelpFileName = "LUM.HLP";

// The full path of LUM.HLP beside the running executable.
void HelpFilePath(char* path, int size);

// Reads and checks LUM.HLP. A file that is missing, unreadable or damaged
// gives one message box, owned by owner, that names the file, where it was
// looked for and what is wrong, and false.
bool ReadHelpFile(HWND owner, HelpFile& file);
