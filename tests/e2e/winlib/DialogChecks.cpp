#include "Check.h"
#include "TestDialog.h"

#include "resources/resource.h"
#include "winlib/HandleMap.h"

namespace {

INT_PTR RunHostDialog(UINT message, WPARAM wParam, int target) {
    TestDialog dialog("HOSTDLGBOX");
    dialog.actionMessage = message;
    dialog.actionWParam = wParam;
    dialog.actionTarget = target;
    INT_PTR result = dialog.RunModal();
    CHECK(dialog.initCalls == 1);
    CHECK(dialog.Handle() == nullptr);
    return result;
}

} // namespace

WINLIB_CHECK(ModalOkAndCancelEndWithOneAndTwo) {
    CHECK(RunHostDialog(WM_COMMAND, IDOK, 0) == 1);
    CHECK(RunHostDialog(WM_COMMAND, IDCANCEL, 0) == 2);
}

WINLIB_CHECK(ModalEnterAndEscapeEndAsOkAndCancel) {
    CHECK(RunHostDialog(WM_KEYDOWN, VK_RETURN, IDC_HOSTNAME) == 1);
    CHECK(RunHostDialog(WM_KEYDOWN, VK_ESCAPE, IDC_HOSTNAME) == 2);
}

WINLIB_CHECK(DialogSeesItsFontAndControlNotifications) {
    int mapped = HandleMap::Instance().Count();
    TestDialog dialog("HOSTDLGBOX");
    dialog.initialText = "host";
    dialog.actionMessage = WM_COMMAND;
    dialog.actionWParam = IDOK;
    CHECK(dialog.RunModal() == 1);
    CHECK(dialog.fontCalls == 1 && dialog.font != nullptr);
    CHECK(dialog.hostChanged);
    CHECK(!dialog.IsAutoDelete());
    CHECK(HandleMap::Instance().Count() == mapped);
}

WINLIB_CHECK(ModalDialogWithUnknownTemplateFails) {
    int mapped = HandleMap::Instance().Count();
    TestDialog dialog("NOSUCHDLG");
    CHECK(dialog.RunModal() == -1);
    CHECK(dialog.initCalls == 0);
    CHECK(HandleMap::Instance().Count() == mapped);
}

WINLIB_CHECK(DialogIsRefusedWhileTheMapIsFull) {
    HandleMap& map = HandleMap::Instance();
    int added = 0;
    while (!map.IsFull())
        map.Insert(reinterpret_cast<const void*>(static_cast<UINT_PTR>(0x7F0000 + ++added)),
                   nullptr);
    TestDialog dialog("HOSTDLGBOX");
    dialog.actionMessage = WM_COMMAND;
    dialog.actionWParam = IDOK;
    CHECK(dialog.RunModal() == -1);
    CHECK(dialog.initCalls == 0);
    CHECK(!dialog.CreateModeless("HOSTDLGBOX", nullptr));
    for (int i = 1; i <= added; ++i)
        map.Remove(reinterpret_cast<const void*>(static_cast<UINT_PTR>(0x7F0000 + i)));
}

WINLIB_CHECK(ModelessDialogStaysAttachedAndTakesKeyboardNavigation) {
    TestDialog dialog("HOSTDLGBOX");
    CHECK(dialog.CreateModeless("HOSTDLGBOX", nullptr));
    HWND handle = dialog.Handle();
    CHECK(handle != nullptr && IsWindow(handle));
    CHECK(Window::FromHandle(handle) == &dialog);
    CHECK(dialog.initCalls == 1);
    MSG tab = {GetDlgItem(handle, IDC_HOSTNAME), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    CHECK(dialog.PreFilter(&tab));
    HWND unrelated = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
    MSG elsewhere = {unrelated, WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    CHECK(!dialog.PreFilter(&elsewhere));
    DestroyWindow(unrelated);
    DestroyWindow(handle);
    CHECK(dialog.Handle() == nullptr);
    CHECK(dialog.IsDestroyed());
    CHECK(Window::FromHandle(handle) == nullptr);
}

WINLIB_CHECK(HeapDialogOutlivesItsModalRunButDeletesItselfWhenModeless) {
    TestDialog::destructions = 0;
    TestDialog* modal = new TestDialog("HOSTDLGBOX");
    modal->actionMessage = WM_COMMAND;
    modal->actionWParam = IDOK;
    CHECK(modal->RunModal() == 1);
    CHECK(TestDialog::destructions == 0);
    CHECK(modal->initCalls == 1);
    delete modal;
    CHECK(TestDialog::destructions == 1);

    TestDialog* modeless = new TestDialog("HOSTDLGBOX");
    CHECK(modeless->CreateModeless("HOSTDLGBOX", nullptr));
    DestroyWindow(modeless->Handle());
    CHECK(TestDialog::destructions == 2);
}
