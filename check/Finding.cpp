#include "check/Finding.h"

const char* CodeName(FindingCode code)
{
    switch (code) {
    case FindingCode::MissingAlt:
        return "missing-alt";
    case FindingCode::OutsidePicture:
        return "outside-picture";
    case FindingCode::EmptyArea:
        return "empty-area";
    case FindingCode::HiddenArea:
        return "hidden-area";
    case FindingCode::DuplicateArea:
        return "duplicate-area";
    case FindingCode::MissingLinkTarget:
        return "missing-link-target";
    case FindingCode::UsemapUnresolved:
        return "usemap-unresolved";
    case FindingCode::DuplicateMapName:
        return "duplicate-map-name";
    case FindingCode::ImgMissingAlt:
        return "img-missing-alt";
    case FindingCode::MapUnused:
        return "map-unused";
    case FindingCode::SvgAttributeLeftOut:
        return "svg-attribute-left-out";
    }
    return "";
}
