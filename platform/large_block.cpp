#include "platform/large_block.h"

#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace mizaro {

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;

}  // namespace

void LargeBlockDeleter::operator()(std::byte* block) const {
    if (aligned)
        ::operator delete (block, std::align_val_t{kLargePage});
    else
        ::operator delete(block);
}

LargeBlock AllocateLargeBlock(std::size_t bytes) {
    if (bytes < kLargePage) return LargeBlock(static_cast<std::byte*>(::operator new(bytes)), {});
    auto* block = static_cast<std::byte*>(::operator new (bytes, std::align_val_t{kLargePage}));
#if defined(__linux__)
    // Only advice: where the system declines, the block works with small pages.
    madvise(block, bytes / kLargePage * kLargePage, MADV_HUGEPAGE);
#endif
    return LargeBlock(block, {true});
}

}  // namespace mizaro
