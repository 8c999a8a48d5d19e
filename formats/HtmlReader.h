#pragma once
// Finds client-side image maps in HTML text (UTF-8) and builds the
// document from one of them. Lenient: only a bad SHAPE or COORDS is an error.

#include "formats/FoundMap.h"

#include <memory>
#include <string>
#include <vector>

class CMapData;
class CZephyrmapDoc;

namespace html
{

int DropUnmatchedMaps(std::vector<FoundMap>& maps);
// The usable maps of a page: the three steps above.
std::vector<FoundMap> FindMaps(const std::string& text);

// 1 when clean, 0 when a SHAPE or COORDS could not be read.
int BuildDocumentFromMap(CZephyrmapDoc& doc, const std::vector<FoundMap>& maps, int index);
int ParseAreaTags(CZephyrmapDoc& doc, const FoundMap& map);
// One AREA tag's text (from "<area" to its '>') as the map gets it, links
// resolved against `documentPath`; `clean` is false when its SHAPE or COORDS
// could not be read.
std::unique_ptr<CMapData> ReadAreaTag(const std::string& tag, const std::string& documentPath, bool& clean);
void ParseCoords(CMapData& area, const std::string& text);
// An HREF read against the page: the file it names, its character
// references read as a browser reads them ("Z&#252;rich.html", which the
// writer puts where the page's encoding lacks a character of the name, is
// Zürich.html), `isFile` set; or, when it names none the page can tell (a
// URL, an absolute path, no page), the value as typed, HTML source like
// every other text of the map.
std::string ReadLink(const std::string& href, const std::string& documentPath, bool& isFile);
// SRC as the picture's file, read as an HREF is; a URL, which names no file
// of ours, stays as the page has it.
std::string PicturePath(const std::string& src, const std::string& documentPath);
// Typed other attributes as a page read back gives them: tabs and line ends
// as blanks, a run of blanks between attributes as one, none at either end;
// inside a quoted value the blanks stay as typed. They stay apart as typed,
// and the written tag reads back as the area.
std::string TidyOtherAttributes(const std::string& typed);

} // namespace html
