#pragma once

#include "settings/Profile.h"

#include <cstddef>
#include <string>
#include <vector>

// A settings file held in memory, with the behaviour of the Windows
// private-profile functions: section and key names compare without regard
// to case, the first of several equal names wins, blanks around names and
// values do not count, a value enclosed in quotes reads without them, and a
// missing section or key gives the default.
// It serves the tests, the fuzz targets and the native tools.
class IniProfile : public Profile {
  public:
    IniProfile() = default;
    IniProfile(const char* text, std::size_t length) { Load(text, length); }

    // Replaces the contents with the file text. Lines end with CR LF, LF or
    // CR (a zero byte also ends a line). Lines that are neither a section
    // header nor a key with "=" are kept as they are and otherwise ignored.
    void Load(const char* text, std::size_t length);

    // The file text, lines ending in CR LF.
    std::string Text() const;

    // Loads the named file; a file that cannot be read leaves the profile
    // empty, as a missing settings file gives every default. Returns
    // whether the file was read.
    bool LoadFile(const char* path);

    // Writes Text() to the named file; returns whether all of it was written.
    bool SaveFile(const char* path) const;

    int GetInt(const char* section, const char* key, int def) override;
    int GetString(const char* section, const char* key, const char* def, char* out,
                  int size) override;
    void WriteString(const char* section, const char* key, const char* value) override;
    // Keys with an empty name are left out of the list.
    int ListKeys(const char* section, char* out, int size) override;

  private:
    struct Entry {
        std::string key; // the whole line when isKey is false
        std::string value;
        bool isKey;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    void AddLine(const std::string& line);
    Section* FindSection(const char* name);
    Entry* FindKey(Section& section, const char* key);
    Section& SectionForWriting(const char* name);
    void SetKey(Section& section, const std::string& key, const char* value);

    std::vector<std::string> prelude_; // lines before the first section header
    std::vector<Section> sections_;
};
