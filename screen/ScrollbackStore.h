#pragma once

#include "screen/BlockPool.h"
#include "screen/StoreBlock.h"

// A place in the store: a block and the byte offset of a record start in it.
struct StorePosition {
    StoreBlock* block = nullptr;
    int pos = 0;
};

// The text-only history: a chain of blocks, oldest first, of records
// "n, n characters, n" (n from 0 to 132), walked both ways by a cursor.
// Lines are exchanged as counted text (see Cell.h).
class ScrollbackStore {
  public:
    explicit ScrollbackStore(BlockPool& pool = BlockPool::Shared());
    ~ScrollbackStore();
    ScrollbackStore(const ScrollbackStore&) = delete;
    ScrollbackStore& operator=(const ScrollbackStore&) = delete;

    // Adds a line (at most 132 characters are kept) after the newest one; the
    // cursor stands after it. Returns 0 when no block could be had at all.
    int AppendLine(const unsigned char* text);
    // Copies the line at the cursor into out (134 bytes) and steps past it;
    // returns 0 and leaves out untouched at the end of the chain.
    int ReadNextLine(unsigned char* out);
    int SkipForward();
    int SkipBack();
    void SeekEnd();
    void RemoveNewestLine();
    void SaveCursor();
    void RestoreCursor();
    int LineCount() const { return lineCount; }
    void RemoveOldestLines(int n);
    void FreeAll();

    // The cursor as a value, for walks that must not disturb the saved cursor.
    StorePosition Tell() const { return cursor; }
    void Seek(StorePosition position);

    // Spare blocks kept ahead of need: lowered around an append that must not
    // allocate, raised again afterwards.
    void LowerReserve();
    void RaiseReserve();

    // Set when a block buffer could not be allocated; the owner reports it
    // and clears it.
    int shortage = 0;

    int BlockCount() const;

  private:
    int ObtainBlock();
    void GatherFreeBlocks();
    void RecycleOldestBlock();
    void ReuseOnlyBlock();
    void LinkAsLast(StoreBlock* block);
    void DropLastBlock();
    void MovePositionsOff(const StoreBlock* block, StorePosition to);
    const unsigned char* NextRecord();
    int InChain(const StoreBlock* block) const;
    static int CountRecords(const StoreBlock* block);

    BlockPool& pool;
    StoreBlock* first = nullptr;
    StoreBlock* last = nullptr;
    StorePosition cursor;
    StorePosition saved;
    int lineCount = 0;
};
