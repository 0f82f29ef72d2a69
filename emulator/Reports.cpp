#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"

#include <cstdio>
#include <cstring>

void Emulator::SendReply(const char* text) {
    int length = static_cast<int>(std::strlen(text));
    if (length > 0) host_->SendReply(text, length);
}

// DA and DECID: TTY emulation has no identity and sends nothing.
void Emulator::Identify() {
    switch (emulation) {
    case Vt100: SendReply("\x1b[?1;2c"); break;
    case Vt200: SendReply("\x1b[?62;1;2;9c"); break;
    default: break;
    }
}

// Only the primary request (no parameter or 0) is answered.
int Emulator::DeviceAttributes(int p0) {
    if (p0 >= 1) return 0;
    Identify();
    return 1;
}

int Emulator::StatusReport(int p0) {
    switch (p0) {
    case 5: SendReply("\x1b[0n"); break;   // operating status: good
    case 6: CursorPositionReport(); break; // CPR
    default: return 0;
    }
    return 1;
}

// With origin mode the row counts from the top margin. A cursor waiting to
// wrap is reported on the last column, where it is shown.
void Emulator::CursorPositionReport() {
    int row = originMode ? cursorRow - scrollTop + 1 : cursorRow + 1;
    int col = CursorColumn() + 1;
    char text[32];
    std::snprintf(text, sizeof text, "\x1b[%d;%dR", row, col);
    SendReply(text);
}

int Emulator::PrinterStatusReport(int p0) {
    if (p0 != 15) return 0;
    SendReply("\x1b[?13n"); // no printer
    return 1;
}

// Screen size reports, a private extension: turning them on also turns the
// window's soft size on, and the size is sent at once.
void Emulator::SetSizeReports(int on) {
    sizeReports = on;
    host_->SetSoftSize(on);
    ReportSize();
}

void Emulator::ReportSize() {
    if (!sizeReports) return;
    char text[32];
    std::snprintf(text, sizeof text, "\x1b[%d;%d]", Lines(), Columns());
    SendReply(text);
}
