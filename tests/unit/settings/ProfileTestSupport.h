#pragma once

#include "settings/IniProfile.h"

#include <string>
#include <vector>

inline IniProfile MakeIni(const std::string& text) {
    return IniProfile(text.data(), text.size());
}

// A profile that records every write as "Section/Key=value" (or
// "Section/Key removed") and answers reads from an IniProfile.
class RecordingProfile : public IniProfile {
  public:
    void WriteString(const char* section, const char* key, const char* value) override {
        writes.push_back(std::string(section) + "/" + key +
                         (value ? "=" + std::string(value) : " removed"));
        IniProfile::WriteString(section, key, value);
    }
    std::vector<std::string> writes;
};
