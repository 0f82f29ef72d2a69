#include "Check.h"

#include <cstdint>

#include "winlib/HandleMap.h"

namespace {

const void* Handle(std::uintptr_t value) {
    return reinterpret_cast<const void*>(value);
}
Window* Object(std::uintptr_t value) {
    return reinterpret_cast<Window*>(value);
}

bool KeysAscending(const HandleMap& map) {
    for (int i = 1; i < map.Count(); ++i)
        if (map.KeyAt(i - 1) > map.KeyAt(i)) return false;
    return true;
}

} // namespace

WINLIB_CHECK(HandleMapSortsLowWordsAsUnsigned) {
    HandleMap map;
    CHECK(map.Insert(Handle(0x1FFFF), Object(1)));
    CHECK(map.Insert(Handle(0x28000), Object(2)));
    CHECK(map.Insert(Handle(0x37FFF), Object(3)));
    CHECK(map.Insert(Handle(0x40001), Object(4)));
    CHECK(KeysAscending(map));
    CHECK(map.KeyAt(0) == 0x0001);
    CHECK(map.KeyAt(3) == 0xFFFF);
    CHECK(map.ObjectAt(map.Find(Handle(0x28000))) == Object(2));
    CHECK(map.ObjectAt(map.Find(Handle(0x1FFFF))) == Object(1));
    CHECK(map.Find(Handle(0x18000)) == -1);
}

WINLIB_CHECK(HandleMapKeepsHandlesSharingALowWordApart) {
    HandleMap map;
    CHECK(map.Insert(Handle(0x10042), Object(1)));
    CHECK(map.Insert(Handle(0x20042), Object(2)));
    CHECK(map.Insert(Handle(0x30041), Object(3)));
    CHECK(map.ObjectAt(map.Find(Handle(0x10042))) == Object(1));
    CHECK(map.ObjectAt(map.Find(Handle(0x20042))) == Object(2));
    CHECK(map.Find(Handle(0x40042)) == -1);
    CHECK(map.Remove(Handle(0x10042)));
    CHECK(map.Find(Handle(0x10042)) == -1);
    CHECK(map.ObjectAt(map.Find(Handle(0x20042))) == Object(2));
    CHECK(map.Count() == 2);
}

WINLIB_CHECK(HandleMapRefusesTheFiftyFirstEntryAndKeepsTheOthers) {
    HandleMap map;
    for (int i = 0; i < HandleMap::Capacity; ++i)
        CHECK(map.Insert(Handle(0x10000 + 0x10 * (HandleMap::Capacity - i)), Object(i + 1)));
    CHECK(map.IsFull());
    CHECK(!map.Insert(Handle(0x10008), Object(99)));
    CHECK(map.Count() == HandleMap::Capacity);
    CHECK(map.Find(Handle(0x10008)) == -1);
    CHECK(KeysAscending(map));
    for (int i = 0; i < HandleMap::Capacity; ++i) {
        int index = map.Find(Handle(0x10000 + 0x10 * (HandleMap::Capacity - i)));
        CHECK(index >= 0 && map.ObjectAt(index) == Object(i + 1));
    }
    // After a removal there is room again.
    CHECK(map.Remove(Handle(0x10010)));
    CHECK(map.Insert(Handle(0x10008), Object(99)));
    CHECK(map.ObjectAt(map.Find(Handle(0x10008))) == Object(99));
}

WINLIB_CHECK(HandleMapRemovalClosesTheGap) {
    HandleMap map;
    for (std::uintptr_t value = 1; value <= 5; ++value)
        CHECK(map.Insert(Handle(value), Object(value)));
    CHECK(map.Remove(Handle(3)));
    CHECK(!map.Remove(Handle(3)));
    CHECK(map.Count() == 4);
    CHECK(map.KeyAt(2) == 4 && map.ObjectAt(2) == Object(4));
    CHECK(map.ObjectAt(map.Find(Handle(5))) == Object(5));
}
