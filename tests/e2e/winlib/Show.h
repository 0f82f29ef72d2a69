#pragma once

// Runs the named dialog template modally until it is closed, so that the
// end-to-end tests can look at it; returns the dialog's end code.
int ShowTemplate(const char* name);
