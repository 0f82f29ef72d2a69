#include "emulator/CsiParams.h"

CsiParams ParseCsiParams(const unsigned char* chars, int length) {
    CsiParams params;
    params.Start();
    for (int i = 0; i < length; ++i)
        params.Take(chars[i], i == 0);
    params.Finish();
    return params;
}
