#pragma once

// The numeric parameters of a control sequence, read one parameter character
// at a time as the sequence arrives. A leading "?" marks a DEC private
// sequence; "?" elsewhere and "<", "=", ">" and ":" anywhere are skipped.
struct CsiParams {
    static constexpr int MaxParams = 10;
    // Larger values are held at this one, so no count ever overflows.
    static constexpr int MaxValue = 65535;

    int value[MaxParams];
    int count;
    int isPrivate;
    // The parameter being read: -1 until its first digit.
    int pending;

    // Empties the parameters for a new sequence.
    void Start() {
        for (int& v : value)
            v = -1;
        count = isPrivate = 0;
        pending = -1;
    }

    // Takes one parameter character; first is 1 for the sequence's first.
    void Take(unsigned char c, int first) {
        if (c >= '0' && c <= '9') {
            int v = pending < 0 ? c - '0' : pending * 10 + (c - '0');
            pending = v > MaxValue ? MaxValue : v;
        } else if (c == ';') {
            Store(pending);
            pending = -1;
        } else if (c == '?' && first) {
            isPrivate = 1;
        }
    }

    // Stores the parameter still being read, at the sequence's final byte.
    void Finish() {
        if (pending >= 0) Store(pending);
        pending = -1;
    }

    // The i-th parameter, or -1 when absent.
    int Get(int i) const { return i >= 0 && i < count ? value[i] : -1; }

  private:
    // Parameters beyond the tenth are dropped; an empty one counts as 0.
    void Store(int v) {
        if (count < MaxParams) value[count++] = v < 0 ? 0 : v;
    }
};

// Reads length parameter characters at once. An empty parameter between
// separators counts as 0, a trailing one as none.
CsiParams ParseCsiParams(const unsigned char* chars, int length);
