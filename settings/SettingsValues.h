#pragma once

class Profile;

// Value forms shared by the settings readers and writers.

// A flag key: any non-zero value reads as 1, so that code which compares
// or multiplies a flag sees only 0 or 1.
int ReadFlag(Profile& profile, const char* section, const char* key, int def);

// An integer key whose values outside low..high read as def.
int ReadInRange(Profile& profile, const char* section, const char* key, int def, int low, int high);

// Stores text so that reading gives it back whole: text with blanks at
// either end, or enclosed in quotes, is stored inside one more pair of
// double quotes, which reading removes.
void WriteText(Profile& profile, const char* section, const char* key, const char* text);

// Stores an integer as its decimal text.
void WriteInt(Profile& profile, const char* section, const char* key, int value);

// A 64-bit result limited to the int range, for sizes made of stored and
// system values that may be anything.
int ClampToInt(long long value);
