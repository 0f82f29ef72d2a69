#pragma once

// Size of the data buffer of one block of the scrollback store.
constexpr int StoreBlockSize = 16352;
// Descriptors in the process-wide pool; at most this many blocks exist at once.
constexpr int StorePoolSize = 64;

// One block of the scrollback store's chain. The descriptor is free when
// data is null.
struct StoreBlock {
    unsigned char* data = nullptr;
    int used = 0;
    StoreBlock* prev = nullptr;
    StoreBlock* next = nullptr;
};
