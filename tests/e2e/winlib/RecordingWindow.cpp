#include "RecordingWindow.h"

#include "winlib/PaintContext.h"

int RecordingWindow::destructions;

LRESULT RecordingWindow::HandleCommand(int id, HWND control, int notifyCode) {
    commandId = id;
    commandControl = control;
    commandCode = notifyCode;
    return 0;
}

LRESULT RecordingWindow::HandleClose() {
    ++closes;
    return passCloseOn ? FrameWindow::HandleClose() : 0;
}

LRESULT RecordingWindow::HandleSize(WPARAM, LPARAM packedSize) {
    ++sizes;
    lastSize = packedSize;
    return 0;
}

LRESULT RecordingWindow::HandleMinMaxInfo(MINMAXINFO* info) {
    ++minMaxInfos;
    return FrameWindow::HandleMinMaxInfo(info);
}

LRESULT RecordingWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) {
        lastMessage = message;
        lastWParam = wParam;
        return 42;
    }
    return FrameWindow::HandleMessage(message, wParam, lParam);
}

void RecordingWindow::Paint(PaintContext& context) {
    ++paints;
    paintHadContext = context.Context() != nullptr && context.Window() == handle;
}

bool RecordingWindow::CreateHidden() {
    RECT rectangle = {10, 10, 210, 160};
    return CreateFrame(nullptr, "recording", WS_OVERLAPPEDWINDOW, rectangle, nullptr, nullptr);
}
