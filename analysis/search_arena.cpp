#include "analysis/search_arena.h"

#include <algorithm>
#include <cstdint>

namespace mizaro {

namespace {

// Blocks double from a size that holds a small analysis whole up to one where a block's
// allocation costs nothing beside the work of filling it.
constexpr std::size_t kFirstBlock = std::size_t{64} << 10;
constexpr std::size_t kLargestBlock = std::size_t{4} << 20;

std::size_t RoundUp(std::size_t n, std::size_t align) {
    return (n + align - 1) / align * align;
}

// Blocks the arenas of this thread gave back, kept for its next analysis: memory the process
// touches for the first time costs the system a page fault per page, which for a small
// analysis weighs as much as the search itself. Bounded, so that one large analysis does not
// hold its memory for good.
constexpr std::size_t kSpareLimit = std::size_t{64} << 20;

// An arena that outlives its thread's spares (one destroyed at the thread's exit) frees its
// blocks itself.
thread_local bool tSpareGone = false;

struct SpareBlocks {
    std::vector<SearchArena::Block> blocks;
    std::size_t bytes = 0;
    ~SpareBlocks() { tSpareGone = true; }
};

SpareBlocks& Spare() {
    thread_local SpareBlocks spare;
    return spare;
}

// A block of at least `size` bytes and at most twice that, from the spares if one fits.
SearchArena::Block TakeBlock(std::size_t size) {
    if (tSpareGone) return {AllocateLargeBlock(size), size};
    SpareBlocks& spare = Spare();
    for (std::size_t i = 0; i < spare.blocks.size(); ++i) {
        if (spare.blocks[i].size < size || spare.blocks[i].size / 2 > size) continue;
        SearchArena::Block block = std::move(spare.blocks[i]);
        spare.blocks[i] = std::move(spare.blocks.back());
        spare.blocks.pop_back();
        spare.bytes -= block.size;
        return block;
    }
    return {AllocateLargeBlock(size), size};
}

void GiveBack(SearchArena::Block block) {
    if (tSpareGone) return;  // freed here
    SpareBlocks& spare = Spare();
    if (spare.bytes + block.size > kSpareLimit) return;  // freed here
    spare.bytes += block.size;
    spare.blocks.push_back(std::move(block));
}

}  // namespace

SearchArena::~SearchArena() {
    for (Block& block : blocks_) GiveBack(std::move(block));
}

void* SearchArena::AllocateBytes(std::size_t bytes, std::size_t align) {
    // The offset that puts the object at an address aligned as asked, in the last block.
    auto alignedOffset = [&](std::size_t from) {
        const auto base = reinterpret_cast<std::uintptr_t>(blocks_.back().data.get());
        return RoundUp(base + from, align) - base;
    };
    std::size_t at = blocks_.empty() ? 0 : alignedOffset(used_);
    if (blocks_.empty() || at + bytes > blocks_.back().size) {
        const std::size_t grown =
            blocks_.empty() ? kFirstBlock : std::min(blocks_.back().size * 2, kLargestBlock);
        const std::size_t size = std::max(grown, bytes + align);
        blocks_.push_back(TakeBlock(size));
        at = alignedOffset(0);
    }
    used_ = at + bytes;
    return blocks_.back().data.get() + at;
}

void SearchArena::Reset() {
    for (std::size_t i = 1; i < blocks_.size(); ++i) GiveBack(std::move(blocks_[i]));
    if (blocks_.size() > 1) blocks_.resize(1);
    used_ = 0;
}

}  // namespace mizaro
