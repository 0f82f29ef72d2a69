#pragma once

#include "textsvc/LoggingSettings.h"
#include "winlib/Window.h"

// The process's one log file, written with the system's file functions,
// flushed by a timer of its own (not bound to a window) and reported with
// "Cannot write to log file". The terminal window keeps what the user
// asked for in its LoggingSettings; these operations act on both.

// The Logging dialog, then start, restart or stop the log.
void RunLogDialog(LoggingSettings& logging, Window* owner);
// "Stop logging?" answered Yes.
void StopLog(LoggingSettings& logging);
// Closes the file at the window's end; the mode stays, so the next start
// offers the dialog again.
void CloseLog();

// The two feeds, each written only under its own policy.
void LogScreenLine(const LoggingSettings& logging, const unsigned char* counted);
void LogReceivedBytes(const LoggingSettings& logging, const char* bytes, int count);
