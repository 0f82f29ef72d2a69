#include "settings/IniProfile.h"

#include "settings/BoundedText.h"

#include <cstdio>

namespace {

// GetPrivateProfileIntA reads the value into a buffer of this size.
constexpr int IntTextSize = 30;

std::string Trimmed(const std::string& s) {
    std::size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

// A value enclosed in a pair of single or double quotes reads without them.
std::string Unquoted(const std::string& v) {
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
        return v.substr(1, v.size() - 2);
    return v;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Whether a stored (trimmed) name equals the wanted one, already trimmed.
bool SameName(const std::string& stored, const std::string& wanted) {
    if (stored.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        if (LowerAscii(stored[i]) != LowerAscii(wanted[i])) return false;
    return true;
}

// Leading blanks, an optional sign and decimal digits, as the system reads
// an integer key; the digits wrap around in 32 bits as the system's do.
int ParseProfileInt(const char* text) {
    while (IsBlank(*text))
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    unsigned value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        value = value * 10u + unsigned(*text - '0');
    if (negative) value = 0u - value;
    return value <= 0x7fffffffu ? int(value) : -int(~value) - 1;
}

} // namespace

void IniProfile::Load(const char* text, std::size_t length) {
    prelude_.clear();
    sections_.clear();
    std::string line;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r' && c != 0) {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < length && text[i + 1] == '\n') ++i;
        AddLine(line);
        line.clear();
    }
    if (!line.empty()) AddLine(line);
}

void IniProfile::AddLine(const std::string& line) {
    const std::string t = Trimmed(line);
    const std::size_t close = t.rfind(']');
    if (!t.empty() && t[0] == '[' && close != std::string::npos) {
        sections_.push_back({Trimmed(t.substr(1, close - 1)), {}});
        return;
    }
    const std::size_t eq = t.find('=');
    const bool isKey = eq != std::string::npos && t[0] != ';';
    Entry entry = isKey ? Entry{Trimmed(t.substr(0, eq)), Trimmed(t.substr(eq + 1)), true}
                        : Entry{line, "", false};
    if (sections_.empty())
        prelude_.push_back(line);
    else
        sections_.back().entries.push_back(entry);
}

std::string IniProfile::Text() const {
    std::string text;
    for (const std::string& line : prelude_)
        text += line + "\r\n";
    for (const Section& section : sections_) {
        text += "[" + section.name + "]\r\n";
        for (const Entry& e : section.entries)
            text += (e.isKey ? e.key + "=" + e.value : e.key) + "\r\n";
    }
    return text;
}

bool IniProfile::LoadFile(const char* path) {
    Load("", 0);
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::string text;
    char block[4096];
    std::size_t n;
    while ((n = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    Load(text.data(), text.size());
    return ok;
}

bool IniProfile::SaveFile(const char* path) const {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const std::string text = Text();
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

IniProfile::Section* IniProfile::FindSection(const char* name) {
    const std::string wanted = Trimmed(name);
    for (Section& section : sections_)
        if (SameName(section.name, wanted)) return &section;
    return nullptr;
}

IniProfile::Entry* IniProfile::FindKey(Section& section, const char* key) {
    const std::string wanted = Trimmed(key);
    for (Entry& e : section.entries)
        if (e.isKey && SameName(e.key, wanted)) return &e;
    return nullptr;
}

int IniProfile::GetInt(const char* section, const char* key, int def) {
    char text[IntTextSize];
    if (GetString(section, key, "", text, IntTextSize) == 0) return def;
    return ParseProfileInt(text);
}

int IniProfile::GetString(const char* section, const char* key, const char* def, char* out,
                          int size) {
    if (!out || size <= 0) return 0;
    if (!key) return ListKeys(section, out, size);
    Section* s = section ? FindSection(section) : nullptr;
    Entry* e = s ? FindKey(*s, key) : nullptr;
    if (e) return CopyText(out, size, Unquoted(Trimmed(e->value)).c_str());
    std::string fallback = def ? def : "";
    while (!fallback.empty() && IsBlank(fallback.back()))
        fallback.pop_back();
    return CopyText(out, size, fallback.c_str());
}

void IniProfile::WriteString(const char* section, const char* key, const char* value) {
    if (!section) return;
    if (!key) {
        if (Section* s = FindSection(section))
            sections_.erase(sections_.begin() + (s - sections_.data()));
        return;
    }
    if (!value) {
        Section* s = FindSection(section);
        Entry* e = s ? FindKey(*s, key) : nullptr;
        if (e) s->entries.erase(s->entries.begin() + (e - s->entries.data()));
        return;
    }
    SetKey(SectionForWriting(section), Trimmed(key), value);
}

IniProfile::Section& IniProfile::SectionForWriting(const char* name) {
    if (Section* s = FindSection(name)) return *s;
    sections_.push_back({Trimmed(name), {}});
    return sections_.back();
}

void IniProfile::SetKey(Section& section, const std::string& key, const char* value) {
    if (Entry* e = FindKey(section, key.c_str())) {
        e->value = value;
        return;
    }
    // A new key goes after the section's last key, before trailing comments
    // and blank lines.
    std::size_t at = 0;
    for (std::size_t i = 0; i < section.entries.size(); ++i)
        if (section.entries[i].isKey) at = i + 1;
    section.entries.insert(section.entries.begin() + at, Entry{key, value, true});
}

int IniProfile::ListKeys(const char* section, char* out, int size) {
    if (!out || size <= 0) return 0;
    out[0] = 0;
    if (size == 1) return 0;
    out[1] = 0;
    Section* s = section ? FindSection(section) : nullptr;
    if (!s) return 0;
    int used = 0;
    for (const Entry& e : s->entries) {
        // An empty name would read as the end of the list and hide the rest.
        if (!e.isKey || e.key.empty()) continue;
        const int length = int(e.key.size());
        if (used + length + 1 <= size - 1) {
            CopyText(out + used, length + 1, e.key.c_str());
            used += length + 1;
            continue;
        }
        // Cut: the name that does not fit is shortened and the list ends
        // with two zeros in the buffer's last bytes.
        CopyText(out + used, size - 1 - used, e.key.c_str());
        out[size - 1] = 0;
        return size - 2;
    }
    out[used] = 0;
    return used;
}
