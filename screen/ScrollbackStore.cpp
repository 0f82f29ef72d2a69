#include "screen/ScrollbackStore.h"

#include "screen/Cell.h"

#include <cstring>

ScrollbackStore::ScrollbackStore(BlockPool& pool) : pool(pool) {
    ObtainBlock();
}

ScrollbackStore::~ScrollbackStore() {
    FreeAll();
}

int ScrollbackStore::CountRecords(const StoreBlock* block) {
    int records = 0;
    for (int pos = 0; pos < block->used; pos += block->data[pos] + 2)
        records += 1;
    return records;
}

int ScrollbackStore::BlockCount() const {
    int count = 0;
    for (const StoreBlock* block = first; block; block = block->next)
        count += 1;
    return count;
}

int ScrollbackStore::InChain(const StoreBlock* block) const {
    for (const StoreBlock* b = first; b; b = b->next)
        if (b == block) return 1;
    return 0;
}

int ScrollbackStore::AppendLine(const unsigned char* text) {
    if (!text) return 0;
    int n = text[0] > LineWidth ? LineWidth : text[0];
    SeekEnd();
    if (!cursor.block || n + 2 > StoreBlockSize - cursor.block->used) {
        if (!ObtainBlock()) return 0;
    }
    StoreBlock* block = cursor.block;
    unsigned char* record = block->data + block->used;
    record[0] = static_cast<unsigned char>(n);
    std::memcpy(record + 1, text + 1, n);
    record[n + 1] = static_cast<unsigned char>(n);
    block->used += n + 2;
    cursor.pos = block->used;
    lineCount += 1;
    return 1;
}

// Puts a new block at the end of the chain with the cursor at its start.
// When no block can be had, a store of one block reuses it, losing its lines,
// and an empty store stays empty.
int ScrollbackStore::ObtainBlock() {
    GatherFreeBlocks();
    if (StoreBlock* block = pool.TakeFree()) {
        LinkAsLast(block);
        return 1;
    }
    if (!first) return 0;
    ReuseOnlyBlock();
    return 1;
}

// Fills the free list beyond the reserve, recycling the oldest block when the
// pool is full or memory runs out; the newest block always stays.
void ScrollbackStore::GatherFreeBlocks() {
    while (pool.freeCount <= pool.reserve) {
        if (pool.AddSpare()) continue;
        if (!pool.Full()) shortage = 1;
        if (first == last) return;
        RecycleOldestBlock();
    }
}

void ScrollbackStore::RecycleOldestBlock() {
    StoreBlock* block = first;
    first = block->next;
    first->prev = nullptr;
    lineCount -= CountRecords(block);
    MovePositionsOff(block, StorePosition{first, 0});
    pool.ReturnToFreeList(block);
}

void ScrollbackStore::ReuseOnlyBlock() {
    first->used = 0;
    lineCount = 0;
    cursor = saved = StorePosition{first, 0};
}

void ScrollbackStore::LinkAsLast(StoreBlock* block) {
    block->prev = last;
    if (last)
        last->next = block;
    else
        first = block;
    last = block;
    cursor = StorePosition{block, 0};
}

void ScrollbackStore::DropLastBlock() {
    StoreBlock* block = last;
    last = block->prev;
    last->next = nullptr;
    MovePositionsOff(block, StorePosition{last, last->used});
    pool.ReturnToFreeList(block);
}

void ScrollbackStore::MovePositionsOff(const StoreBlock* block, StorePosition to) {
    if (cursor.block == block) cursor = to;
    if (saved.block == block) saved = to;
}

// Moves the cursor onto the next whole record; null at the end of the chain.
const unsigned char* ScrollbackStore::NextRecord() {
    if (!cursor.block) return nullptr;
    while (cursor.pos >= cursor.block->used) {
        if (!cursor.block->next) return nullptr;
        cursor = StorePosition{cursor.block->next, 0};
    }
    const unsigned char* record = cursor.block->data + cursor.pos;
    if (cursor.pos + record[0] + 2 > cursor.block->used) return nullptr;
    return record;
}

int ScrollbackStore::ReadNextLine(unsigned char* out) {
    const unsigned char* record = NextRecord();
    if (!record) return 0;
    if (out) std::memcpy(out, record, record[0] + 1);
    cursor.pos += record[0] + 2;
    return 1;
}

int ScrollbackStore::SkipForward() {
    return ReadNextLine(nullptr);
}

int ScrollbackStore::SkipBack() {
    if (!cursor.block) return 0;
    while (cursor.pos <= 0) {
        StoreBlock* prev = cursor.block->prev;
        if (!prev) return 0;
        cursor = StorePosition{prev, prev->used};
    }
    int back = cursor.block->data[cursor.pos - 1] + 2;
    if (back > cursor.pos) return 0;
    cursor.pos -= back;
    return 1;
}

void ScrollbackStore::SeekEnd() {
    cursor = StorePosition{last, last ? last->used : 0};
}

void ScrollbackStore::RemoveNewestLine() {
    if (lineCount == 0) return;
    SeekEnd();
    if (!SkipBack()) return;
    lineCount -= 1;
    while (last != cursor.block)
        DropLastBlock();
    if (cursor.pos == 0 && cursor.block->prev) {
        DropLastBlock();
        SeekEnd();
    }
    cursor.block->used = cursor.pos;
    if (saved.block == cursor.block && saved.pos > cursor.pos) saved.pos = cursor.pos;
}

void ScrollbackStore::SaveCursor() {
    saved = cursor;
}

void ScrollbackStore::RestoreCursor() {
    if (saved.block) cursor = saved;
}

void ScrollbackStore::Seek(StorePosition position) {
    if (!InChain(position.block) || position.pos < 0 || position.pos > position.block->used) return;
    cursor = position;
}

void ScrollbackStore::RemoveOldestLines(int n) {
    while (n > 0 && first) {
        int pos = 0;
        for (; n > 0 && pos < first->used; n -= 1, lineCount -= 1)
            pos += first->data[pos] + 2;
        if (pos < first->used) {
            std::memmove(first->data, first->data + pos, first->used - pos);
            first->used -= pos;
        } else if (first->next) {
            StoreBlock* block = first;
            first = block->next;
            first->prev = nullptr;
            pool.Release(block);
        } else {
            first->used = 0;
            lineCount = 0;
            break;
        }
    }
    cursor = saved = StorePosition{first, 0};
}

void ScrollbackStore::FreeAll() {
    while (first) {
        StoreBlock* block = first;
        first = block->next;
        pool.Release(block);
    }
    last = nullptr;
    cursor = saved = StorePosition{};
    lineCount = 0;
    pool.reserve = 1;
}

void ScrollbackStore::LowerReserve() {
    if (pool.reserve > 0) pool.reserve -= 1;
}

void ScrollbackStore::RaiseReserve() {
    pool.reserve += 1;
}
