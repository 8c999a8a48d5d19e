#pragma once
// The steps after a map has been put into the document, shared by the editor
// and the command-line tool.

#include <string>

class CZephyrmapDoc;

namespace mapcmd
{

// After a new map or an HTML read: the picture's size replaces WIDTH/HEIGHT.
void AfterMapCreated(CZephyrmapDoc& doc);
// After a native load: the stored WIDTH/HEIGHT are kept.
void AfterNativeLoad(CZephyrmapDoc& doc);

} // namespace mapcmd
