#include "textsvc/HelpSearch.h"

#include <algorithm>
#include <string>

namespace {

bool IsWordCharacter(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0xC0;
}

char Folded(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string FoldedText(const std::string& text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), Folded);
    return folded;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (IsWordCharacter(static_cast<unsigned char>(c))) {
            word += Folded(c);
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// Whether word begins a word of folded text.
bool BeginsAWord(const std::string& folded, const std::string& word) {
    for (std::size_t at = folded.find(word); at != std::string::npos;
         at = folded.find(word, at + 1))
        if (at == 0 || !IsWordCharacter(static_cast<unsigned char>(folded[at - 1]))) return true;
    return false;
}

bool HoldsAll(const std::string& folded, const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (!BeginsAWord(folded, word)) return false;
    return true;
}

} // namespace

std::vector<int> HelpIndex(const HelpFile& file) {
    std::vector<int> order;
    for (std::size_t i = 0; i < file.topics.size(); ++i)
        order.push_back(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&file](int a, int b) {
        return FoldedText(file.topics[a].title) < FoldedText(file.topics[b].title);
    });
    return order;
}

std::vector<int> SearchHelp(const HelpFile& file, const char* query) {
    std::vector<std::string> words = Words(query ? query : "");
    std::vector<int> inTitle, inText;
    if (words.empty()) return inTitle;
    for (std::size_t i = 0; i < file.topics.size(); ++i) {
        const HelpTopic& topic = file.topics[i];
        std::string title = FoldedText(topic.title);
        if (HoldsAll(title, words))
            inTitle.push_back(static_cast<int>(i));
        else if (HoldsAll(title + "\n" + FoldedText(topic.text), words))
            inText.push_back(static_cast<int>(i));
    }
    inTitle.insert(inTitle.end(), inText.begin(), inText.end());
    return inTitle;
}
