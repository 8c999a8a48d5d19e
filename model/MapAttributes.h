#pragma once
// The map's ten attributes in one table. The index is the one a map-attribute
// edit and its undo step carry (0..7); WIDTH and HEIGHT follow the picture and
// are never edited by hand. The table is in the order the native file stores
// the strings; the IMG tag writes its attributes in kImgTagOrder.

#include <array>

enum MapAttribute : int {
    AttrMapName = 0,
    AttrHtmlPath = 1,
    AttrImageSrc = 2,
    AttrBorder = 3,
    AttrAlign = 4,
    AttrVspace = 5,
    AttrHspace = 6,
    AttrImgAlt = 7,
    AttrHeight = 8,
    AttrWidth = 9,
};

inline constexpr int kMapAttributeCount = 10;
// Attributes a map-attribute edit can carry: the ones below WIDTH and HEIGHT.
inline constexpr int kEditableMapAttributeCount = 8;

inline constexpr bool IsEditableMapAttribute(int index)
{
    return index >= 0 && index < kEditableMapAttributeCount;
}

struct MapAttributeInfo {
    MapAttribute index;
    const char* name;         // the field's name where the map is shown as data
    const char* imgAttribute; // its attribute in the IMG tag; nullptr when it has none of its own
};

inline constexpr std::array<MapAttributeInfo, kMapAttributeCount> kMapAttributes = {{
    {AttrMapName, "mapName", nullptr},
    {AttrImageSrc, "imageSrc", nullptr},
    {AttrHtmlPath, "htmlPath", nullptr},
    {AttrImgAlt, "imgAlt", "ALT"},
    {AttrBorder, "border", "BORDER"},
    {AttrAlign, "align", "ALIGN"},
    {AttrHspace, "hspace", "HSPACE"},
    {AttrVspace, "vspace", "VSPACE"},
    {AttrHeight, "height", "HEIGHT"},
    {AttrWidth, "width", "WIDTH"},
}};

// The IMG tag's optional attributes, in the order they are written.
inline constexpr std::array<MapAttribute, 7> kImgTagOrder = {AttrWidth,  AttrHeight, AttrBorder, AttrHspace,
                                                             AttrVspace, AttrAlign,  AttrImgAlt};

inline constexpr const MapAttributeInfo& MapAttributeInfoOf(MapAttribute index)
{
    for (const MapAttributeInfo& info : kMapAttributes) {
        if (info.index == index)
            return info;
    }
    return kMapAttributes[0];
}
