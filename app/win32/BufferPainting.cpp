// Drawing the screen buffer into the terminal window: one text output per
// run of equal attribute, every character in its own cell.
#include "app/win32/BufferWindow.h"

#include <algorithm>

#include "winlib/PaintContext.h"

// The bottom rows of the screen stay in view. Which row is shown first
// depends on the client's height and on the rows of the screen, which
// entering and leaving scroll-back mode change.
void BufferWindow::UpdateFirstShownRow() {
    RECT client;
    GetClientRect(handle, &client);
    firstShownRow = FirstShownRow(screen.lines, client.bottom, cellHeight);
}

void BufferWindow::SetupDc() {
    SetMapMode(drawDc, MM_TEXT);
    UpdateFirstShownRow();
    SetViewportOrgEx(drawDc, -hScroll * cellWidth, -firstShownRow * cellHeight, nullptr);
    SetBkMode(drawDc, OPAQUE);
}

bool BufferWindow::BeginDraw() {
    if (!handle) return false;
    drawDc = GetDC(handle);
    SetupDc();
    dcAttr = NoAttribute;
    HideCaret(handle);
    return true;
}

void BufferWindow::EndDraw() {
    SelectObject(drawDc, oldFont);
    ReleaseDC(handle, drawDc);
    drawDc = nullptr;
    ShowCaret(handle);
}

void BufferWindow::DrawRows(int r1, int r2, int c1, int c2) {
    ::DrawRows(screen, r1, r2, c1, c2, *this);
}

void BufferWindow::RedrawRows(int r1, int r2, int c1, int c2) {
    if (!BeginDraw()) return;
    DrawRows(r1, r2, c1, c2);
    EndDraw();
}

void BufferWindow::Paint(PaintContext& context) {
    PaintUpdate(context);
}

void BufferWindow::PaintUpdate(PaintContext& context) {
    drawDc = context.Context();
    SetupDc();
    RECT r = context.Paint().rcPaint;
    DPtoLP(drawDc, reinterpret_cast<POINT*>(&r), 2);
    CellRange cells = CellsToPaint({r.left, r.top, r.right, r.bottom}, cellWidth, cellHeight,
                                   screen.lines, screen.columns);
    dcAttr = NoAttribute;
    DrawRows(cells.r1, cells.r2, cells.c1, cells.c2);
    SelectObject(drawDc, oldFont);
    drawDc = nullptr;
}

void BufferWindow::UnhighlightSelection() {
    if (!BeginDraw()) return;
    DrawSelectionPlain(screen, *this);
    EndDraw();
}

int BufferWindow::DrawBlinkPhase(int hidden) {
    if (!BeginDraw()) return 0;
    runMode = hidden ? RunMode::BlinkHidden : RunMode::BlinkShown;
    int drawn = DrawRunsWithAttribute(screen, AttrBlink, *this);
    runMode = RunMode::Normal;
    EndDraw();
    if (blink.PassDrawn(drawn)) KillTimer(handle, BlinkTimerId);
    return drawn;
}

void BufferWindow::RevealBlinkingText() {
    if (blink.Reveal()) DrawBlinkPhase(0);
}

void BufferWindow::RedrawAttributeCells() {
    if (!BeginDraw()) return;
    DrawRunsWithAttribute(screen, 0x7F, *this);
    EndDraw();
}

void BufferWindow::ScrollViewOneLine(int delta) {
    if (!BeginDraw()) return;
    ScrollCells(0, screen.viewLines, delta, screen.columns);
    EndDraw();
}

void BufferWindow::StartBlinking() {
    if (!blink.StartWanted()) return;
    blink.Started(SetTimer(handle, BlinkTimerId, BlinkMilliseconds, nullptr) != 0);
}

void BufferWindow::BlinkTick() {
    if (blink.Tick(ScrollBackMode())) DrawBlinkPhase(blink.Hidden());
}

// Outputs one run. The first blinking run met starts the blink timer; the
// blink passes count their runs themselves. A hidden blinking run fills
// its cells with the background of its attribute without bold, underline
// and blink.
void BufferWindow::DrawRun(const Run& run) {
    if (runMode == RunMode::Normal && (run.attr & AttrBlink) && blink.BlinkingRunDrawn())
        PostMessageA(handle, UM_STARTBLINK, 0, 0);
    int hidden = runMode == RunMode::BlinkHidden;
    int attr = hidden ? HiddenBlinkAttribute(run.attr) : run.attr;
    if (attr != dcAttr) {
        ApplyAttribute(attr);
        dcAttr = attr;
    }
    if (advancesFor != cellWidth) {
        std::fill(advances, advances + LineWidth, cellWidth);
        advancesFor = cellWidth;
    }
    int x = run.col * cellWidth;
    int y = run.row * cellHeight;
    int count = std::min(run.count, LineWidth);
    RECT cells = {x, y, x + count * cellWidth, y + cellHeight};
    const char* text = reinterpret_cast<const char*>(run.text);
    ExtTextOutA(drawDc, x, y, ETO_OPAQUE | ETO_CLIPPED, &cells, hidden ? "" : text,
                hidden ? 0 : count, hidden ? nullptr : advances);
}

void BufferWindow::ApplyAttribute(int attr) {
    RunLook look = LookOfAttribute(static_cast<unsigned char>(attr), colors);
    SetTextColor(drawDc, look.text);
    SetBkColor(drawDc, look.back);
    SelectObject(drawDc, fonts[look.font]);
}
