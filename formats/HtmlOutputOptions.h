#pragma once
// The writer's view of the HTML output preferences.

#include <functional>
#include <string>

struct AppSettings;

enum class IndentStyle { None, Spaces, Tabs };

struct HtmlOutputOptions {
    bool rectKeywordLong = false;
    bool circKeywordLong = true;
    bool polyKeywordLong = false;
    IndentStyle indentStyle = IndentStyle::Spaces;
    int indentAmount = 2;
    bool lowerCaseTags = false;
    bool keepOtherAttrsCase = false;
    bool srcRelative = false;
    bool hrefRelative = false;
    bool omitInPageFileName = true;
    // Whether the picture path (given with the map's HTML document) names a
    // local file, which is shortened or made relative; anything else (a URL,
    // a root-relative reference read from a page) is written exactly as it
    // stands. Unset: every picture counts as local.
    std::function<bool(const std::string& picture, const std::string& htmlPath)> isLocalFile;

    static HtmlOutputOptions FromSettings(const AppSettings& settings);
};
