#include "services/paths/PathUtil.h"

#include <gtest/gtest.h>

using namespace paths;

namespace
{
struct RelativeRowPlain {
    char sep;
    const char* path;
    const char* expected;
};
constexpr char W = '\\'; // the Windows style
constexpr char U = '/';  // this platform's style
// "表" ends in 0x5C, the backslash, in Shift-JIS; no byte of it is ASCII in
// the program's UTF-8, nor of the other names.
const std::string kHyo = "表";
const std::string kWorld[] = {"表", "Café", "José's maps", "中文目录", "naïve😀", "지도"};
} // namespace

TEST(PathUtil, FileNameOf)
{
    EXPECT_EQ(FileNameOf("C:\\site\\img\\a.png", W), "a.png");
    EXPECT_EQ(FileNameOf("/site/img/a.png", U), "a.png");
    EXPECT_EQ(FileNameOf("", W), "");
    EXPECT_EQ(FileNameOf("a.png", W), "a.png");
    // Backslash at index 0 or 1, or as the last character: the whole path.
    EXPECT_EQ(FileNameOf("\\a.png", W), "\\a.png");
    EXPECT_EQ(FileNameOf("C\\a.png", W), "C\\a.png");
    EXPECT_EQ(FileNameOf("C:\\dir\\", W), "C:\\dir\\");
    EXPECT_EQ(FileNameOf("/site/dir/", U), "/site/dir/");
    // The drive and server rule is the backslash style's: a file in "/" is
    // named like any other.
    EXPECT_EQ(FileNameOf("/a.png", U), "a.png");
    EXPECT_EQ(FileNameOf("/", U), "/");
    for (const std::string& name : kWorld) {
        EXPECT_EQ(FileNameOf("C:\\x\\" + name + ".png", W), name + ".png");
        EXPECT_EQ(FileNameOf("/x/" + name + "/" + name + ".png", U), name + ".png");
    }
}

// Regression: a '/' inside an anchor was taken for a folder break, so
// "b.html#x/y" was written as "y".
TEST(PathUtil, FileNameOfKeepsAnchorsWithSlashes)
{
    const RelativeRowPlain rows[] = {
        {U, "/web/app.html#/about", "app.html#/about"},
        {U, "/web/b.html#x/y", "b.html#x/y"},
        {U, "/web/index.html#/top", "index.html#/top"},
        {U, "/web/sub/#/a", "/web/sub/#/a"}, // no file name before the anchor
        {W, "C:\\web\\app.html#/about", "app.html#/about"},
        {W, "C:\\web\\b.html#x/y", "b.html#x/y"},
        {W, "C:\\we#b\\index.html", "index.html"}, // a backslash after '#': a folder name
    };
    for (const auto& r : rows)
        EXPECT_EQ(FileNameOf(r.path, r.sep), r.expected) << r.path;
}

TEST(PathUtil, DirectoryOf)
{
    EXPECT_EQ(DirectoryOf("C:\\web\\index.html", W),
              std::make_pair(std::string("C:\\web\\"), std::string("index.html")));
    EXPECT_EQ(DirectoryOf("/web/", U), std::make_pair(std::string("/web/"), std::string()));
    EXPECT_EQ(DirectoryOf("index.html", U), std::make_pair(std::string(), std::string("index.html")));
    EXPECT_EQ(DirectoryOf("C:\\" + kHyo, W).second, kHyo);
}

TEST(PathUtil, IsAbsolutePath)
{
    EXPECT_TRUE(IsAbsolutePath(""));
    EXPECT_TRUE(IsAbsolutePath("C:\\a"));
    EXPECT_TRUE(IsAbsolutePath("/usr/a"));
    EXPECT_TRUE(IsAbsolutePath("\\\\server\\share"));
    EXPECT_TRUE(IsAbsolutePath("http://example.com/a.html"));
    EXPECT_TRUE(IsAbsolutePath("  mailto:x@y"));
    EXPECT_FALSE(IsAbsolutePath("a b:c"));
    EXPECT_FALSE(IsAbsolutePath("a\u3000b:c")); // full-width space before the colon
    EXPECT_FALSE(IsAbsolutePath(":abc"));       // colon at index 0
    EXPECT_FALSE(IsAbsolutePath("ab:"));        // colon as the last character
    EXPECT_FALSE(IsAbsolutePath("sub/a.html"));
    EXPECT_FALSE(IsAbsolutePath("#top"));
}

TEST(PathUtil, IsUrlReference)
{
    EXPECT_TRUE(IsUrlReference("http://x/a.png"));
    EXPECT_TRUE(IsUrlReference("//cdn.example.com/a.png"));
    EXPECT_TRUE(IsUrlReference("mailto:a@b"));
    EXPECT_FALSE(IsUrlReference("C:\\a.png"));
    EXPECT_FALSE(IsUrlReference("/img/a.png"));
    EXPECT_FALSE(IsUrlReference("a.png"));
}

