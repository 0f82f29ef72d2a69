#pragma once

#include "settings/Profile.h"

// The settings file through the system's private-profile functions. The
// path is copied; an over-long one is cut to the buffer's size.
class PrivateProfile : public Profile {
  public:
    static constexpr int PathSize = 260;

    explicit PrivateProfile(const char* path);

    int GetInt(const char* section, const char* key, int def) override;
    int GetString(const char* section, const char* key, const char* def, char* out,
                  int size) override;
    void WriteString(const char* section, const char* key, const char* value) override;
    int ListKeys(const char* section, char* out, int size) override;

    const char* FileName() const override { return path; }

  private:
    char path[PathSize];
};
