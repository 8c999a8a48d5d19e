#pragma once
// The map's areas in output order, each owned by the list. Positions stay
// valid while other areas come and go; the list's nodes, as the areas, come
// from pools, so that a map of many areas is read and dropped without a heap
// allocation for each.

#include "model/CMapData.h"
#include "model/PooledAllocator.h"

#include <list>
#include <memory>

using AreaList = std::list<std::unique_ptr<CMapData>, PooledAllocator<std::unique_ptr<CMapData>>>;
using AreaPos = AreaList::iterator;
