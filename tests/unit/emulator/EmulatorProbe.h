#pragma once

#include "emulator/Emulator.h"

// The emulator's inner state, for checks that look past its public
// operations: margins, tab stops, line widths, modes, the saved cursor, the
// character sets and the parser. The references follow the emulator.
struct EmulatorProbe {
    explicit EmulatorProbe(const Emulator& e)
        : scrollTop(e.scrollTop), scrollBottom(e.scrollBottom), tabStops(e.tabStops),
          lineWidth(e.lineWidth), attribute(e.attribute), insertMode(e.insertMode),
          originMode(e.originMode), printerController(e.printerController), autoPrint(e.autoPrint),
          sizeReports(e.sizeReports), savedRow(e.savedRow), savedCol(e.savedCol),
          savedAttribute(e.savedAttribute), charsets(e.charsets), parserState(e.parserState),
          singleShift(e.singleShift) {}

    const int& scrollTop;
    const int& scrollBottom;
    const unsigned char (&tabStops)[LineWidth];
    const unsigned char (&lineWidth)[MaxLines];
    const int& attribute;
    const int& insertMode;
    const int& originMode;
    const int& printerController;
    const int& autoPrint;
    const int& sizeReports;
    const int& savedRow;
    const int& savedCol;
    const int& savedAttribute;
    const CharsetState& charsets;
    const Emulator::ParserState& parserState;
    const int& singleShift;
};
