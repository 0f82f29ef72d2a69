#pragma once

#include "winlib/FontDialog.h"

// The system's font chooser on the FONTDLG template, offering the screen's
// fixed-pitch ANSI fonts by face and size only: the style choice is hidden,
// and only sizes that the settings file reads back are taken.
// The chooser starts from the font given and, after OK, leaves the choice
// in it.
class TerminalFontDialog : public FontDialog {
  public:
    TerminalFontDialog(LOGFONTA* font, Window* parent);

    INT_PTR RunModal() override;
    bool HandleInitDialog() override;
    void HandleOk() override;

  private:
    LOGFONTA* target;
    LOGFONTA chosen;
    int chosenRead = 0;
};
