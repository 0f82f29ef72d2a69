#include "textsvc/SaveText.h"

int SaveWriter::Line(const unsigned char* chars, int count, int last) {
    for (int i = 0; i < count; ++i)
        if (!Put(chars[i])) return 0;
    if (!last && !(Put('\r') && Put('\n'))) return 0;
    return 1;
}

// A full buffer is flushed only when another byte comes. After a failed
// write nothing more is taken.
int SaveWriter::Put(unsigned char byte) {
    if (failed || (used == SaveBufferSize && !Flush())) return 0;
    buffer[used++] = static_cast<char>(byte);
    return 1;
}

int SaveWriter::Flush() {
    target.Convert(buffer, used);
    if (target.Write(buffer, used) != used) failed = 1;
    used = 0;
    return !failed;
}

int SaveWriter::Finish() {
    if (used > 0) Flush();
    return !failed;
}

int SaveSelectionText(ScreenBuffer& screen, SaveTarget& target) {
    SaveWriter writer(target);
    WalkSelectedLines(screen, writer);
    return writer.Finish();
}
