#pragma once

#include <string>

// Byte streams that stand for what a host sends, for throughput benchmarks.
// Each is deterministic (a fixed pseudo-random sequence) and at least
// minBytes long.
namespace workloads {

// Plain text lines of 20 to 80 printable characters ending in CR LF, so
// the screen scrolls on every line.
std::string ScrollingText(size_t minBytes);

// A full-screen application redraw: cursor addressing (CUP) to random cells
// and short words in changing SGR attributes.
std::string DenseSgr(size_t minBytes);

// Scrolling-region traffic: DECSTBM margins, insert and delete lines, and
// lines written at the bottom margin so that LF indexes the region.
std::string ScrollingRegion(size_t minBytes);

// What a host in a UTF-8 locale sends: lines of words with accented letters
// and typographic quotes, and box drawing (a frame's top, sides and foot),
// ending in CR LF.
std::string Utf8Text(size_t minBytes);

} // namespace workloads
