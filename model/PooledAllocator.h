#pragma once
// An allocator for node containers (lists, maps) whose nodes come one at a
// time from the pool for their size; anything else asks the heap.

#include "model/BlockPool.h"

#include <cstddef>
#include <new>

template <class T> class PooledAllocator
{
public:
    using value_type = T;

    PooledAllocator() noexcept = default;
    template <class U> PooledAllocator(const PooledAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        static_assert(alignof(T) <= alignof(std::max_align_t), "pooled blocks are aligned as any fundamental type");
        if (ZM_POOLS_USE_HEAP || n != 1)
            return static_cast<T*>(::operator new(n * sizeof(T)));
        return static_cast<T*>(PoolFor<T>().Allocate());
    }
    void deallocate(T* p, std::size_t n) noexcept
    {
        if (ZM_POOLS_USE_HEAP || n != 1)
            ::operator delete(p);
        else
            PoolFor<T>().Deallocate(p);
    }

    template <class U> friend bool operator==(const PooledAllocator&, const PooledAllocator<U>&) noexcept
    {
        return true;
    }
};