TEST(PathUtil, SplitAnchorAndInPageAnchor)
{
    std::string ref = "C:\\web\\index.html#top";
    EXPECT_EQ(SplitAnchor(ref, W), "#top");
    EXPECT_EQ(ref, "C:\\web\\index.html");
    std::string before = "C:\\we#b\\index.html";
    EXPECT_EQ(SplitAnchor(before, W), "");
    EXPECT_EQ(before, "C:\\we#b\\index.html");
    std::string none = "/web/a.html";
    EXPECT_EQ(SplitAnchor(none, U), "");
    // Regression: the fragment is everything from the first '#', '/' included.
    for (char sep : {U, W}) {
        std::string spa = sep == U ? "/web/app.html#/about" : "C:\\web\\app.html#/about";
        EXPECT_EQ(SplitAnchor(spa, sep), "#/about");
        EXPECT_EQ(spa, sep == U ? "/web/app.html" : "C:\\web\\app.html");
        std::string nested = "b.html#x/y";
        EXPECT_EQ(SplitAnchor(nested, sep), "#x/y");
        EXPECT_EQ(nested, "b.html");
    }
    EXPECT_EQ(InPageAnchor("/web/index.html", "/web/index.html#/top", U), "#/top");
    EXPECT_EQ(InPageAnchor("C:\\web\\index.html", "C:\\web\\index.html#/top", W), "#/top");
    // A '#' in a folder the link shares with the document names the folder.
    EXPECT_EQ(InPageAnchor("/dev/C#/index.html", "/dev/C#/index.html#top", U), "#top");
    EXPECT_EQ(InPageAnchor("/web/index.html", "/web/index.html#top", U), "#top");
    EXPECT_EQ(InPageAnchor("/web/index.html", "/web/index.html#", U), "#");
    EXPECT_EQ(InPageAnchor("/web/index.html", "/web/other.html#top", U), "");
    EXPECT_EQ(InPageAnchor("C:\\web\\index.html", "C:\\web\\index.html", W), "");
}

TEST(PathUtil, CountAndReplace)
{
    EXPECT_EQ(CountOccurrences("../../a", "../"), 2);
    EXPECT_EQ(CountOccurrences("aaa", "aa"), 2); // one character past each hit
    std::string s = kHyo + "/x/" + kHyo;
    EXPECT_EQ(ReplaceChar(s, '\\', '/'), 0);
    EXPECT_EQ(ReplaceChar(s, '/', '\\'), 2);
    EXPECT_EQ(s, kHyo + "\\x\\" + kHyo);
}

struct RelativeRow {
    char sep;
    const char* base;
    const char* target;
    const char* expected;
};

TEST(PathUtil, RelativeDirectory)
{
    const RelativeRow rows[] = {
        {W, "C:\\site\\html\\index.html", "C:\\site\\img\\a.png", "../img/"},
        {U, "/site/html/index.html", "/site/img/a.png", "../img/"},
        {W, "C:\\site\\index.html", "C:\\site\\a.png", "./"},
        {U, "/site/index.html", "/site/a.png", "./"},
        {W, "C:\\site\\index.html", "C:\\site\\img\\sub\\a.png", "./img/sub/"},
        {U, "/site/a/b/index.html", "/site/x.png", "../../"},
        {W, "C:\\site\\index.html", "D:\\site\\a.png", ""},         // different drives
        {W, "C:\\Site\\index.html", "C:\\site\\a.png", "../site/"}, // case-sensitive
        {U, "/Site/index.html", "/site/a.png", "../site/"},
        {W, "", "C:\\a.png", ""},
        {W, "index.html", "C:\\a.png", ""},                       // not absolute
        {W, "C:index.html", "C:\\a.png", ""},                     // no segments in the base
        {U, "/index.html", "/a.html", "./"},                      // both in the root folder
        {U, "/web/index.html", "/web/app/x.html#/a/b", "./app/"}, // the anchor's '/' is no folder
        {U, "/dev/C#/index.html", "/dev/C#/img/a.png", "./img/"}, // a shared folder with '#'
    };
    for (const auto& r : rows)
        EXPECT_EQ(RelativeDirectory(r.base, r.target, r.sep), r.expected) << r.base << " -> " << r.target;
    EXPECT_EQ(RelativeDirectory("C:\\" + kHyo + "\\i.html", "C:\\" + kHyo + "\\a.png", W), "./");
}

