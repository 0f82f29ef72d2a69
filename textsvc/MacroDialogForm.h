#pragma once

#include "textsvc/MacroStore.h"

class Profile;

constexpr int MacroTextSize = 256; // the definition field, at most 255 characters

// What the Macro dialog shows and edits: the names of section "Macros" in
// file order, the selected position, the name and definition fields, and
// whether Save and Delete are enabled. The dialog copies the fields into
// its controls after each operation and hands their edits back.
class MacroDialogForm {
  public:
    MacroDialogForm(Profile& profile, int macroIndex);

    // Reads the names anew and shows the selected macro; Delete is enabled
    // when there is one, Save is disabled.
    void RefreshMacroList();
    // The name at the selected position and its stored definition.
    void ShowMacro();
    // Stores the definition under the name and shows the list from its
    // top; false, with nothing stored, for a name the file cannot hold.
    bool Save();
    // Removes the macro selected in the list, whatever the name field says.
    void Delete();
    void Select(int index);
    void NameChanged(const char* text);
    void TextChanged(const char* text);

    MacroList list;
    int macroIndex;
    char macroName[MacroNameSize] = "";
    char macroText[MacroTextSize] = "";
    int saveEnabled = 0;
    int deleteEnabled = 0;

  private:
    Profile& profile;
};
