// Memory for the large blocks of an analysis. A search writes hundreds of megabytes once each;
// where the system offers large pages, a block backed by them costs one page fault per two
// megabytes instead of one per four kilobytes.
#pragma once

#include <cstddef>
#include <memory>

namespace mizaro {

struct LargeBlockDeleter {
    bool aligned = false;  // allocated aligned to a large page
    void operator()(std::byte* block) const;
};
using LargeBlock = std::unique_ptr<std::byte[], LargeBlockDeleter>;

// Uninitialised room for `bytes`; a block of at least one large page is aligned to one and
// offered to the system for large pages. Throws std::bad_alloc as new does.
LargeBlock AllocateLargeBlock(std::size_t bytes);

}  // namespace mizaro
