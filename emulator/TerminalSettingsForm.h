#pragma once

#include "emulator/TerminalSettings.h"

// The working copy that the "Terminal settings" dialog edits: the options,
// and whether OK must reset the terminal (the emulation changed, or
// Defaults was pressed) or only rebuild the character sets (the national
// set, multinational mode or UTF-8 mode changed). The controls are the dialog's
// automatic radio buttons and check boxes; the form keeps its copy in step
// with their clicks and says which of them show as checked.
class TerminalSettingsForm {
  public:
    explicit TerminalSettingsForm(const TerminalSettings& current) : values(current) {}

    // A click on the control; returns 1 when every control must be shown
    // anew from IsChecked (after Defaults).
    int Click(int id);
    // Whether the radio button or check box shows as checked.
    int IsChecked(int id) const;

    // The ids of every radio button and check box of the dialog.
    static const int ControlIds[];
    static const int ControlCount;

    TerminalSettings values;
    int resetNeeded = 0;
    int charsetChanged = 0;

  private:
    void Defaults();
};
