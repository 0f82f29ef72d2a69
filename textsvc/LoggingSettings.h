#pragma once

#include "settings/SettingsPath.h"

class Profile;

constexpr int LinesOnly = 1;    // log policy "Lines only"
constexpr int AllRcvdChars = 2; // log policy "All rcvd chars"

// Section "Logging".
struct LoggingSettings {
    char logFilePath[LogFilePathSize] = ""; // LogFile
    int active = 0;                         // Active: logging was on at the last exit
    int logPolicy = LinesOnly;              // Policy
    int loggingMode = 0;                    // 0 off, else logPolicy
};

// Reads LogFile (its default made from the Windows directory and the
// settings path, upper-cased by upper), Active and Policy; a Policy other
// than 2 reads as 1.
LoggingSettings ReadLoggingSettings(Profile& profile, const char* windowsDirectory,
                                    const char* settingsPath, UpperCaser upper);

// Writes LogFile, Policy and Active ("1" while loggingMode is not 0).
void WriteLoggingSettings(Profile& profile, const LoggingSettings& settings);
