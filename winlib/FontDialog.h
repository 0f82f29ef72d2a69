#pragma once

#include <windows.h>

#include <commdlg.h>

#include "winlib/Dialog.h"

// The system's font chooser, optionally on a template of the program's
// resources. The chosen font is in Font() after a run that returned 1.
class FontDialog : public Dialog {
  public:
    static constexpr int StyleSize = 64;

    // With an initial font the chooser starts from it and writes its result
    // into it; with a printer context it offers the printer's fonts.
    FontDialog(LOGFONTA* initial, DWORD flags, HDC printer, Window* parent = nullptr,
               const char* templateName = nullptr);

    // The chooser refuses sizes outside minPoints..maxPoints with its own
    // message and stays open.
    void LimitSize(int minPoints, int maxPoints);

    // Returns 1 when a font was chosen, 2 for Cancel or an error.
    INT_PTR RunModal() override;
    // OK and Cancel go to the chooser's own processing, so that Cancel is
    // reported as Cancel and OK fills in the chosen font.
    void HandleOk() override;
    void HandleCancel() override;

    const LOGFONTA& Font() const { return font; }
    const char* Style() const { return style; }

  private:
    CHOOSEFONTA request;
    LOGFONTA font;
    char style[StyleSize];
};
