#include "settings/SettingsValues.h"

#include "settings/BoundedText.h"
#include "settings/Profile.h"

#include <climits>
#include <cstdio>
#include <cstring>

int ReadFlag(Profile& profile, const char* section, const char* key, int def) {
    return profile.GetInt(section, key, def) != 0 ? 1 : 0;
}

int ReadInRange(Profile& profile, const char* section, const char* key, int def, int low,
                int high) {
    const int value = profile.GetInt(section, key, def);
    return value >= low && value <= high ? value : def;
}

namespace {

// The longest text a setting holds: the log file path.
constexpr int MaxText = 259;

bool NeedsQuotes(const char* text, std::size_t length) {
    if (length == 0) return false;
    const char first = text[0], last = text[length - 1];
    return IsBlank(first) || IsBlank(last) ||
           (length >= 2 && (first == '"' || first == '\'') && last == first);
}

} // namespace

void WriteText(Profile& profile, const char* section, const char* key, const char* text) {
    const std::size_t length = std::strlen(text);
    if (!NeedsQuotes(text, length)) {
        profile.WriteString(section, key, text);
        return;
    }
    char quoted[MaxText + 3];
    std::snprintf(quoted, sizeof quoted, "\"%.*s\"", MaxText, text);
    profile.WriteString(section, key, quoted);
}

void WriteInt(Profile& profile, const char* section, const char* key, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    profile.WriteString(section, key, text);
}

int ClampToInt(long long value) {
    if (value > INT_MAX) return INT_MAX;
    return value < INT_MIN ? INT_MIN : int(value);
}
