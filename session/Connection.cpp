#include "session/Connection.h"

namespace {
Connection* current = nullptr;
}

Connection::Connection() {
    current = this;
}

Connection::~Connection() {
    if (current == this) current = nullptr;
}

Connection* Connection::Current() {
    return current;
}
