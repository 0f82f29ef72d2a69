#pragma once

// A small test runner for checks that need real windows: each check is a
// named function; CHECK records a failure with its place and goes on.
namespace check {

using Function = void (*)();

struct Registration {
    Registration(const char* name, Function function);
};

void Fail(const char* file, int line, const char* expression);
int RunAll(const char* filter);

} // namespace check

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) check::Fail(__FILE__, __LINE__, #condition);                             \
    } while (0)

#define WINLIB_CHECK(name)                                                                         \
    static void name();                                                                            \
    static check::Registration name##Registration(#name, name);                                    \
    static void name()
