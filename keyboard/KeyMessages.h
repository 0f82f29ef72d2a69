#pragma once

#include "keyboard/KeyCodeList.h"
#include "keyboard/KeyInput.h"
#include "keyboard/ScrollKeys.h"

#include <cstdint>

// The rules the terminal window applies to its keyboard messages before and
// around key translation. The window reads the modifier state, calls one of
// these, posts the scroll when there is one, enqueues the codes and pumps
// the key queue when codes were added.

struct KeyMessageResult {
    KeyCodeList codes;
    ScrollKeyAction scroll;    // a scroll of the view instead of codes (bar not 0)
    int defaultProcessing = 0; // 1: hand the message to the default window procedure
};

// WM_KEYDOWN: while output is held the navigation keys scroll the view and
// send nothing; F5 alone asks for a break; everything else is translated.
KeyMessageResult HandleKeyDown(unsigned virtualKey, std::uint32_t keyData,
                               const KeyContext& context);

// WM_CHAR: Ctrl+Break arrives as character 3; the non-extended Break key's
// character is dropped, the extended one asks for a break unless held.
KeyMessageResult HandleChar(unsigned character, std::uint32_t keyData, const KeyContext& context);

// WM_SYSKEYDOWN: Alt combinations and F10. A key without a translation goes
// to default processing, so that Alt combinations reach the menu.
KeyMessageResult HandleSysKeyDown(unsigned virtualKey, std::uint32_t keyData,
                                  const KeyContext& context);
