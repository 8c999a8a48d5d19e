#pragma once
// One area as the clipboard carries it between views and between running
// copies of the program. All integers are little-endian int32:
//
//   offset            size    content
//   0                 4       format marker: 2 when the texts are UTF-8,
//                             else (1) they are Shift-JIS
//   4                 4       H, bytes of the HREF text
//   8                 4       A, bytes of the ALT text
//   12                4       T, bytes of the TARGET text
//   16                4       O, bytes of the other attributes
//   20                4       N, number of points
//   24                4       shape (0 polygon, 1 circle, 2 rectangle)
//   28                4       NOHREF flag
//   32                H + 1   HREF text and a 0 byte
//   33 + H            4       path flag of the HREF
//   37 + H            A + 1   ALT text and a 0 byte
//   38 + H + A        T + 1   TARGET text and a 0 byte
//   39 + H + A + T    O + 1   other attributes and a 0 byte
//   40 + H + A + T + O  8 N   the points, x then y
//
// followed by one more 0 byte: 41 + H + A + T + O + 8 N bytes in all. The
// one-area block goes out in Shift-JIS, as it always did, so that older
// copies of the program read it; the blocks inside the several-areas block
// below carry UTF-8, so that any text survives. Another program may put a
// block of its own under the same name: reading checks every length against
// the block's size, and refuses points beyond ±1,000,000.

// Several areas go as one block of their own under another name:
//
//   offset  size   content
//   0       4      N, the number of areas (1 to 100,000)
//   4       4      L1, bytes of the first area's block
//   8       L1     the first area's block, as above
//   ...            L2 and the second block, and so on: exactly N of them,
//                  ending where the block ends
//
// so that a copy of the program that knows only the one-area block still
// finds the first area under the old name.

#include <string>
#include <vector>

class CMapData;

namespace areablock
{

// The one-area block, its texts in Shift-JIS (marker 1): for an area whose
// texts Shift-JIS holds (FitsShiftJis), the very block older copies read.
std::string Encode(const CMapData& area);
bool FitsShiftJis(const CMapData& area);
// Fills `area` from the block, its link attributes emptied when
// `dropAttributes`; false, with `area` untouched, for a block that does not
// hold one whole area.
bool Decode(const std::string& block, bool dropAttributes, CMapData& area);

// The several-areas block, each area's texts in UTF-8 (marker 2).
std::string EncodeMany(const std::vector<const CMapData*>& areas);
// False, with `areas` untouched, unless the block holds N whole areas and
// nothing after them.
bool DecodeMany(const std::string& block, bool dropAttributes, std::vector<CMapData>& areas);

} // namespace areablock
