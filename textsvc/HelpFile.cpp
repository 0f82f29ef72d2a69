#include "textsvc/HelpFile.h"

#include <cstring>

namespace {

struct BodyLine {
    int number;
    std::string text;
};

// A topic whose body is kept as written until every name is known.
struct PendingTopic {
    HelpTopic topic;
    std::vector<BodyLine> body;
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsName(const std::string& name) {
    if (name.empty() || name.size() > HelpNameMax || !IsLetter(name[0])) return false;
    for (char c : name)
        if (!IsLetter(c) && !IsDigit(c) && c != '-') return false;
    return true;
}

// "-" is no context (0); otherwise a number from 1 to HelpContextMax.
bool ReadContext(const std::string& word, int& context) {
    if (word == "-") {
        context = 0;
        return true;
    }
    if (word.empty() || word.size() > 5) return false;
    int value = 0;
    for (char c : word) {
        if (!IsDigit(c)) return false;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > HelpContextMax) return false;
    context = value;
    return true;
}

// Splits off the next word of text at position; spaces before it are skipped.
std::string NextWord(const std::string& text, std::size_t& position) {
    while (position < text.size() && text[position] == ' ')
        ++position;
    std::size_t start = position;
    while (position < text.size() && text[position] != ' ')
        ++position;
    return text.substr(start, position - start);
}

std::string Trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Tabs become spaces up to the next column that is a multiple of 8; any
// other control character damages the line.
bool CleanLine(const char* begin, std::size_t length, std::string& line) {
    line.clear();
    if (length && begin[length - 1] == '\r') --length;
    for (std::size_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(begin[i]);
        if (c == '\t')
            line.append(8 - line.size() % 8, ' ');
        else if (c < 0x20 || c == 0x7F)
            return false;
        else
            line.push_back(static_cast<char>(c));
    }
    return true;
}

// Editors that save UTF-8 often put this mark first; it is not text.
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t ByteOrderMarkSize = 3;

bool HasByteOrderMark(const char* data, std::size_t size) {
    return size >= ByteOrderMarkSize && std::memcmp(data, ByteOrderMark, ByteOrderMarkSize) == 0;
}

class Parser {
  public:
    explicit Parser(HelpError& error) : error(error) {}

    bool Read(const char* data, std::size_t size) {
        if (size > HelpFileMaxSize) return Fail(0, "the file is larger than 1 MB");
        std::size_t start = HasByteOrderMark(data, size) ? ByteOrderMarkSize : 0;
        int number = 0;
        while (start < size) {
            const char* end =
                static_cast<const char*>(std::memchr(data + start, '\n', size - start));
            std::size_t length =
                end ? static_cast<std::size_t>(end - (data + start)) : size - start;
            std::string line;
            if (!CleanLine(data + start, length, line))
                return Fail(number + 1, "a control character in the text");
            if (!ReadLine(++number, line)) return false;
            start += length + 1;
        }
        if (topics.empty()) return Fail(0, "the file has no topics");
        return true;
    }

    bool Finish(HelpFile& file) {
        for (const PendingTopic& pending : topics)
            file.topics.push_back(pending.topic);
        for (std::size_t i = 0; i < topics.size(); ++i) {
            if (!RenderBody(file, topics[i].body, file.topics[i])) return false;
            if (file.topics[i].text.empty())
                return Fail(file.topics[i].line, "the topic has no text");
        }
        return true;
    }

  private:
    bool Fail(int line, const std::string& message) {
        error.line = line;
        error.message = message;
        return false;
    }

    bool ReadLine(int number, const std::string& line) {
        if (!line.empty() && line[0] == '#') return true;
        if (line.compare(0, 2, "@@") == 0) return AddBody(number, line.substr(1));
        if (!line.empty() && line[0] == '@') return ReadTopicLine(number, line);
        return AddBody(number, line);
    }

    bool AddBody(int number, const std::string& line) {
        if (topics.empty()) {
            if (Trimmed(line).empty()) return true;
            return Fail(number, "text before the first @topic line");
        }
        topics.back().body.push_back({number, line});
        return true;
    }

