#pragma once

#include <vector>

#include "textsvc/HelpFile.h"

// The help viewer's lists: the index of every topic by title, and the
// topics that hold all words of a search.

// Every topic's index in file.topics, ordered by title without regard to
// case.
std::vector<int> HelpIndex(const HelpFile& file);

// The topics in which every word of the query (letters and digits; case
// does not matter) begins a word of the title or the text: topics whose
// title holds them all first, then the others, each group in file order.
// A query without words finds nothing.
std::vector<int> SearchHelp(const HelpFile& file, const char* query);
