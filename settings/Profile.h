#pragma once

// The settings store as the program sees it: sections of keys with string
// values, read and written key by key. On Windows it is the private-profile
// functions on the settings file; elsewhere (tests, fuzzing) an in-memory
// file of the same form.
class Profile {
  public:
    virtual ~Profile() = default;

    // The key's value as a decimal integer, or def when the key is missing.
    virtual int GetInt(const char* section, const char* key, int def) = 0;

    // Copies the key's value (or def when it is missing) into out, cut to
    // size - 1 characters and zero-terminated; returns the length copied.
    virtual int GetString(const char* section, const char* key, const char* def, char* out,
                          int size) = 0;

    // Stores value under the key; a null value removes the key.
    virtual void WriteString(const char* section, const char* key, const char* value) = 0;

    // Fills out with the section's key names, each zero-terminated, followed
    // by one more zero, cut to fit size; returns the bytes used, without the
    // final zero.
    virtual int ListKeys(const char* section, char* out, int size) = 0;

    // The settings file's name as the program was given it, for names made
    // from it (the default log file); empty for a store without a file.
    virtual const char* FileName() const { return ""; }
};
