#pragma once
// Writes the map as HTML source: one IMG tag using the map, the MAP element
// and one AREA tag per area, lines separated by CR LF, as the program's text
// (UTF-8); textout gives it the bytes of an encoding.

#include "formats/HtmlOutputOptions.h"

#include <string>
#include <vector>

class CMapData;
class CZephyrmapDoc;

namespace html
{

std::string WriteMapHtml(const CZephyrmapDoc& doc, const HtmlOutputOptions& options);
std::string WriteAreaTag(const CMapData& area, const std::string& documentPath, const HtmlOutputOptions& options);
// The areas that get an AREA tag, in the order they are written: the DEFAULT
// area last (the last one met), and left out when it has no attributes.
std::vector<const CMapData*> AreasInWritingOrder(const CZephyrmapDoc& doc);
// The SHAPE keyword of a shape, long or short as the options say.
const char* ShapeKeyword(int shape, const HtmlOutputOptions& options);
// The text written for an area's HREF and for the picture's SRC, seen from
// the HTML document at `documentPath`; in a file's name, an '&' that would
// begin a character reference is written "&amp;".
std::string LinkReference(const CMapData& area, const std::string& documentPath, const HtmlOutputOptions& options);
std::string PictureReference(const CZephyrmapDoc& doc, const std::string& documentPath,
                             const HtmlOutputOptions& options);
// A value with its quotes: double ones, or single ones when it holds a
// double quote and no single one; with both, its double quotes become
// "&quot;". Otherwise the value is written as it is.
std::string QuotedValue(const std::string& value);
// Names to upper (or lower) case, attribute values left as they are.
void ConvertTagCase(std::string& text, bool lower);
void InsertOtherAttributes(std::string& tag, const std::string& other);
std::string MakeIndent(const HtmlOutputOptions& options);

} // namespace html
