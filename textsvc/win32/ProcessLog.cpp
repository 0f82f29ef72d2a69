#include "textsvc/win32/ProcessLog.h"

#include "textsvc/LogWriter.h"
#include "textsvc/win32/LogDialog.h"

namespace {

class Win32LogFile : public LogFile {
  public:
    // The file is opened for appending, made when it does not exist: every
    // write lands at its end as it is then, so that another program logging
    // to the same file (a second session with the same settings) and this
    // one interleave their lines instead of overwriting each other's.
    bool Open(const char* path) override {
        handle = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        return handle != INVALID_HANDLE_VALUE;
    }
    bool Write(const char* bytes, int count) override {
        DWORD written = 0;
        return WriteFile(handle, bytes, count, &written, nullptr) && written == DWORD(count);
    }
    void Close() override {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handle = INVALID_HANDLE_VALUE;
};

class MessageBoxAlert : public LogAlert {
  public:
    void CannotWrite() override {
        MessageBoxA(GetFocus(), "Cannot write to log file", nullptr, MB_OK | MB_ICONSTOP);
    }
};

Win32LogFile file;
MessageBoxAlert alert;
LogWriter writer(file, alert);
UINT_PTR flushTimer = 0;

void CALLBACK FlushLogTick(HWND, UINT, UINT_PTR, DWORD time) {
    writer.FlushTick(time);
}

// The timer runs while the file is open.
void FollowFlushTimer() {
    if (writer.logOpen && !flushTimer)
        flushTimer = SetTimer(nullptr, 0, LogFlushInterval, FlushLogTick);
    if (!writer.logOpen && flushTimer) {
        KillTimer(nullptr, flushTimer);
        flushTimer = 0;
    }
}

} // namespace

void RunLogDialog(LoggingSettings& logging, Window* owner) {
    LogDialog dialog(logging, owner);
    bool ok = dialog.RunModal() == IDOK;
    FinishLogDialog(ok, logging.logPolicy, logging.logFilePath, GetTickCount(), logging.loggingMode,
                    writer);
    FollowFlushTimer();
}

void StopLog(LoggingSettings& logging) {
    StopLogging(logging.loggingMode, writer);
    FollowFlushTimer();
}

void CloseLog() {
    writer.Stop();
    FollowFlushTimer();
}

void LogScreenLine(const LoggingSettings& logging, const unsigned char* counted) {
    if (logging.loggingMode == LinesOnly) writer.WriteLine(counted);
}

void LogReceivedBytes(const LoggingSettings& logging, const char* bytes, int count) {
    if (logging.loggingMode == AllRcvdChars) writer.WriteBytes(bytes, count);
}
