#include "formats/StartTag.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// name=value pairs of a tag, as "name[=value]" with the quote kept, for comparing.
std::string Listed(const std::string& markup, const StartTag& tag)
{
    std::string out;
    for (const TagAttribute& a : tag.Attributes()) {
        out += (out.empty() ? "" : " ") + markup.substr(a.nameBegin, a.nameEnd - a.nameBegin);
        if (a.hasValue)
            out += "=" + std::string(a.quote ? 1 : 0, a.quote) +
                   markup.substr(a.valueBegin, a.valueEnd - a.valueBegin) + std::string(a.quote ? 1 : 0, a.quote);
    }
    return out;
}

} // namespace

TEST(StartTag, AttributesAsBrowsersReadThem)
{
    struct Row {
        std::string markup, attributes;
        std::size_t end;
        bool selfClosing;
    };
    const Row rows[] = {
        {"<img src=a.png alt=\"x > y\" ismap>", "src=a.png alt=\"x > y\" ismap", 33, false},
        {"<IMG SRC = 'a' height=\"1\"usemap=\"#m\"/>", "SRC='a' height=\"1\" usemap=\"#m\"", 38, true},
        {"<img\n  alt=''\n  src=a/ >", "alt='' src=a/", 24, false},
        {"<img alt=\"x\"\xA0src=y>", "alt=\"x\" src=y", 19, false}, // an ideographic space between
        {"<img alt=x\xA0y>", "alt=x\xA0y", 13, false},              // and within a value
        {"<area>", "", 6, false},
    };
    for (const Row& r : rows) {
        const std::string lower = r.markup.compare(0, 5, "<area") == 0 ? "area" : "img";
        const auto tag = StartTag::Read(r.markup, 0, lower, r.markup.size());
        ASSERT_TRUE(tag) << r.markup;
        EXPECT_EQ(Listed(r.markup, *tag), r.attributes) << r.markup;
        EXPECT_EQ(tag->End(), r.end) << r.markup;
        EXPECT_EQ(tag->SelfClosing(), r.selfClosing) << r.markup;
        EXPECT_FALSE(tag->Broken()) << r.markup;
    }
    EXPECT_FALSE(StartTag::Read("<image src=a>", 0, "img", 13));
    EXPECT_FALSE(StartTag::Read("<img src=a", 0, "img", 10)); // no end
    const std::string open = "<img alt=\"x> <p>";
    const auto broken = StartTag::Read(open, 0, "img", open.size());
    ASSERT_TRUE(broken);
    EXPECT_TRUE(broken->Broken());
    EXPECT_EQ(broken->End(), 12u); // the first '>', as the reader cuts it
    EXPECT_EQ(broken->Attributes().size(), 0u);
}

TEST(StartTag, FindingInsertingAndRemoving)
{
    const std::string markup = "<img SRC=a.png\n  width=1 HEIGHT=2 alt=\"x\"usemap=#m border=0>";
    const auto tag = StartTag::Read(markup, 0, "img", markup.size());
    ASSERT_TRUE(tag);
    ASSERT_TRUE(tag->Find("height"));
    EXPECT_EQ(tag->Find("height")->nameBegin, markup.find("HEIGHT"));
    EXPECT_FALSE(tag->Find("hspace"));
    EXPECT_EQ(tag->InsertionPoint(), markup.size() - 1);
    auto removed = [&](std::vector<bool> which) {
        std::string out = markup;
        const auto spans = tag->Removals(which);
        for (auto it = spans.rbegin(); it != spans.rend(); ++it)
            out.replace(it->begin, it->end - it->begin, it->blank ? " " : "");
        return out;
    };
    // A run goes with the blanks after it: the next attribute takes its place.
    EXPECT_EQ(removed({false, true, true}), "<img SRC=a.png\n  alt=\"x\"usemap=#m border=0>");
    // The last one goes with the blanks before it.
    EXPECT_EQ(removed({false, false, false, false, false, true}),
              "<img SRC=a.png\n  width=1 HEIGHT=2 alt=\"x\"usemap=#m>");
    // One joined to the attribute before it leaves a blank between that one and the next.
    EXPECT_EQ(removed({false, false, false, false, true}), "<img SRC=a.png\n  width=1 HEIGHT=2 alt=\"x\" border=0>");
}
