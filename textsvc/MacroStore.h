#pragma once

class Profile;

constexpr int MacroNamesSize = 600;      // all names of section "Macros"
constexpr int MacroNameSize = 28;        // one name, at most 27 characters
constexpr int StoredMacroTextSize = 254; // one definition as read, at most 253 characters

// The names of section "Macros" in file order, each zero-terminated, with
// an extra zero at the end.
struct MacroList {
    char macroNames[MacroNamesSize] = "";
    int macroCount = 0;
};

// Fills the list from the section (empty when it is missing). When the
// names do not all fit, the last one the buffer holds may be cut short;
// it is dropped unless a key of that name exists, so every listed name
// can be read and deleted.
void ReadMacroList(Profile& profile, MacroList& list);

// The whole name at position index, or "" when there is none.
const char* MacroNameAt(const MacroList& list, int index);

// Reads the definition of the named macro ("" when missing); returns its
// length.
int ReadMacroDefinition(Profile& profile, const char* name,
                        char (&definition)[StoredMacroTextSize]);

// Whether name can be a key of the settings file: 1 to 27 characters after
// blanks are trimmed, no control characters, no "=", and not beginning
// with "[" or ";", which would make the line a section header or a comment.
bool IsStorableMacroName(const char* name);

// Stores the definition under the name, cut to the 253 characters that
// reading returns; blanks at its ends and enclosing quotes are kept. Refuses (returns false) a name
// that cannot be stored and a definition holding a line break, which would add lines to the file.
bool SaveMacro(Profile& profile, const char* name, const char* definition);

// Removes the named macro's key.
void DeleteMacro(Profile& profile, const char* name);
