#include "services/text/Utf8String.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

// The program's text is UTF-8: no byte of a character beyond ASCII is
// ASCII, so the separators, quotes and markup a search looks for are never
// found inside another character.
TEST(Utf8String, AsciiIsNeverFoundInsideOtherCharacters)
{
    // Characters whose Shift-JIS trail bytes are '\', '/', '"', '<', '=' and
    // '>' (表 ソ ｢ 圭 ..): in UTF-8 none of their bytes is ASCII.
    const std::string text = "表ソ図円こ😀";
    for (char c : std::string("\\/#\"=><@[]{}|"))
        EXPECT_EQ(utf8::FindChar(text, c), std::string::npos) << c;
    const std::string path = "/home/José/表/中文目录/naïve😀.png";
    EXPECT_EQ(utf8::ReverseFindChar(path, '/'), path.rfind('/'));
    EXPECT_EQ(utf8::Split(path, '/'), (std::vector<std::string>{"", "home", "José", "表", "中文目录", "naïve😀.png"}));
    std::string replaced = path;
    EXPECT_EQ(utf8::Replace(replaced, "/", "\\"), 5u);
    EXPECT_EQ(replaced, "\\home\\José\\表\\中文目录\\naïve😀.png");
    EXPECT_EQ(utf8::Replace(replaced, "", "x"), 0u);
    EXPECT_EQ(utf8::Split("", ',').size(), 1u);
}

TEST(Utf8String, CaseMappingIsAsciiOnly)
{
    EXPECT_EQ(utf8::ToUpper("area Shape=Ärger é ß ｔｉｔｌｅ"), "AREA SHAPE=ÄRGER é ß ｔｉｔｌｅ");
    EXPECT_EQ(utf8::ToLower("<TITLE>ÉCOLE Ω</TITLE>"), "<title>École Ω</title>");
}

TEST(Utf8String, CharacterLengthsAndCuts)
{
    const struct {
        std::string text;
        std::size_t length;
    } rows[] = {
        {"a", 1}, {"é", 2}, {"地", 3}, {"😀", 4}, {"\xE5\x9C", 1}, {"\x80", 1}, {"\xC3(", 1}, {"\xF8\x88\x80\x80", 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(utf8::CharLength(row.text, 0), row.length) << row.text;
    EXPECT_EQ(utf8::PrefixOfAtMost("a地😀", 3), "a");
    EXPECT_EQ(utf8::PrefixOfAtMost("a地😀", 4), "a地");
    EXPECT_EQ(utf8::PrefixOfAtMost("a地😀", 7), "a地");
    EXPECT_EQ(utf8::PrefixOfAtMost("a地😀", 8), "a地😀");
    EXPECT_TRUE(utf8::IsAscii("plain text, long enough for a block or two"));
    EXPECT_FALSE(utf8::IsAscii("plain text, long enough for a block or two é"));
}

// Walking a random text of any characters character by character lands on
// every boundary a decoder of whole characters gives, and the searches agree
// with a search that steps over whole characters.
TEST(Utf8String, WalksAgreeWithAWalkOverWholeCharacters)
{
    const std::vector<std::string> pieces = {"a", "/", "<", "\"", "é", "地", "😀", "表", " ", "\\", "ß", "\u3000"};
    std::mt19937 random(29);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        std::vector<std::size_t> boundaries;
        for (int n = std::uniform_int_distribution<int>(0, 40)(random); n > 0; --n) {
            boundaries.push_back(text.size());
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        }
        std::vector<std::size_t> walked;
        for (std::size_t i = 0; i < text.size(); i += utf8::CharLength(text, i))
            walked.push_back(i);
        ASSERT_EQ(walked, boundaries) << text;
        for (char c : std::string("/<\"\\")) {
            std::size_t slow = std::string::npos;
            for (std::size_t i : boundaries) {
                if (text[i] == c) {
                    slow = i;
                    break;
                }
            }
            EXPECT_EQ(utf8::FindChar(text, c), slow) << text;
        }
    }
}
