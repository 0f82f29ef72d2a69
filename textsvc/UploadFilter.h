#pragma once

// The custom filter of the Upload file dialog, in the common dialog's form:
// a description and a pattern, each zero-terminated. It starts as an empty
// description with the pattern "*.*"; after each Upload it offers the
// pattern used last under the description "As before (pattern)".
constexpr int UploadFilterSize = 80;

// Writes the first filter into filter (size bytes, at least 6).
void InitUploadFilter(char* filter, int size);

// Rewrites the filter after a run of the dialog from the pattern the dialog
// left as its second string. A filter whose pattern is missing or would not
// fit twice with the description is left as it is; returns 1 when rewritten.
int RememberUploadPattern(char* filter, int size);
