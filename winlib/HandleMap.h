#pragma once

#include <cstdint>

class Window;

// The table that finds the object of a window from its handle. Entries are
// sorted by the low 16 bits of the handle (compared unsigned) and found by
// bisection; the full handle is kept beside each key so that two handles that
// share their low word are never confused. The capacity is fixed: when the
// table is full a further window simply cannot be registered.
class HandleMap {
  public:
    static constexpr int Capacity = 50;

    // Adds the pair; false when the table is full.
    bool Insert(const void* handle, Window* object);
    // Index of the entry for handle, or -1.
    int Find(const void* handle) const;
    // Removes the entry for handle; false when there is none.
    bool Remove(const void* handle);

    Window* ObjectAt(int index) const { return objects[index]; }
    std::uint16_t KeyAt(int index) const { return keys[index]; }
    int Count() const { return count; }
    bool IsFull() const { return count == Capacity; }

    // The process-wide map, created on first use and kept until exit.
    static HandleMap& Instance();

    static std::uint16_t KeyOf(const void* handle) {
        return static_cast<std::uint16_t>(reinterpret_cast<std::uintptr_t>(handle) & 0xFFFF);
    }

  private:
    int LowerBound(std::uint16_t key) const;

    int count = 0;
    std::uint16_t keys[Capacity] = {};
    const void* handles[Capacity] = {};
    Window* objects[Capacity] = {};
};
