#include "keyboard/ScrollKeys.h"

#include "keyboard/VirtualKeys.h"
#include "screen/ScrollBack.h"

ScrollKeyAction ScrollKeyFor(unsigned virtualKey, int ctrlHeld) {
    const int vertical = 1, horizontal = 2;
    switch (virtualKey) {
    case VirtualKey::Prior: return {vertical, ScrollCode::PageUp};
    case VirtualKey::Next: return {vertical, ScrollCode::PageDown};
    case VirtualKey::End: return {ctrlHeld ? vertical : horizontal, ScrollCode::Bottom};
    case VirtualKey::Home: return {ctrlHeld ? vertical : horizontal, ScrollCode::Top};
    case VirtualKey::Left: return {horizontal, ScrollCode::LineUp};
    case VirtualKey::Up: return {vertical, ScrollCode::LineUp};
    case VirtualKey::Right: return {horizontal, ScrollCode::LineDown};
    case VirtualKey::Down: return {vertical, ScrollCode::LineDown};
    default: return {0, 0};
    }
}
