#pragma once

#include <cstddef>
#include <string>
#include <vector>

// LUM.HLP, the program's help file: a text file of topics, each with a
// name, a context number or none, a title, and a text whose links lead to
// other topics. help/README.md states the file's grammar.

constexpr std::size_t HelpFileMaxSize = 1024 * 1024;
constexpr int HelpTopicsMax = 1000;
constexpr std::size_t HelpNameMax = 31;
constexpr std::size_t HelpTitleMax = 79;
constexpr int HelpContextMax = 65535;

struct HelpLink {
    int topic;        // the target's index in HelpFile::topics
    std::string text; // the link's words as the text shows them
};

struct HelpTopic {
    std::string name;
    int context = 0; // 0: the topic has no context number
    std::string title;
    // The text as shown: paragraphs as single lines, kept lines as they
    // are, every line ended by CR LF, links shown by their words.
    std::string text;
    std::vector<HelpLink> links; // each target once, in order of appearance
    int line = 0;                // the line of its @topic
};

struct HelpFile {
    std::vector<HelpTopic> topics;

    // The index of the topic with the context number or the name; -1 when
    // there is none.
    int FindContext(int context) const;
    int FindName(const std::string& name) const;
};

struct HelpError {
    int line = 0; // 0 when the fault is the file's as a whole
    std::string message;
};

// Reads a whole help file; a UTF-8 byte-order mark at its start is
// skipped. A damaged file (a fault of the grammar, a name
// or context number given twice, a link to no topic, a control character,
// a topic without text, a file without topics or over the size limit)
// gives false, the first fault in error and an empty file.
bool ParseHelpFile(const char* data, std::size_t size, HelpFile& file, HelpError& error);

// The numbers among contexts that no topic of the file has.
std::vector<int> MissingContexts(const HelpFile& file, const int* contexts, int count);
