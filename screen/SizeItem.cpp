#include "screen/SizeItem.h"

#include <cstdio>

namespace {

const char SoftSizeHelp[] = "This the logical size of the terminal screen.\nCurrently logical size "
                            "follows the size of your\nwindow. You can fix logical size by "
                            "unchecking\n'SoftSize' in the 'Settings'menu.";
const char FixedSizeHelp[] =
    "This is the logical size of the terminal screen.\nCurrently logical size is fixed, and can "
    "be larger\nthan your window. If you want the logical size to\nfollow the size of your "
    "window, check 'SoftSize'\nin the 'Settings' menu.";

} // namespace

void SizeItemText(char (&text)[SizeItemTextSize], int columns, int lines) {
    std::snprintf(text, sizeof text, "%dx%d", columns, lines);
}

const char* SizeHelpText(int softSize) {
    return softSize ? SoftSizeHelp : FixedSizeHelp;
}

FrameSize Size80x24(const FrameMetrics& m, int cellWidth, int cellHeight, int verticalScrollBar) {
    return {2 * m.cxFrame + 80 * cellWidth + (verticalScrollBar ? m.cxVScroll : 0),
            2 * m.cyFrame + m.cyMenu + m.cyCaption + 24 * cellHeight};
}
