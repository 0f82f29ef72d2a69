#include "app/SettingsValues.h"

#include "app/Profile.h"

#include <climits>
#include <cstdio>

int ReadFlag(Profile& profile, const char* section, const char* key, int def) {
    return profile.GetInt(section, key, def) != 0 ? 1 : 0;
}

int ReadInRange(Profile& profile, const char* section, const char* key, int def, int low,
                int high) {
    const int value = profile.GetInt(section, key, def);
    return value >= low && value <= high ? value : def;
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
