#include "emulator/CsiParams.h"

namespace {

void Store(CsiParams& params, int v) {
    if (params.count < CsiParams::MaxParams) params.value[params.count++] = v < 0 ? 0 : v;
}

} // namespace

CsiParams ParseCsiParams(const unsigned char* chars, int length) {
    CsiParams params;
    params.count = 0;
    params.isPrivate = length > 0 && chars[0] == '?';
    for (int i = 0; i < CsiParams::MaxParams; ++i)
        params.value[i] = -1;
    int v = -1;
    for (int i = params.isPrivate; i < length; ++i) {
        unsigned char c = chars[i];
        if (c >= '0' && c <= '9') {
            int digit = c - '0';
            v = v < 0 ? digit : v * 10 + digit;
            if (v > CsiParams::MaxValue) v = CsiParams::MaxValue;
        } else if (c == ';') {
            Store(params, v);
            v = -1;
        }
    }
    if (v >= 0) Store(params, v);
    return params;
}
