#pragma once

#include "textsvc/FindText.h"
#include "textsvc/win32/TextServiceHost.h"

// The Find command, in scroll-back mode: asks for the text and makes the
// first line below the view that holds it the view's bottom line, or says
// "String not found".
void RunFind(TextServiceHost& host, FindSettings& find);
