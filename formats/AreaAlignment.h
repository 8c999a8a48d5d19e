#pragma once
// Lines up a page's AREA tags with the map's areas: which tag stays as the
// area it already reads as. The tags at the front and at the back that read
// as the areas there are paired first. When as many tags as areas are left
// between (areas moved or changed, none added or taken out), they meet in
// order, each tag with the area at its place. Otherwise the pairs in between
// are those of a shortest edit script (Myers' algorithm), so that a tag
// taken out or an area added leaves the other tags where they are; when more
// than `limit` tags and areas differ, none are paired in between, which keeps
// the work bounded however large the map. Between two pairs, the tags and
// areas left over meet in order.

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace html
{

// (tag, area) index pairs in increasing order; `same(tag, area)` says whether
// a tag already reads as an area.
std::vector<std::pair<std::size_t, std::size_t>>
AlignAreaTags(std::size_t tags, std::size_t areas, const std::function<bool(std::size_t, std::size_t)>& same,
              std::size_t limit = 512);

} // namespace html
