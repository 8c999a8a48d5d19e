#pragma once
// Blocks of one size, handed out from slabs and taken back onto a free list.
// A large map's areas are made and dropped by the hundred thousand when it
// is read or closed; one heap allocation each cost more than the file's own
// input and output, and dropping them made the heap merge its free chunks
// over and over. The slabs go back to the heap once every block is back.
//
// Used from one thread: areas are made and dropped where their document lives.

#include <cstddef>
#include <memory>
#include <vector>

class BlockPool
{
public:
    explicit BlockPool(std::size_t blockSize);
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    void* Allocate();
    void Deallocate(void* block) noexcept;

    std::size_t BlockSize() const { return m_blockSize; }
    std::size_t LiveBlocks() const { return m_live; }
    std::size_t SlabCount() const { return m_slabs.size(); }

    // Aligned as any object may need, and large enough to hold the link of a free block.
    static std::size_t RoundedSize(std::size_t size);

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    // The first slab is small, so that a map of a few areas keeps little;
    // each one after it is twice the last, up to a cap.
    static constexpr std::size_t kFirstSlabBlocks = 32;
    static constexpr std::size_t kLargestSlabBlocks = 8192;

    void AddSlab();
    void ReleaseSlabs() noexcept;

    std::size_t m_blockSize;
    std::vector<std::unique_ptr<std::byte[]>> m_slabs;
    std::size_t m_nextSlabBlocks = kFirstSlabBlocks;
    FreeBlock* m_free = nullptr;
    std::size_t m_live = 0;
};

// Whether pooled blocks stand aside for the plain heap: an address-checking
// build keeps every allocation its own, so that it still sees a use after
// free or a block overrun.
#if defined(__SANITIZE_ADDRESS__)
#define ZM_POOLS_USE_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZM_POOLS_USE_HEAP 1
#endif
#endif
#ifndef ZM_POOLS_USE_HEAP
#define ZM_POOLS_USE_HEAP 0
#endif

// The one pool for objects of type T, never destroyed, so that an object
// dropped while statics are torn down still finds it.
template <class T> BlockPool& PoolFor()
{
    static BlockPool* pool = new BlockPool(sizeof(T));
    return *pool;
}
