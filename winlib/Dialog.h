#pragma once

#include "winlib/Window.h"

// A dialog from a template of the program's resources, run modally (the
// object usually lives on the caller's stack for the run) or modelessly.
class Dialog : public Window {
  public:
    explicit Dialog(const char* templateName, Window* parent = nullptr);
    explicit Dialog(int templateId, Window* parent = nullptr);

    LRESULT HandleCommand(int id, HWND control, int notifyCode) override;
    bool PreFilter(MSG* message) override;

    // Runs the dialog until EndDialog; returns its end code, or -1 when the
    // dialog could not be shown.
    virtual INT_PTR RunModal();
    virtual bool HandleInitDialog();
    virtual void HandleSetFont(HFONT font);
    virtual void HandleOk();
    virtual void HandleCancel();
    virtual bool HandleDialogCommand(int id, HWND control, int notifyCode);
    // Registered messages (0xC000 and above) that reach a common dialog's hook.
    virtual LRESULT HandleRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateModeless(const char* templateName, Window* parent);

    // The procedure given to the system's dialog functions.
    static INT_PTR CALLBACK SharedDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam);

  protected:
    // The frame of every modal run. Begin refuses when the handle map is
    // full (a dialog that could not be registered would never see its OK
    // button, leaving the user in a dialog that cannot end); otherwise it
    // keeps the object alive through the run, even one made with new, since
    // the caller reads its results afterwards, and installs the creation
    // hook. End removes the hook and detaches the object.
    bool BeginModalRun();
    void EndModalRun();
    // Hands OK or Cancel to a common dialog's own processing, which checks
    // the choice and ends the dialog with the system's result.
    void PassButtonToSystem(int id);
    // The owner window for a run: the parent's, else the main window's.
    HWND OwnerHandle() const;
    static HINSTANCE ResourceInstance();

    const char* templateName;
    Window* parent;
};
