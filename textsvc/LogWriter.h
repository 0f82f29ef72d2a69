#pragma once

// The log file's state: open or not, whether anything was written since it
// was opened, and when it was last opened. Lines and bytes go straight to
// the file's write call; a tick once a minute closes and reopens a file
// that was written to, so that its contents reach the disk while the
// session runs. The file and the user's notice come from outside.

constexpr int LogFlushInterval = 60000; // milliseconds between flushes
constexpr int MaxLogLine = 132;         // characters of a screen line

// The file the log writes to.
class LogFile {
  public:
    virtual ~LogFile() = default;
    // Opens the path for appending, creating the file when it does not
    // exist; false when neither works.
    virtual bool Open(const char* path) = 0;
    // Writes the bytes; false when not all of them were written.
    virtual bool Write(const char* bytes, int count) = 0;
    virtual void Close() = 0;
};

// Where the writer tells the user that the file cannot be written.
class LogAlert {
  public:
    virtual ~LogAlert() = default;
    virtual void CannotWrite() = 0;
};

class LogWriter {
  public:
    LogWriter(LogFile& file, LogAlert& alert) : file(file), alert(alert) {}

    // Opens path (kept for the flushes, at most 259 characters) at tick
    // count now; on failure the alert is given and false returned.
    bool Start(const char* path, unsigned now);
    void Stop();
    // A counted line (length byte, then up to 132 characters; a longer
    // count is cut to 132) and CR LF.
    void WriteLine(const unsigned char* counted);
    void WriteBytes(const char* bytes, int count);
    // The flush timer's tick at tick count now.
    void FlushTick(unsigned now);

    int logOpen = 0;
    int logClean = 1;
    unsigned lastFlushTime = 0;

  private:
    static constexpr int PathSize = 260;

    bool Reopen();
    void Write(const char* bytes, int count);

    LogFile& file;
    LogAlert& alert;
    char path[PathSize] = "";
};

// What the user asked for: 0 off, else the policy of the running log.
// The Logging dialog's end: OK (re)starts the log with the policy, Cancel
// stops a running one. "Stop logging?" answered Yes stops it.
void FinishLogDialog(bool ok, int policy, const char* path, unsigned now, int& loggingMode,
                     LogWriter& writer);
void StopLogging(int& loggingMode, LogWriter& writer);
