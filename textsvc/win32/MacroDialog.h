#pragma once

#include "textsvc/MacroDialogForm.h"
#include "winlib/Dialog.h"

// "Macro" (template MACRODLGBOX): lists the macros of section "Macros",
// shows, saves and deletes them; Do closes it to play the definition.
class MacroDialog : public Dialog {
  public:
    MacroDialog(Profile& profile, int macroIndex, Window* parent);

    bool HandleInitDialog() override;
    bool HandleDialogCommand(int id, HWND control, int notifyCode) override;

    MacroDialogForm form;

  private:
    void ShowList();
    void ShowFields();
    void ShowButtons();
    void Save();
    void ListNotified(int notifyCode);
    void FieldChanged(int id);

    // Set while the fields are filled from the form, whose own copy needs
    // no update and whose Save stays as it is.
    int filling = 0;
};

// Runs the dialog. Whatever button closed it, lastMacro gets the definition
// field's text and lastMacroIndex the list position; returns 1 for Do.
int RunMacroDialog(Profile& profile, char* lastMacro, int lastMacroSize, int& lastMacroIndex,
                   Window* parent);
