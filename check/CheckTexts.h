#pragma once
// The checker's messages, in Japanese; the widgets and the command-line
// tool translate them where they show them.

#include <cstdint>
#include <string>
#include <vector>

namespace checktexts
{

const std::string& MissingAlt();
std::string OutsidePicture(std::int32_t width, std::int32_t height);
std::string EntirelyOutsidePicture(std::int32_t width, std::int32_t height);
const std::string& EmptyRectangle();
const std::string& EmptyCircle();
const std::string& EmptyPolygon();
const std::string& HiddenArea();
std::string DuplicateArea(int earlier);
std::string MissingLinkTarget(const std::string& path);
std::string UsemapWithoutHash(const std::string& usemap);
std::string UsemapNamesNoMap(const std::string& name);
std::string UsemapDiffersInCase(const std::string& name, const std::string& mapName);
std::string UsemapById(const std::string& name);
std::string UsemapTextBeforeHash(const std::string& usemap);
std::string DuplicateMapName(const std::string& name, std::size_t firstLine);
const std::string& ImgMissingAlt();
std::string MapUnused(const std::string& name);
// Names in double quotes, separated by ", ", for the texts below.
std::string QuotedNames(const std::vector<std::string>& names);
// `names`: the attributes, as QuotedNames gives them.
std::string SvgAttributesLeftOut(const std::string& names);
std::string SvgAttributesLeftOutOfArea(int area, const std::string& names);

} // namespace checktexts
