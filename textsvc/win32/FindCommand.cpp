#include "textsvc/win32/FindCommand.h"

#include "screen/ScreenBuffer.h"
#include "textsvc/win32/FindDialog.h"

namespace {

// The system's case conversion of the ANSI character set.
CaseMap SystemCases() {
    CaseMap cases;
    for (int b = 0; b < 256; ++b) {
        char upper = static_cast<char>(b);
        char lower = static_cast<char>(b);
        CharUpperBuffA(&upper, 1);
        CharLowerBuffA(&lower, 1);
        cases.upper[b] = static_cast<unsigned char>(upper);
        cases.lower[b] = static_cast<unsigned char>(lower);
    }
    return cases;
}

} // namespace

void RunFind(TextServiceHost& host, FindSettings& find) {
    if (!host.InScrollBack()) return;
    FindDialog dialog(find, &host.OwnerWindow());
    if (dialog.RunModal() != IDOK) return;
    ScreenBuffer& screen = host.Screen();
    int found = FindBelowView(screen.store, screen.viewTop, screen.lines, find, SystemCases());
    if (found < 0) {
        host.AskWithTitle("String not found", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    host.ShowHistoryAt(found + 1 - screen.lines);
}
