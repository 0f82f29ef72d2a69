#include "session/win32/TelnetConnection.h"

// The process's one connection, constructed before the entry point runs; it
// becomes Connection::Current(), to which the terminal window links itself.
// Its destruction at exit cleans up Windows Sockets.
static TelnetConnection processConnection;
