#pragma once

// The numeric parameters of a control sequence, scanned from its parameter
// characters. A leading "?" marks a DEC private sequence; "?" elsewhere and
// "<", "=", ">" and ":" anywhere are skipped.
struct CsiParams {
    static constexpr int MaxParams = 10;
    // Larger values are held at this one, so no count ever overflows.
    static constexpr int MaxValue = 65535;

    int value[MaxParams];
    int count;
    int isPrivate;

    // The i-th parameter, or -1 when absent.
    int Get(int i) const { return i >= 0 && i < count ? value[i] : -1; }
};

// Scans length parameter characters. Parameters beyond the tenth are dropped;
// an empty parameter between separators counts as 0, a trailing one as none.
CsiParams ParseCsiParams(const unsigned char* chars, int length);
