#pragma once

#include "settings/BoundedText.h"
#include "settings/SettingsPath.h"

constexpr int MaxArgumentWords = 9; // words after the program path
constexpr int ProgramPathSize = 144;
constexpr int HostTextSize = 80;
constexpr int DefaultPort = 23;
constexpr int MaxPort = 65535;

// The argument table: the program path (entry 0) and up to nine words of
// the command line. The words point into the command-line text that
// SplitCommandLine was given.
struct ArgumentTable {
    char programPath[ProgramPathSize] = ""; // what "New session..." runs
    char* words[MaxArgumentWords] = {};
    int wordCount = 0;
};

// What the command line asks for.
struct CommandLineOptions {
    char settingsPath[SettingsPathSize] = ""; // replaced by "-I"
    char host[HostTextSize] = "";             // the host word, possibly with ":port"
    int port = DefaultPort;                   // from "-P"
};

// Splits tail in place at every byte of 32 or less; runs of them separate
// words. Words after the ninth are ignored. A program path longer than 143
// characters is left empty rather than cut, so that a new session cannot
// start some other program.
void SplitCommandLine(const char* programPath, char* tail, ArgumentTable& table);

// Upper-cases the program path and every word in place with upper.
void UpperCaseArguments(ArgumentTable& table, UpperCaser upper);

// Reads the words left to right: "-I" and the next word replace the
// settings path, "-P" and the next word give the port, the first other
// word is the host. An option that is the last word has no value and is
// ignored; a host word too long for the host text, or a settings path too
// long for its buffer, is ignored rather than cut to a different name.
// options.settingsPath holds the path made from the executable's name
// before the call.
void ReadCommandLine(const ArgumentTable& table, CommandLineOptions& options);

// A port written in decimal: anything but digits, 0, and values above
// 65535 give 23.
int ReadPort(const char* text);

// Cuts hostText at its first colon and reads the rest as the port, which
// replaces *port; returns whether there was a colon.
bool SplitHostPort(char* hostText, int* port);
