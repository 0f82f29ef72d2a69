#include "textsvc/win32/SessionLog.h"

#include "settings/Profile.h"
#include "textsvc/win32/LogDialog.h"
#include "winlib/SystemUpperCase.h"
#include "winlib/Window.h"

namespace {

// The default log file is made from the Windows directory.
LoggingSettings ReadSettings(Profile& profile) {
    char windowsDirectory[MAX_PATH] = "";
    GetWindowsDirectoryA(windowsDirectory, sizeof windowsDirectory);
    return ReadLoggingSettings(profile, windowsDirectory, profile.FileName(), SystemUpperCase);
}

} // namespace

// The file is opened for appending, made when it does not exist: every
// write lands at its end as it is then, so that another program logging to
// the same file (a second session with the same settings) and this one
// interleave their lines instead of overwriting each other's.
bool SessionLog::File::Open(const char* path) {
    handle = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle != INVALID_HANDLE_VALUE;
}

bool SessionLog::File::Write(const char* bytes, int count) {
    DWORD written = 0;
    return WriteFile(handle, bytes, count, &written, nullptr) && written == DWORD(count);
}

void SessionLog::File::Close() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
}

void SessionLog::Alert::CannotWrite() {
    MessageBoxA(GetFocus(), "Cannot write to log file", nullptr, MB_OK | MB_ICONSTOP);
}

SessionLog::SessionLog(Profile& profile_, Window& owner_, UINT_PTR flushTimerId_)
    : settings(ReadSettings(profile_)), profile(profile_), owner(owner_),
      flushTimerId(flushTimerId_), writer(file, alert) {}

SessionLog::~SessionLog() {
    Close();
    WriteLoggingSettings(profile, settings);
}

// The timer runs while the file is open.
void SessionLog::FollowFlushTimer() {
    if (writer.logOpen && !flushTimerOn)
        flushTimerOn = SetTimer(owner.Handle(), flushTimerId, LogFlushInterval, nullptr) != 0;
    if (!writer.logOpen && flushTimerOn) {
        KillTimer(owner.Handle(), flushTimerId);
        flushTimerOn = 0;
    }
}

void SessionLog::FlushTick() {
    writer.FlushTick(GetTickCount());
}

void SessionLog::RunDialog() {
    LogDialog dialog(settings, &owner);
    bool ok = dialog.RunModal() == IDOK;
    FinishLogDialog(ok, settings.logPolicy, settings.logFilePath, GetTickCount(),
                    settings.loggingMode, writer);
    FollowFlushTimer();
}

void SessionLog::Stop() {
    StopLogging(settings.loggingMode, writer);
    FollowFlushTimer();
}

void SessionLog::Close() {
    writer.Stop();
    FollowFlushTimer();
}

void SessionLog::ScreenLine(const unsigned char* counted) {
    if (settings.loggingMode == LinesOnly) writer.WriteLine(counted);
}

void SessionLog::ReceivedBytes(const char* bytes, int count) {
    if (settings.loggingMode == AllRcvdChars) writer.WriteBytes(bytes, count);
}
