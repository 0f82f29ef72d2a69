#include "textsvc/UploadFilter.h"

#include <cstdio>
#include <cstring>

namespace {

// The length of the zero-terminated string at text within size bytes, or
// -1 when no zero ends it there.
int BoundedLength(const char* text, int size) {
    const void* end = size > 0 ? std::memchr(text, 0, size) : nullptr;
    return end ? static_cast<int>(static_cast<const char*>(end) - text) : -1;
}

} // namespace

void InitUploadFilter(char* filter, int size) {
    std::memset(filter, 0, size);
    std::memcpy(filter + 1, "*.*", 3);
}

int RememberUploadPattern(char* filter, int size) {
    int description = BoundedLength(filter, size);
    if (description < 0) return 0;
    const char* patternAt = filter + description + 1;
    int pattern = BoundedLength(patternAt, size - description - 1);
    if (pattern <= 0) return 0;
    char kept[UploadFilterSize];
    static const char Before[] = "As before (";
    int needed = static_cast<int>(sizeof Before - 1) + pattern + 2 + pattern + 2;
    if (pattern >= static_cast<int>(sizeof kept) || needed > size) return 0;
    std::memcpy(kept, patternAt, pattern + 1);
    int written = std::snprintf(filter, size, "%s%s)", Before, kept);
    std::memcpy(filter + written + 1, kept, pattern + 1);
    filter[written + 1 + pattern + 1] = 0;
    return 1;
}
