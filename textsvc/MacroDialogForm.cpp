#include "textsvc/MacroDialogForm.h"

#include "settings/BoundedText.h"

MacroDialogForm::MacroDialogForm(Profile& profile_, int macroIndex_)
    : macroIndex(macroIndex_), profile(profile_) {}

void MacroDialogForm::RefreshMacroList() {
    ReadMacroList(profile, list);
    ShowMacro();
    deleteEnabled = list.macroCount >= 1;
    saveEnabled = 0;
}

// A position left over from a longer list shows the first macro.
void MacroDialogForm::ShowMacro() {
    if (macroIndex < 0 || macroIndex >= list.macroCount) macroIndex = 0;
    CopyText(macroName, MacroNameSize, MacroNameAt(list, macroIndex));
    char stored[StoredMacroTextSize] = "";
    if (macroName[0]) ReadMacroDefinition(profile, macroName, stored);
    CopyText(macroText, MacroTextSize, stored);
}

bool MacroDialogForm::Save() {
    if (!SaveMacro(profile, macroName, macroText)) return false;
    macroIndex = 0;
    RefreshMacroList();
    return true;
}

void MacroDialogForm::Delete() {
    if (list.macroCount < 1) return;
    DeleteMacro(profile, MacroNameAt(list, macroIndex));
    macroIndex = 0;
    RefreshMacroList();
}

void MacroDialogForm::Select(int index) {
    macroIndex = index;
    ShowMacro();
}

void MacroDialogForm::NameChanged(const char* text) {
    CopyText(macroName, MacroNameSize, text);
    saveEnabled = 1;
}

void MacroDialogForm::TextChanged(const char* text) {
    CopyText(macroText, MacroTextSize, text);
    saveEnabled = 1;
}
