#include "winlib/HandleMap.h"

HandleMap& HandleMap::Instance() {
    static HandleMap map;
    return map;
}

int HandleMap::LowerBound(std::uint16_t key) const {
    int low = 0;
    int high = count;
    while (low < high) {
        int middle = (low + high) / 2;
        if (keys[middle] < key)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

bool HandleMap::Insert(const void* handle, Window* object) {
    if (count == Capacity) return false;
    std::uint16_t key = KeyOf(handle);
    int slot = count;
    // Equal keys stay in their order of insertion: only greater keys move up.
    while (slot > 0 && keys[slot - 1] > key) {
        keys[slot] = keys[slot - 1];
        handles[slot] = handles[slot - 1];
        objects[slot] = objects[slot - 1];
        --slot;
    }
    keys[slot] = key;
    handles[slot] = handle;
    objects[slot] = object;
    ++count;
    return true;
}

int HandleMap::Find(const void* handle) const {
    std::uint16_t key = KeyOf(handle);
    for (int i = LowerBound(key); i < count && keys[i] == key; ++i)
        if (handles[i] == handle) return i;
    return -1;
}

bool HandleMap::Remove(const void* handle) {
    int index = Find(handle);
    if (index < 0) return false;
    for (int i = index; i + 1 < count; ++i) {
        keys[i] = keys[i + 1];
        handles[i] = handles[i + 1];
        objects[i] = objects[i + 1];
    }
    --count;
    return true;
}
