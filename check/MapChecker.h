#pragma once
// Checks one map for what browsers and screen readers will stumble on: links
// without text, areas off the picture, areas of no size, areas hidden under
// earlier ones or repeated, links to local files that are not there, and
// attributes the SVG form cannot carry.
// Areas are taken in the order they are written (the DEFAULT area last, as
// browsers take it), and findings name them by their index in the map's list.

#include "check/Finding.h"
#include "formats/DisplaySize.h"

#include <functional>
#include <string>
#include <vector>

class CMapData;
class CZephyrmapDoc;

// The local file a link leads to, as its text names it and as its %XX
// escapes read (empty when it has none): a browser finds either.
struct LinkedFiles {
    std::string file;
    std::string unescaped;
};

class MapChecker
{
public:
    // Whether a local file (a program path) exists.
    using FileProbe = std::function<bool(const std::string& path)>;
    // Whether an area is a link where the map is written; by default, every
    // area without NOHREF, as the map writes them.
    using LinkTest = std::function<bool(const CMapData& area)>;

    // Asks the file system.
    MapChecker();
    explicit MapChecker(FileProbe exists);

    // `picture` is the size the picture is shown at; when it is unknown,
    // nothing is called outside it, and the DEFAULT area is not called hidden.
    std::vector<Finding> Check(const CZephyrmapDoc& doc, DisplaySize picture, const LinkTest& isLink = {}) const;

    // The local file an area links to, resolved against the HTML document as
    // a browser would: a typed link's character references read, and its
    // anchor, its query and its escapes taken from its own text, never from
    // the folders it is read in; empty for a URL, a root-relative link or no
    // link, the document itself for an anchor in it.
    static LinkedFiles LinkTarget(const CMapData& area, const std::string& htmlPath);
    // The file as its link names it.
    static std::string LinkedFile(const CMapData& area, const std::string& htmlPath);
    // Whether the area has no size a browser would click.
    static bool IsEmptyArea(const CMapData& area);

private:
    FileProbe m_exists;
};
