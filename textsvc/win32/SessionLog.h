#pragma once

#include <windows.h>

#include "textsvc/LogWriter.h"
#include "textsvc/LoggingSettings.h"

class Profile;
class Window;

// The session's log, the one owner of logging: what the user asked for
// (section "Logging", read when the object is made and written back when it
// is destroyed) and the log file, written with the system's file functions,
// flushed by a timer of the owner window and reported with "Cannot write to
// log file".
class SessionLog {
  public:
    // flushTimerId: the owner window's timer that calls FlushTick.
    SessionLog(Profile& settings, Window& owner, UINT_PTR flushTimerId);
    ~SessionLog();
    SessionLog(const SessionLog&) = delete;
    SessionLog& operator=(const SessionLog&) = delete;

    // The Logging dialog, then start, restart or stop the log.
    void RunDialog();
    // "Stop logging?" answered Yes.
    void Stop();
    void FlushTick();

    // The two feeds, each written only under its own policy.
    void ScreenLine(const unsigned char* counted);
    void ReceivedBytes(const char* bytes, int count);

    LoggingSettings settings;

  private:
    class File : public LogFile {
      public:
        bool Open(const char* path) override;
        bool Write(const char* bytes, int count) override;
        void Close() override;

      private:
        HANDLE handle = INVALID_HANDLE_VALUE;
    };
    class Alert : public LogAlert {
      public:
        void CannotWrite() override;
    };

    // Closes the file at the end; the mode stays, so the next start offers
    // the dialog again.
    void Close();
    void FollowFlushTimer();

    Profile& profile;
    Window& owner;
    UINT_PTR flushTimerId;
    int flushTimerOn = 0;
    File file;
    Alert alert;
    LogWriter writer;
};
