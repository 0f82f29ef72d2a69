// The help file parser on arbitrary input: a file that is read is sound
// (every link leads to a topic, names and context numbers are unique, every
// topic has text), and searching it and ordering its index never fail.

#include "textsvc/HelpSearch.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckSound(const HelpFile& file) {
    std::set<std::string> names;
    std::set<int> contexts;
    int count = static_cast<int>(file.topics.size());
    Check(count > 0 && count <= HelpTopicsMax);
    for (const HelpTopic& topic : file.topics) {
        Check(names.insert(topic.name).second);
        Check(topic.context == 0 || contexts.insert(topic.context).second);
        Check(!topic.text.empty() && !topic.title.empty());
        for (const HelpLink& link : topic.links)
            Check(link.topic >= 0 && link.topic < count && !link.text.empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HelpFile file;
    HelpError error;
    const char* text = reinterpret_cast<const char*>(data);
    if (!ParseHelpFile(text, size, file, error)) {
        Check(file.topics.empty() && !error.message.empty());
        return 0;
    }
    CheckSound(file);
    Check(HelpIndex(file).size() == file.topics.size());
    std::string query(text, size < 40 ? size : 40);
    for (int topic : SearchHelp(file, query.c_str()))
        Check(topic >= 0 && topic < static_cast<int>(file.topics.size()));
    return 0;
}
