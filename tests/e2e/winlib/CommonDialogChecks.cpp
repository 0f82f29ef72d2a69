#include "Check.h"

#include <cstring>
#include <windows.h>

#include <dlgs.h>

#include "winlib/FileDialog.h"
#include "winlib/FontDialog.h"

namespace {

const char TextFilter[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*|";

// Counts the NUL-separated strings of a filter list up to its double NUL.
int FilterStrings(const char* filter, int size) {
    int strings = 0;
    for (int i = 0; i < size && filter[i]; i += static_cast<int>(std::strlen(filter + i)) + 1)
        ++strings;
    return strings;
}

// A file dialog that types a name and presses a button once it is open.
class ScriptedFileDialog : public FileDialog {
  public:
    ScriptedFileDialog(bool open, const char* name, int button)
        : FileDialog(open, "TXT", nullptr, OFN_NOREADONLYRETURN | OFN_HIDEREADONLY, TextFilter),
          typed(name), button(button) {}

    bool HandleInitDialog() override {
        ++initCalls;
        if (typed) SetDlgItemTextA(handle, edt1, typed);
        PostMessageA(handle, WM_COMMAND, button, 0);
        return true;
    }

    const char* typed;
    int button;
    int initCalls = 0;
};

class ScriptedFontDialog : public FontDialog {
  public:
    ScriptedFontDialog(LOGFONTA* initial, int button)
        : FontDialog(initial,
                     CF_SCREENFONTS | CF_ANSIONLY | CF_FIXEDPITCHONLY | CF_NOSIMULATIONS |
                         CF_FORCEFONTEXIST,
                     nullptr, nullptr, "FONTDLG"),
          button(button) {}

    bool HandleInitDialog() override {
        ++initCalls;
        char sample[16] = "";
        GetDlgItemTextA(handle, stc5, sample, sizeof sample);
        usedTemplate = std::strcmp(sample, "AaBbYyZz") == 0;
        PostMessageA(handle, WM_COMMAND, button, 0);
        return true;
    }

    int button;
    int initCalls = 0;
    bool usedTemplate = false;
};

} // namespace

WINLIB_CHECK(FileFilterBecomesNulSeparatedPairs) {
    FileDialog dialog(true, nullptr, nullptr, 0, TextFilter);
    const char expected[] = "Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
    CHECK(std::memcmp(dialog.Filter(), expected, sizeof expected) == 0);
    CHECK(FilterStrings(dialog.Filter(), FileDialog::FilterSize) == 4);
}

WINLIB_CHECK(OverlongFileFilterKeepsOnlyWholePairs) {
    char filter[400] = "";
    for (int i = 0; i < 12; ++i)
        std::strcat(filter, "Some files (*.abc)|*.abc|");
    FileDialog dialog(true, nullptr, nullptr, 0, filter);
    int strings = FilterStrings(dialog.Filter(), FileDialog::FilterSize);
    CHECK(strings > 0 && strings % 2 == 0);
    CHECK(dialog.Filter()[FileDialog::FilterSize - 1] == '\0');
    CHECK(dialog.Filter()[FileDialog::FilterSize - 2] == '\0');
}

WINLIB_CHECK(InitialFileNameIsCutToTheBuffer) {
    char name[300];
    std::memset(name, 'n', sizeof name - 1);
    name[sizeof name - 1] = '\0';
    FileDialog dialog(false, nullptr, name, 0, TextFilter);
    CHECK(std::strlen(dialog.FileName()) == FileDialog::FileNameSize - 1);
}

WINLIB_CHECK(FileDialogCancelEndsWithTwo) {
    ScriptedFileDialog dialog(true, nullptr, IDCANCEL);
    CHECK(dialog.RunModal() == 2);
    CHECK(dialog.initCalls == 1);
    CHECK(dialog.Handle() == nullptr);
}

WINLIB_CHECK(FileDialogOkReturnsTheChosenPath) {
    ScriptedFileDialog dialog(false, "C:\\windows\\temp\\winlibcheck.txt", IDOK);
    CHECK(dialog.RunModal() == 1);
    CHECK(dialog.initCalls == 1);
    CHECK(lstrcmpiA(dialog.FileName(), "C:\\windows\\temp\\winlibcheck.txt") == 0);
    CHECK(dialog.Handle() == nullptr);
}

WINLIB_CHECK(FontDialogRunsOnTheProgramsTemplate) {
    LOGFONTA initial = {};
    initial.lfHeight = -13;
    initial.lfWeight = FW_NORMAL;
    initial.lfPitchAndFamily = FIXED_PITCH;
    lstrcpyA(initial.lfFaceName, "Courier New");
    ScriptedFontDialog cancelled(&initial, IDCANCEL);
    CHECK(cancelled.RunModal() == 2);
    CHECK(cancelled.initCalls == 1 && cancelled.usedTemplate);
    CHECK(cancelled.Handle() == nullptr);

    ScriptedFontDialog chosen(&initial, IDOK);
    CHECK(chosen.RunModal() == 1);
    CHECK(chosen.Font().lfFaceName[0] != '\0');
    CHECK(chosen.Font().lfHeight != 0);
}
