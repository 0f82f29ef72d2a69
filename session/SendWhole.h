#pragma once

#include "session/Connection.h"

// Writes a whole block through the connection's Send, as SendAll must: each
// positive result advances, a would-block result (0) tries again at once, and
// an error (-1) abandons the rest. To keep a host that stops reading from
// freezing the window thread, it also gives up after maxStalls would-block
// results in a row. Returns the number of bytes accepted.
int SendWhole(Connection& connection, const char* bytes, int length, int maxStalls);
