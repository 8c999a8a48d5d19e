#include "model/BlockPool.h"

#include <algorithm>

BlockPool::BlockPool(std::size_t blockSize) : m_blockSize(RoundedSize(blockSize)) {}

std::size_t BlockPool::RoundedSize(std::size_t size)
{
    constexpr std::size_t alignment = alignof(std::max_align_t);
    size = std::max(size, sizeof(FreeBlock));
    return (size + alignment - 1) / alignment * alignment;
}

void* BlockPool::Allocate()
{
    if (!m_free)
        AddSlab();
    FreeBlock* block = m_free;
    m_free = block->next;
    ++m_live;
    return block;
}

void BlockPool::Deallocate(void* block) noexcept
{
    auto* freed = static_cast<FreeBlock*>(block);
    freed->next = m_free;
    m_free = freed;
    if (--m_live == 0)
        ReleaseSlabs();
}

void BlockPool::AddSlab()
{
    const std::size_t blocks = m_nextSlabBlocks;
    // new[] of std::byte is aligned for any fundamental type, as the rounded block size is.
    m_slabs.push_back(std::make_unique_for_overwrite<std::byte[]>(blocks * m_blockSize));
    std::byte* slab = m_slabs.back().get();
    // Linked from the end so that the slab is handed out front to back.
    for (std::size_t i = blocks; i-- > 0;) {
        auto* block = reinterpret_cast<FreeBlock*>(slab + i * m_blockSize);
        block->next = m_free;
        m_free = block;
    }
    m_nextSlabBlocks = std::min(blocks * 2, kLargestSlabBlocks);
}

void BlockPool::ReleaseSlabs() noexcept
{
    m_slabs.clear();
    m_free = nullptr;
    m_nextSlabBlocks = kFirstSlabBlocks;
}
