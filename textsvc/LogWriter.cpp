#include "textsvc/LogWriter.h"

#include <cstring>

bool LogWriter::Start(const char* path_, unsigned now) {
    if (logOpen) Stop();
    std::strncpy(path, path_, PathSize - 1);
    path[PathSize - 1] = 0;
    if (!Reopen()) return false;
    logClean = 1;
    lastFlushTime = now;
    return true;
}

bool LogWriter::Reopen() {
    logOpen = file.Open(path) ? 1 : 0;
    if (!logOpen) alert.CannotWrite();
    return logOpen != 0;
}

void LogWriter::Stop() {
    if (logOpen) file.Close();
    logClean = 1;
    logOpen = 0;
}

// A write that fails (a full disk) closes the file and tells the user once;
// nothing more is written until the log is started again.
void LogWriter::Write(const char* bytes, int count) {
    if (!logOpen || count <= 0) return;
    logClean = 0;
    if (file.Write(bytes, count)) return;
    Stop();
    alert.CannotWrite();
}

// The line and its CR LF go out in one write call.
void LogWriter::WriteLine(const unsigned char* counted) {
    char line[MaxLogLine + 2];
    const int length = counted[0] < MaxLogLine ? counted[0] : MaxLogLine;
    std::memcpy(line, counted + 1, length);
    line[length] = '\r';
    line[length + 1] = '\n';
    Write(line, length + 2);
}

void LogWriter::WriteBytes(const char* bytes, int count) {
    Write(bytes, count);
}

void LogWriter::FlushTick(unsigned now) {
    if (!logOpen || logClean || now - lastFlushTime <= unsigned(LogFlushInterval)) return;
    file.Close();
    logClean = 1;
    lastFlushTime = now;
    Reopen();
}

void FinishLogDialog(bool ok, int policy, const char* path, unsigned now, int& loggingMode,
                     LogWriter& writer) {
    if (loggingMode) writer.Stop();
    loggingMode = ok ? policy : 0;
    if (ok) writer.Start(path, now);
}

void StopLogging(int& loggingMode, LogWriter& writer) {
    writer.Stop();
    loggingMode = 0;
}
