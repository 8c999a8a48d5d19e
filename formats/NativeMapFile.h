#pragma once
// The native map file (.zmf):
//
//   int32 version (2), counted string "Zephyrmap! ClickableMapDataFile",
//   the areas as an object list (count, then per area a class tag of
//   "CMapData", schema 2, and its body), then ten counted strings: map name,
//   picture, HTML document, IMG ALT, BORDER, ALIGN, HSPACE, VSPACE, HEIGHT,
//   WIDTH.
//
// The old layout (up to version 2.4.2) has the area list and the ten strings
// only, with schema-1 areas; its first int32 is negative (count word, then
// 0xFFFF). Area body, schema 2: count of points, each int32 x, y; int32
// shape; strings href, target, alt; int32 href-is-path; string other
// attributes; int32 no-href. Schema 1 stops after href-is-path.

#include <filesystem>
#include <string>

class CZephyrmapDoc;

namespace native
{

enum class LoadResult { Ok, OldLayout, CannotOpen, NotOurFormat, NewerVersion, Unexpected };

std::string SaveToBytes(const CZephyrmapDoc& doc);
// Saves atomically (localfile::WriteFileAtomically), so a failed save leaves
// the old file whole; `reason` is the system's reason, which the caller puts
// in its own words with the file's name.
bool SaveToFile(const CZephyrmapDoc& doc, const std::filesystem::path& path, std::string& reason);

// Empties the document, then fills it from the bytes; a refused or damaged
// file leaves it empty. OldLayout is a success (with a warning to show).
LoadResult LoadFromBytes(CZephyrmapDoc& doc, const std::string& bytes);
// What is no regular file cannot be opened.
LoadResult LoadFromFile(CZephyrmapDoc& doc, const std::filesystem::path& path);
// The message for a failed load or the old layout's warning.
std::string MessageFor(LoadResult result);

} // namespace native
