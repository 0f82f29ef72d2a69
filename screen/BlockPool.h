#pragma once

#include "screen/StoreBlock.h"

#include <cstddef>

// The fixed pool of block descriptors, the free list of blocks that keep their
// buffers, and the reserve of spare blocks kept allocated ahead of need. One
// instance serves the whole process (Shared); tests make their own, with an
// allocation function that can fail.
class BlockPool {
  public:
    using AllocateFn = void* (*)(std::size_t);
    using ReleaseFn = void (*)(void*);

    BlockPool();
    BlockPool(AllocateFn allocate, ReleaseFn release);
    ~BlockPool();
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    static BlockPool& Shared();

    // Allocates a buffer and puts a block with it on the free list; 0 when
    // the pool is full or the allocation fails.
    int AddSpare();
    // Takes a block from the free list (null when it is empty); used = 0,
    // unlinked, counted in use.
    StoreBlock* TakeFree();
    // A block leaves the chain and goes to the free list with its buffer.
    void ReturnToFreeList(StoreBlock* block);
    // A block leaves the chain; its buffer is released and its descriptor freed.
    void Release(StoreBlock* block);

    // Releases every buffer and returns the pool to its initial state: no
    // block in use, an empty free list, a reserve of 1. Only while no store
    // uses the pool, as between tests.
    void Reset();

    int Full() const { return blocksInUse + freeCount >= StorePoolSize; }

    int blocksInUse = 0;
    int freeCount = 0;
    int reserve = 1;

  private:
    StoreBlock* FreeDescriptor();

    StoreBlock descriptors[StorePoolSize];
    StoreBlock* freeList = nullptr;
    AllocateFn allocate;
    ReleaseFn release;
};
