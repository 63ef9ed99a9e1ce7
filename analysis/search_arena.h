// Storage for the arrays of one analysis: a search creates up to a million small arrays (the
// per-turn values and the successor lists of its nodes) that all die together, so they are
// carved from large blocks rather than each taking a heap allocation of its own.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/large_block.h"

namespace mizaro {

class SearchArena {
  public:
    // Uninitialised room for `count` objects of a trivially destructible type, valid until
    // Reset.
    template <typename T>
    T* Allocate(std::size_t count) {
        return static_cast<T*>(AllocateBytes(count * sizeof(T), alignof(T)));
    }

    // Forgets every allocation. The first block is kept, so a small analysis that follows
    // needs no new memory; the others are kept by the thread for its next analysis, up to a
    // bound, beyond which they go back to the system.
    void Reset();

    SearchArena() = default;
    ~SearchArena();
    SearchArena(const SearchArena&) = delete;
    SearchArena& operator=(const SearchArena&) = delete;

    struct Block {
        LargeBlock data;
        std::size_t size = 0;
    };

  private:
    void* AllocateBytes(std::size_t bytes, std::size_t align);

    std::vector<Block> blocks_;
    std::size_t used_ = 0;  // bytes taken from the last block
};

}  // namespace mizaro
