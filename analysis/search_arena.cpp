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

}  // namespace

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
        blocks_.push_back({AllocateLargeBlock(size), size});
        at = alignedOffset(0);
    }
    used_ = at + bytes;
    return blocks_.back().data.get() + at;
}

void SearchArena::Reset() {
    if (blocks_.size() > 1) blocks_.resize(1);
    used_ = 0;
}

}  // namespace mizaro
