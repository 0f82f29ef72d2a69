#pragma once

#include "winlib/FontDialog.h"

// The system's font chooser on the FONTDLG template, offering the screen's
// fixed-pitch ANSI fonts by face and size only: the style choice is hidden.
// The chooser starts from the font given and writes its choice into it.
class TerminalFontDialog : public FontDialog {
  public:
    TerminalFontDialog(LOGFONTA* font, Window* parent);

    bool HandleInitDialog() override;
};
