#pragma once

#include "settings/BoundedText.h"

// Sizes of the settings file's path and of the log file's path, terminator
// included.
constexpr int SettingsPathSize = 128;
constexpr int LogFilePathSize = 260;
// GetWindowsDirectory is asked for at most this many characters.
constexpr int WindowsDirectoryMax = 128;

// Forms settingsPath from the executable's file name: the name after the
// last backslash up to and including its first ".", then "INI", so that
// C:\TOOLS\LUMO32.EXE gives LUMO32.INI. A name without a "." gets ".INI"
// appended; an empty name gives "LUMO32.INI"; a name too long for the
// buffer is shortened before its extension so that the result still ends
// in ".INI".
void MakeSettingsPath(const char* moduleFileName, char (&settingsPath)[SettingsPathSize]);

// The default log file: the settings file's name in upper case (by upper)
// with its
// extension replaced by ".LOG". A bare settings file name lies in the
// Windows directory, so the log goes there too; a settings path with a
// directory (given with -I) keeps that directory, so the log lies beside
// the settings file instead of under a path that cannot exist.
void MakeDefaultLogFile(const char* windowsDirectory, const char* settingsPath, UpperCaser upper,
                        char (&logFilePath)[LogFilePathSize]);

// The part of path after its last backslash, slash or drive colon.
const char* FileNamePart(const char* path);