TEST(PathUtil, ResolveReference)
{
    const RelativeRow rows[] = {
        {W, "C:\\web\\index.html", "sub/a.html", "C:\\web\\sub\\a.html"},
        {U, "/web/index.html", "sub/a.html", "/web/sub/a.html"},
        {W, "C:\\web\\index.html", "#top", "C:\\web\\index.html#top"}, // anchor only
        {U, "/web/index.html", "#top", "/web/index.html#top"},
        {W, "C:\\web\\index.html", "./a.html#x", "C:\\web\\a.html#x"},
        {W, "C:\\web\\html\\index.html", "../img/a.png", "C:\\web\\img\\a.png"},
        {U, "/site/html/index.html", "../img/a.png", "/site/img/a.png"},
        {W, "C:\\a\\index.html", "../../x.html", ""}, // climbing above the base
        {U, "/a/index.html", "../../x.html#k", "#k"},
        {W, "C:\\web\\index.html", "http://x/a.html", ""}, // absolute: nothing to resolve
        {U, "/web/index.html", "/img/a.png", ""},
        {W, "index.html", "a.html#n", "#n"}, // base without a directory
        {W, "C:\\web\\index.html", "", ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ResolveReference(r.target, r.base, r.sep), r.expected) << r.target << " from " << r.base;
    EXPECT_EQ(ResolveReference(kHyo + ".html", "C:\\" + kHyo + "\\i.html", W), "C:\\" + kHyo + "\\" + kHyo + ".html");
}

TEST(PathUtil, ComposeOutputPath)
{
    const std::string doc = "/web/index.html";
    EXPECT_EQ(ComposeOutputPath(doc, "b.html", false, true, true, U), "b.html");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/img/a.png", true, false, true, U), "a.png");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/img/a.png", true, true, true, U), "./img/a.png");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/index.html#top", true, true, true, U), "#top");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/index.html#top", true, true, false, U), "./index.html#top");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/index.html#top", true, false, true, U), "index.html#top");
    EXPECT_EQ(ComposeOutputPath("C:\\web\\index.html", "D:\\x\\a.html", true, true, true, W), "a.html");
    // Regression: anchors holding '/' were cut to what followed the last '/'.
    EXPECT_EQ(ComposeOutputPath(doc, "/web/app.html#/about", true, false, true, U), "app.html#/about");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/app.html#/about", true, true, true, U), "./app.html#/about");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/index.html#/top", true, true, true, U), "#/top");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/index.html#/top", true, false, true, U), "index.html#/top");
    EXPECT_EQ(ComposeOutputPath(doc, "/web/b.html#x/y", true, true, false, U), "./b.html#x/y");
    const std::string winDoc = "C:\\web\\index.html";
    EXPECT_EQ(ComposeOutputPath(winDoc, "C:\\web\\app.html#/about", true, false, true, W), "app.html#/about");
    EXPECT_EQ(ComposeOutputPath(winDoc, "C:\\web\\index.html#/top", true, true, true, W), "#/top");
    EXPECT_EQ(ComposeOutputPath(winDoc, "C:\\web\\b.html#x/y", true, true, false, W), "./b.html#x/y");
    // Regression: a document and a link in "/" gave "/a.html" and ".//a.html".
    EXPECT_EQ(ComposeOutputPath("/index.html", "/a.html", true, false, true, U), "a.html");
    EXPECT_EQ(ComposeOutputPath("/index.html", "/a.html", true, true, true, U), "./a.html");
    EXPECT_EQ(ComposeOutputPath("/index.html", "/img/a.png", true, true, false, U), "./img/a.png");
    // Names of any characters are written readable, not percent-encoded:
    // a page reads them as they stand.
    EXPECT_EQ(ComposeOutputPath("/Café/中文目录/index.html", "/Café/images/naïve 😀.png", true, true, true, U),
              "../images/naïve 😀.png");
    EXPECT_EQ(ComposeOutputPath("/home/José/maps/地図.html", "/home/José/maps/Zürich.html#ñ", true, true, true, U),
              "./Zürich.html#ñ");
    EXPECT_EQ(ResolveReference("../images/naïve.png", "/Café/中文目录/index.html", U), "/Café/images/naïve.png");
    // Folders shared with the document keep a '#' in their names.
    EXPECT_EQ(ComposeOutputPath("/dev/C#/index.html", "/dev/C#/a.html", true, false, true, U), "a.html");
    EXPECT_EQ(ComposeOutputPath("/dev/C#/index.html", "/dev/C#/img/a.png", true, true, false, U), "./img/a.png");
    EXPECT_EQ(ComposeOutputPath("/dev/C#/index.html", "/dev/C#/a.html#/x", true, true, false, U), "./a.html#/x");
    // A URL is never shortened, in any mode.
    EXPECT_EQ(ComposeOutputPath(doc, "http://example.com/img/a.png", true, false, false, U),
              "http://example.com/img/a.png");
    EXPECT_EQ(ComposeOutputPath(doc, "//cdn/img/a.png", true, true, false, U), "//cdn/img/a.png");
}
