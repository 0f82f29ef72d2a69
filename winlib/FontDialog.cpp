#include "winlib/FontDialog.h"

#include "winlib/CommonDialogHook.h"

FontDialog::FontDialog(LOGFONTA* initial, DWORD flags, HDC printer, Window* parent_,
                       const char* templateName_)
    : Dialog(templateName_, parent_), request(), font(), style() {
    request.lStructSize = sizeof(request);
    request.hwndOwner = OwnerHandle();
    request.lpLogFont = &font;
    request.lpszStyle = style;
    request.Flags = flags | CF_ENABLEHOOK;
    request.lpfnHook = CommonDialogHook;
    if (initial) {
        request.Flags |= CF_INITTOLOGFONTSTRUCT;
        request.lpLogFont = initial;
        font = *initial;
    }
    if (printer) {
        request.Flags |= CF_PRINTERFONTS;
        request.hDC = printer;
    }
    if (templateName) {
        request.Flags |= CF_ENABLETEMPLATE;
        request.hInstance = ResourceInstance();
        request.lpTemplateName = templateName;
    }
}

void FontDialog::LimitSize(int minPoints, int maxPoints) {
    request.Flags |= CF_LIMITSIZE;
    request.nSizeMin = minPoints;
    request.nSizeMax = maxPoints;
}

INT_PTR FontDialog::RunModal() {
    if (!BeginModalRun()) return IDCANCEL;
    BOOL chosen = ChooseFontA(&request);
    EndModalRun();
    if (!chosen) return IDCANCEL;
    font = *request.lpLogFont;
    return IDOK;
}

void FontDialog::HandleOk() {
    PassButtonToSystem(IDOK);
}

void FontDialog::HandleCancel() {
    PassButtonToSystem(IDCANCEL);
}
