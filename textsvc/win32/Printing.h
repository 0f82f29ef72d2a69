#pragma once

#include "textsvc/win32/TextServiceHost.h"

// Print: the selection's lines, one printed line each, on the printer chosen
// in the print dialog, with "Printing..." offering Cancel. Print Setup: the
// printer for the next Print only.
void PrintSelection(TextServiceHost& host);
void PrintSetup(TextServiceHost& host);
