#include "session/Connection.h"

ConnectionEvents& Connection::Events() {
    static ConnectionEvents nowhere;
    return events ? *events : nowhere;
}
