#include "analysis/search_arena.h"

#include <algorithm>

namespace mizaro {

namespace {

// Blocks double from a size that holds a small analysis whole up to one where a block's
// allocation costs nothing beside the work of filling it.
constexpr std::size_t kFirstBlock = std::size_t{16} << 10;
constexpr std::size_t kLargestBlock = std::size_t{4} << 20;

std::size_t RoundUp(std::size_t n, std::size_t align) {
    return (n + align - 1) / align * align;
}

}  // namespace

void* SearchArena::AllocateBytes(std::size_t bytes, std::size_t align) {
    std::size_t at = blocks_.empty() ? 0 : RoundUp(used_, align);
    if (blocks_.empty() || at + bytes > blocks_.back().size) {
        const std::size_t grown =
            blocks_.empty() ? kFirstBlock : std::min(blocks_.back().size * 2, kLargestBlock);
        const std::size_t size = std::max(grown, bytes);
        // Default-initialised: the bytes are written before they are read.
        blocks_.push_back({std::unique_ptr<std::byte[]>(new std::byte[size]), size});
        at = 0;
    }
    used_ = at + bytes;
    return blocks_.back().data.get() + at;
}

void SearchArena::Reset() {
    if (blocks_.size() > 1) blocks_.resize(1);
    used_ = 0;
}

}  // namespace mizaro
