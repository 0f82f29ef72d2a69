#include "session/SendWhole.h"

int SendWhole(Connection& connection, const char* bytes, int length, int maxStalls) {
    int sent = 0;
    int stalls = 0;
    while (sent < length) {
        int accepted = connection.Send(bytes + sent, length - sent);
        if (accepted < 0) break;
        if (accepted == 0) {
            if (++stalls > maxStalls) break;
            continue;
        }
        stalls = 0;
        sent += accepted < length - sent ? accepted : length - sent;
    }
    return sent;
}
