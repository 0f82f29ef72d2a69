#include "Check.h"

#include <cstdio>
#include <cstring>

namespace check {
namespace {

struct Entry {
    const char* name;
    Function function;
};

Entry entries[64];
int entryCount;
int failures;

} // namespace

Registration::Registration(const char* name, Function function) {
    if (entryCount < 64) entries[entryCount++] = {name, function};
}

void Fail(const char* file, int line, const char* expression) {
    const char* base = std::strrchr(file, '/');
    std::printf("  failed: %s:%d: %s\n", base ? base + 1 : file, line, expression);
    ++failures;
}

int RunAll(const char* filter) {
    int failed = 0;
    for (int i = 0; i < entryCount; ++i) {
        if (filter && !std::strstr(entries[i].name, filter)) continue;
        int before = failures;
        entries[i].function();
        bool ok = failures == before;
        std::printf("%s %s\n", ok ? "ok  " : "FAIL", entries[i].name);
        std::fflush(stdout);
        if (!ok) ++failed;
    }
    std::printf("%d of %d checks failed\n", failed, entryCount);
    return failed;
}

} // namespace check
