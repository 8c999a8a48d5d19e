#include "model/BlockPool.h"

#include "model/AreaList.h"
#include "model/CMapData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>

TEST(BlockPool, HandsOutDistinctAlignedBlocksAndTakesThemBack)
{
    BlockPool pool(24);
    EXPECT_EQ(pool.BlockSize() % alignof(std::max_align_t), 0u);
    std::vector<void*> blocks;
    std::set<std::uintptr_t> seen;
    for (int i = 0; i < 5000; ++i) {
        void* block = pool.Allocate();
        std::memset(block, 0xA5, 24); // the whole block is ours to write
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
        EXPECT_TRUE(seen.insert(reinterpret_cast<std::uintptr_t>(block)).second);
        blocks.push_back(block);
    }
    EXPECT_EQ(pool.LiveBlocks(), 5000u);
    const std::size_t slabs = pool.SlabCount();
    EXPECT_LT(slabs, 20u); // slabs grow, rather than one per few blocks

    pool.Deallocate(blocks[17]);
    EXPECT_EQ(pool.Allocate(), blocks[17]); // a block given back is used again
    EXPECT_EQ(pool.SlabCount(), slabs);

    for (void* block : blocks)
        pool.Deallocate(block);
    EXPECT_EQ(pool.LiveBlocks(), 0u);
    EXPECT_EQ(pool.SlabCount(), 0u); // every block back: the memory goes back to the heap
    EXPECT_NE(pool.Allocate(), nullptr);
    EXPECT_EQ(pool.SlabCount(), 1u);
}

TEST(BlockPool, AreasAndTheirListNodesComeFromPools)
{
    if (ZM_POOLS_USE_HEAP)
        GTEST_SKIP() << "an address-checking build keeps every allocation on the heap";
    BlockPool& areas = PoolFor<CMapData>();
    const std::size_t before = areas.LiveBlocks();
    {
        AreaList list;
        for (int i = 0; i < 300; ++i)
            list.push_back(std::make_unique<CMapData>());
        EXPECT_EQ(areas.LiveBlocks(), before + 300);
        auto copy = std::make_unique<CMapData>(*list.front());
        EXPECT_EQ(areas.LiveBlocks(), before + 301);
    }
    EXPECT_EQ(areas.LiveBlocks(), before);
}
