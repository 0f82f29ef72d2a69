#include "screen/BlockPool.h"

#include <cstdlib>

BlockPool::BlockPool() : BlockPool(std::malloc, std::free) {}

BlockPool::BlockPool(AllocateFn allocate, ReleaseFn release)
    : allocate(allocate), release(release) {}

BlockPool::~BlockPool() {
    Reset();
}

BlockPool& BlockPool::Shared() {
    static BlockPool pool;
    return pool;
}

StoreBlock* BlockPool::FreeDescriptor() {
    for (StoreBlock& block : descriptors)
        if (!block.data) return &block;
    return nullptr;
}

int BlockPool::AddSpare() {
    if (Full()) return 0;
    StoreBlock* block = FreeDescriptor();
    if (!block) return 0;
    auto* data = static_cast<unsigned char*>(allocate(StoreBlockSize));
    if (!data) return 0;
    *block = StoreBlock{};
    block->data = data;
    block->next = freeList;
    freeList = block;
    freeCount += 1;
    return 1;
}

StoreBlock* BlockPool::TakeFree() {
    StoreBlock* block = freeList;
    if (!block) return nullptr;
    freeList = block->next;
    freeCount -= 1;
    block->used = 0;
    block->prev = block->next = nullptr;
    blocksInUse += 1;
    return block;
}

void BlockPool::ReturnToFreeList(StoreBlock* block) {
    block->used = 0;
    block->prev = nullptr;
    block->next = freeList;
    freeList = block;
    freeCount += 1;
    blocksInUse -= 1;
}

void BlockPool::Release(StoreBlock* block) {
    release(block->data);
    *block = StoreBlock{};
    blocksInUse -= 1;
}

void BlockPool::Reset() {
    for (StoreBlock& block : descriptors) {
        if (block.data) release(block.data);
        block = StoreBlock{};
    }
    freeList = nullptr;
    blocksInUse = 0;
    freeCount = 0;
    reserve = 1;
}
