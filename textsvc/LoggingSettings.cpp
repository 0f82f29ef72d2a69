#include "textsvc/LoggingSettings.h"

#include "settings/BoundedText.h"
#include "settings/Profile.h"
#include "settings/SettingsValues.h"

namespace {
const char Logging[] = "Logging";
}

LoggingSettings ReadLoggingSettings(Profile& profile, const char* windowsDirectory,
                                    const char* settingsPath, UpperCaser upper) {
    LoggingSettings s;
    char defaultPath[LogFilePathSize];
    MakeDefaultLogFile(windowsDirectory, settingsPath, upper, defaultPath);
    profile.GetString(Logging, "LogFile", defaultPath, s.logFilePath, LogFilePathSize);
    TrimTrailingBlanks(s.logFilePath); // a path cut short may end in a blank
    s.active = ReadFlag(profile, Logging, "Active", 0);
    s.logPolicy =
        profile.GetInt(Logging, "Policy", LinesOnly) == AllRcvdChars ? AllRcvdChars : LinesOnly;
    s.loggingMode = s.active ? s.logPolicy : 0;
    return s;
}

void WriteLoggingSettings(Profile& profile, const LoggingSettings& s) {
    WriteText(profile, Logging, "LogFile", s.logFilePath);
    WriteInt(profile, Logging, "Policy", s.logPolicy);
    profile.WriteString(Logging, "Active", s.loggingMode != 0 ? "1" : "0");
}