    bool ReadTopicLine(int number, const std::string& line) {
        std::size_t position = 0;
        if (NextWord(line, position) != "@topic") return Fail(number, "unknown @ line");
        if (static_cast<int>(topics.size()) == HelpTopicsMax)
            return Fail(number, "more than 1000 topics");
        PendingTopic pending;
        HelpTopic& topic = pending.topic;
        topic.line = number;
        topic.name = NextWord(line, position);
        if (!IsName(topic.name)) return Fail(number, "bad topic name \"" + topic.name + "\"");
        std::string context = NextWord(line, position);
        if (!ReadContext(context, topic.context))
            return Fail(number, "bad context number \"" + context + "\"");
        topic.title = Trimmed(line.substr(position));
        if (topic.title.empty()) return Fail(number, "the topic has no title");
        if (topic.title.size() > HelpTitleMax) return Fail(number, "the title is too long");
        for (const PendingTopic& other : topics) {
            if (other.topic.name == topic.name)
                return Fail(number, "topic name \"" + topic.name + "\" given twice");
            if (topic.context && other.topic.context == topic.context)
                return Fail(number, "context number " + context + " given twice");
        }
        topics.push_back(pending);
        return true;
    }

    // Paragraph lines are joined with single spaces; a line that begins
    // with a space is kept as it is; blank lines separate paragraphs.
    bool RenderBody(const HelpFile& file, const std::vector<BodyLine>& body, HelpTopic& topic) {
        std::string paragraph;
        bool gap = false;
        for (const BodyLine& line : body) {
            if (Trimmed(line.text).empty()) {
                Flush(topic.text, paragraph, gap);
                gap = !topic.text.empty();
                continue;
            }
            std::string shown;
            if (!RenderLinks(file, line, topic, shown)) return false;
            if (line.text[0] == ' ') {
                Flush(topic.text, paragraph, gap);
                AppendLine(topic.text, shown, gap);
            } else {
                if (!paragraph.empty()) paragraph += ' ';
                paragraph += Trimmed(shown);
            }
        }
        Flush(topic.text, paragraph, gap);
        return true;
    }

    static void AppendLine(std::string& text, const std::string& line, bool& gap) {
        if (gap && !text.empty()) text += "\r\n";
        gap = false;
        text += line;
        text += "\r\n";
    }

    static void Flush(std::string& text, std::string& paragraph, bool& gap) {
        if (paragraph.empty()) return;
        AppendLine(text, paragraph, gap);
        paragraph.clear();
    }

    // "{name}" shows the target's title, "{name|words}" the words; "{{"
    // is a literal brace.
    bool RenderLinks(const HelpFile& file, const BodyLine& line, HelpTopic& topic,
                     std::string& shown) {
        const std::string& text = line.text;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '{') {
                shown += text[i];
                continue;
            }
            if (i + 1 < text.size() && text[i + 1] == '{') {
                shown += '{';
                ++i;
                continue;
            }
            std::size_t close = text.find('}', i);
            if (close == std::string::npos) return Fail(line.number, "a link without its }");
            std::string inside = text.substr(i + 1, close - i - 1);
            std::size_t bar = inside.find('|');
            std::string name = inside.substr(0, bar);
            int target = file.FindName(name);
            if (target < 0) return Fail(line.number, "a link to no topic: \"" + name + "\"");
            std::string words =
                bar == std::string::npos ? file.topics[target].title : inside.substr(bar + 1);
            if (Trimmed(words).empty()) return Fail(line.number, "a link without words");
            AddLink(topic, target, words);
            shown += words;
            i = close;
        }
        return true;
    }

    static void AddLink(HelpTopic& topic, int target, const std::string& words) {
        for (const HelpLink& link : topic.links)
            if (link.topic == target) return;
        topic.links.push_back({target, words});
    }

    HelpError& error;
    std::vector<PendingTopic> topics;
};

} // namespace

int HelpFile::FindContext(int context) const {
    if (context <= 0) return -1;
    for (std::size_t i = 0; i < topics.size(); ++i)
        if (topics[i].context == context) return static_cast<int>(i);
    return -1;
}

int HelpFile::FindName(const std::string& name) const {
    for (std::size_t i = 0; i < topics.size(); ++i)
        if (topics[i].name == name) return static_cast<int>(i);
    return -1;
}

bool ParseHelpFile(const char* data, std::size_t size, HelpFile& file, HelpError& error) {
    file.topics.clear();
    error = HelpError();
    Parser parser(error);
    if (parser.Read(data, size) && parser.Finish(file)) return true;
    file.topics.clear();
    return false;
}

std::vector<int> MissingContexts(const HelpFile& file, const int* contexts, int count) {
    std::vector<int> missing;
    for (int i = 0; i < count; ++i)
        if (file.FindContext(contexts[i]) < 0) missing.push_back(contexts[i]);
    return missing;
}
