#pragma once
// What several selected areas have in common, attribute by attribute: the
// value where every area has the same one, nothing where they differ, so
// that the area page can show one value or a blank field and an edit can
// give one attribute to all of them without touching the others.

#include <optional>
#include <string>
#include <vector>

class CMapData;
struct AppSettings;

struct SharedAttributes {
    std::optional<std::string> href; // as the page shows it (relative or not, as set)
    std::optional<std::string> target;
    std::optional<std::string> alt;
    std::optional<std::string> otherAttrs;
    std::optional<bool> noHref;

    static SharedAttributes Of(const std::vector<const CMapData*>& areas, const std::string& documentPath,
                               const AppSettings& settings);
};
