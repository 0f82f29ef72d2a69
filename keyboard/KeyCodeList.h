#pragma once

#include "keyboard/KeyCodes.h"

// The codes one key message produces, in order, for the window to enqueue.
// The longest translation (Ctrl+Delete) yields six codes.
class KeyCodeList {
  public:
    static constexpr int Capacity = 8;

    void Add(KeyCode code) {
        if (count < Capacity) codes[count++] = code;
    }
    // ESC followed by each character of text.
    void AddEscape(const char* text) {
        Add(27);
        for (; *text; ++text)
            Add(static_cast<unsigned char>(*text));
    }
    void Append(const KeyCodeList& other) {
        for (int i = 0; i < other.count; ++i)
            Add(other.codes[i]);
    }

    bool Empty() const { return count == 0; }
    int Size() const { return count; }
    KeyCode operator[](int i) const { return codes[i]; }

  private:
    KeyCode codes[Capacity] = {};
    int count = 0;
};
