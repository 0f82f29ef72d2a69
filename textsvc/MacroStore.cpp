#include "textsvc/MacroStore.h"

#include "settings/BoundedText.h"
#include "settings/Profile.h"
#include "settings/SettingsValues.h"

#include <cstring>

namespace {

const char Macros[] = "Macros";

// Whether the section has the key, whatever its value: a missing key
// yields each of two different defaults, a present one its value both times.
bool KeyExists(Profile& profile, const char* key) {
    char a[2], b[2];
    profile.GetString(Macros, key, "\x01", a, sizeof a);
    profile.GetString(Macros, key, "\x02", b, sizeof b);
    return a[0] == b[0];
}

// The start of the last name in a list of used bytes (each name with its zero).
char* LastName(char* names, int used) {
    int start = used - 1;
    while (start > 0 && names[start - 1] != 0)
        --start;
    return names + start;
}

// Removes the empty names that a line such as "=text" lists, which would
// otherwise end the list early; returns the bytes still used.
int DropEmptyNames(char* names, int used) {
    int kept = 0;
    for (int at = 0; at < used; ++at)
        if (names[at] != 0 || (kept > 0 && names[kept - 1] != 0)) names[kept++] = names[at];
    names[kept] = 0;
    return kept;
}

} // namespace

void ReadMacroList(Profile& profile, MacroList& list) {
    int used = profile.ListKeys(Macros, list.macroNames, MacroNamesSize);
    if (used == MacroNamesSize - 2 && used > 0) {
        char* last = LastName(list.macroNames, used);
        if (!KeyExists(profile, last)) used = int(last - list.macroNames);
    }
    DropEmptyNames(list.macroNames, used);
    list.macroCount = 0;
    for (const char* p = list.macroNames; *p; p += std::strlen(p) + 1)
        ++list.macroCount;
}

const char* MacroNameAt(const MacroList& list, int index) {
    if (index < 0 || index >= list.macroCount) return "";
    const char* p = list.macroNames;
    for (int i = 0; i < index; ++i)
        p += std::strlen(p) + 1;
    return p;
}

int ReadMacroDefinition(Profile& profile, const char* name,
                        char (&definition)[StoredMacroTextSize]) {
    return profile.GetString(Macros, name, "", definition, StoredMacroTextSize);
}

bool IsStorableMacroName(const char* name) {
    while (IsBlank(*name))
        ++name;
    int length = int(std::strlen(name));
    while (length > 0 && IsBlank(name[length - 1]))
        --length;
    if (length == 0 || length > MacroNameSize - 1 || name[0] == '[' || name[0] == ';') return false;
    for (int i = 0; i < length; ++i)
        if (name[i] == '=' || static_cast<unsigned char>(name[i]) < 32) return false;
    return true;
}

bool SaveMacro(Profile& profile, const char* name, const char* definition) {
    if (!IsStorableMacroName(name) || std::strpbrk(definition, "\r\n")) return false;
    char stored[StoredMacroTextSize];
    CopyText(stored, StoredMacroTextSize, definition);
    WriteText(profile, Macros, name, stored);
    return true;
}

void DeleteMacro(Profile& profile, const char* name) {
    profile.WriteString(Macros, name, nullptr);
}
