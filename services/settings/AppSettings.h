#pragma once
// Every user preference of the "Settings" section, one field per stored value,
// in the order they are stored, plus the DEFAULT-area rule in force for this run.

#include "services/types/ColorRef.h"

#include <cstdint>
#include <string>

// Bits of HtmlOption.
enum HtmlOptionBits : std::uint32_t {
    kRectKeywordLong = 0x01,
    kCircKeywordLong = 0x02,
    kPolyKeywordLong = 0x04,
    kIndentSpaces = 0x08,
    kIndentTabs = 0x10,
    kLowerCaseTags = 0x20,
    kKeepOtherAttrsCase = 0x40,
};

// Programs that stand in for the ones a first run offers.
std::string DefaultBrowserPath();
std::string DefaultEditorPath();

struct AppSettings {
    int SRC_RelativePath = 0;
    int HREF_RelativePath = 0;
    std::string Editor = DefaultEditorPath();
    std::string Browser = DefaultBrowserPath();
    std::string IMG_App = DefaultBrowserPath();
    std::string HTML_App = DefaultBrowserPath();
    std::string HTML_Editor = DefaultEditorPath();
    std::string IMG_Editor = DefaultBrowserPath();
    int IMG_App_default = 1;
    int HTML_App_default = 1;
    ColorRef Bgcolor = 0xC0C0C0;
    std::uint32_t HtmlOption = 10;
    int nIndentSpace = 2;
    float magni = 1.0f;
    ColorRef OutlineColor = 0x000000;
    ColorRef HatchColor = 0xDDDDDD;
    int Hatching = 1;
    int DEFAULTArea_Tail = 1;
    int OmitInPageLinkFileName = 1;
    // Drawing: a drawing tool stays chosen after each area; the grid (its
    // spacing in picture pixels and colour), shown and snapped to; snapping
    // to the other areas' vertices and edges.
    int KeepTool = 0;
    int GridSpacing = 10;
    ColorRef GridColor = 0xC08000;
    int ShowGrid = 0;
    int SnapToGrid = 0;
    int SnapToAreas = 0;
    // The trace tool: the colour tolerance (Delta E) and the simplification
    // distance in tenths of a picture pixel.
    int nTraceTolerance = 20;
    int nTraceSimplify = 15;
    // The language of the program from its next start: 0 the system's,
    // 1 Japanese, 2 English.
    int Language = 0;
    // Not stored: the rule in force, copied from DEFAULTArea_Tail at start-up.
    int DefaultAreaTailInEffect = 1;
};
