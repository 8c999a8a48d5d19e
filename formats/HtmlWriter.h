#pragma once
// Writes the map as HTML source: one IMG tag using the map, the MAP element
// and one AREA tag per area, lines separated by CR LF, in Shift-JIS.

#include "formats/HtmlOutputOptions.h"

#include <string>

class CMapData;
class CZephyrmapDoc;

namespace html
{

std::string WriteMapHtml(const CZephyrmapDoc& doc, const HtmlOutputOptions& options);
std::string WriteAreaTag(const CMapData& area, const std::string& documentPath, const HtmlOutputOptions& options);
// Names to upper (or lower) case, attribute values left as they are.
void ConvertTagCase(std::string& text, bool lower);
void InsertOtherAttributes(std::string& tag, const std::string& other);
std::string MakeIndent(const HtmlOutputOptions& options);

} // namespace html
