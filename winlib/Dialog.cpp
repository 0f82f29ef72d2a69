#include "winlib/Dialog.h"

#include "winlib/Application.h"
#include "winlib/CreationHook.h"
#include "winlib/HandleMap.h"

Dialog::Dialog(const char* templateName_, Window* parent_)
    : templateName(templateName_), parent(parent_) {}

Dialog::Dialog(int templateId, Window* parent_)
    : templateName(MAKEINTRESOURCEA(static_cast<WORD>(templateId))), parent(parent_) {}

LRESULT Dialog::HandleCommand(int id, HWND control, int notifyCode) {
    switch (id) {
    case IDOK: HandleOk(); return 0;
    case IDCANCEL: HandleCancel(); return 0;
    }
    if (HandleDialogCommand(id, control, notifyCode)) return 0;
    return Window::HandleCommand(id, control, notifyCode);
}

bool Dialog::PreFilter(MSG* message) {
    return IsDialogMessageA(handle, message);
}

HINSTANCE Dialog::ResourceInstance() {
    Application* application = Application::Current();
    return application ? application->Instance() : GetModuleHandleA(nullptr);
}

HWND Dialog::OwnerHandle() const {
    if (parent) return parent->Handle();
    Application* application = Application::Current();
    Window* main = application ? application->MainWindow() : nullptr;
    return main ? main->Handle() : nullptr;
}

bool Dialog::BeginModalRun() {
    if (HandleMap::Instance().IsFull()) return false;
    autoDelete = false;
    CreationHook::Install(this);
    return true;
}

void Dialog::EndModalRun() {
    CreationHook::Remove();
    Detach();
}

INT_PTR Dialog::RunModal() {
    HWND owner = OwnerHandle();
    if (!BeginModalRun()) return -1;
    INT_PTR result = DialogBoxParamA(ResourceInstance(), templateName, owner, SharedDialogProc, 0);
    EndModalRun();
    return result;
}

void Dialog::PassButtonToSystem(int id) {
    Default(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

bool Dialog::HandleInitDialog() {
    return true;
}

void Dialog::HandleSetFont(HFONT) {}

void Dialog::HandleOk() {
    EndDialog(handle, IDOK);
}

void Dialog::HandleCancel() {
    EndDialog(handle, IDCANCEL);
}

bool Dialog::HandleDialogCommand(int, HWND, int) {
    return false;
}

LRESULT Dialog::HandleRegisteredMessage(UINT, WPARAM, LPARAM) {
    return 0;
}

bool Dialog::CreateModeless(const char* templateName_, Window* parent_) {
    if (HandleMap::Instance().IsFull()) return false;
    Application* application = Application::Current();
    templateName = templateName_;
    parent = parent_ ? parent_ : (application ? application->MainWindow() : nullptr);
    CreationHook::Install(this);
    HWND created = CreateDialogParamA(ResourceInstance(), templateName,
                                      parent ? parent->Handle() : nullptr, SharedDialogProc, 0);
    CreationHook::Remove();
    if (created && handle != created) {
        DestroyWindow(created);
        return false;
    }
    return created != nullptr;
}

INT_PTR CALLBACK Dialog::SharedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    Dialog* object = static_cast<Dialog*>(FromHandle(dialog));
    if (!object) return 0;
    switch (message) {
    case WM_INITDIALOG: return object->HandleInitDialog();
    case WM_SETFONT: object->HandleSetFont(reinterpret_cast<HFONT>(wParam)); return 0;
    default: return 0;
    }
}
