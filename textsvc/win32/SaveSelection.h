#pragma once

#include "textsvc/win32/TextServiceHost.h"

// Save As (append 0) and Append to (append 1): the selection's text to a
// file chosen in the save dialog, converted to the OEM code page.
void SaveSelection(TextServiceHost& host, int append);
