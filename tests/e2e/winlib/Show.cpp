#include "Show.h"

#include <cstring>

#include "winlib/Dialog.h"
#include "winlib/FontDialog.h"

// The font template is shown through the system's chooser, which fills its
// lists; the other templates as plain modal dialogs.
int ShowTemplate(const char* name) {
    if (std::strcmp(name, "FONTDLG") == 0) {
        LOGFONTA font = {};
        font.lfHeight = -13;
        lstrcpyA(font.lfFaceName, "Courier New");
        FontDialog dialog(&font, CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_ANSIONLY, nullptr, nullptr,
                          name);
        return static_cast<int>(dialog.RunModal());
    }
    Dialog dialog(name);
    return static_cast<int>(dialog.RunModal());
}
