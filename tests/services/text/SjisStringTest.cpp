#include "services/text/SjisString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

// "表" is 95 5C and "ソ" is 83 5C: their trail byte is a backslash.
static const std::string kHyo = "\x95\x5C";
static const std::string kSo = "\x83\x5C";

TEST(SjisString, LeadBytes)
{
    EXPECT_TRUE(sjis::IsLeadByte(0x81));
    EXPECT_TRUE(sjis::IsLeadByte(0x9F));
    EXPECT_TRUE(sjis::IsLeadByte(0xE0));
    EXPECT_TRUE(sjis::IsLeadByte(0xFC));
    EXPECT_FALSE(sjis::IsLeadByte(0x80));
    EXPECT_FALSE(sjis::IsLeadByte(0xA0));
    EXPECT_FALSE(sjis::IsLeadByte(0xDF));
    EXPECT_FALSE(sjis::IsLeadByte(0xFD));
}

TEST(SjisString, TrailBytesAreNeverTakenForAscii)
{
    // Trail bytes equal to \ / # " = > in turn.
    for (char c : std::string("\\/#\"=>")) {
        std::string s = "a\x81" + std::string(1, c) + "b";
        EXPECT_EQ(sjis::FindChar(s, c), std::string::npos) << c;
        EXPECT_EQ(sjis::ReverseFindChar(s, c), std::string::npos) << c;
        EXPECT_EQ(sjis::Split(s, c).size(), 1u) << c;
    }
    std::string path = "C:\\" + kHyo + "\\x";
    EXPECT_EQ(sjis::ReverseFindChar(path, '\\'), 5u);
    EXPECT_EQ(sjis::FindChar(path, '\\', 3), 5u);
}

TEST(SjisString, FindStepsOverWholeCharacters)
{
    std::string s = kSo + "\\" + kSo;
    EXPECT_EQ(sjis::Find(s, "\\"), 2u);
    EXPECT_EQ(sjis::Find(s, "\\", 3), std::string::npos);
    EXPECT_EQ(sjis::Find("abcabc", "bc", 2), 4u);
    EXPECT_EQ(sjis::Find("abc", "zz"), std::string::npos);
}

TEST(SjisString, ReplaceAndSplit)
{
    std::string s = kHyo + "/a/" + kHyo;
    EXPECT_EQ(sjis::Replace(s, "/", "\\"), 2u);
    EXPECT_EQ(s, kHyo + "\\a\\" + kHyo);
    auto parts = sjis::Split(s, '\\');
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0], kHyo);
    EXPECT_EQ(parts[2], kHyo);
    EXPECT_EQ(sjis::Split("", ',').size(), 1u);
}

TEST(SjisString, CaseMappingLeavesDoubleByteCharactersAlone)
{
    // 82 60 is full-width A, 83 41 is "ア": its trail byte is the letter 'A'.
    std::string s = "aB\x82\x60\x83\x41z";
    EXPECT_EQ(sjis::ToUpper(s), "AB\x82\x60\x83\x41Z");
    EXPECT_EQ(sjis::ToLower(s), "ab\x82\x60\x83\x41z");
}

// The searches skip ahead over ASCII eight bytes at a time; against a plain
// walk over whole characters, on random text with lead bytes, trail bytes
// that look like ASCII, and runs of ASCII around the block size.
namespace
{

std::size_t NaiveFind(std::string_view s, std::string_view pattern, std::size_t from)
{
    for (std::size_t i = from; i < s.size(); i += sjis::CharLength(s, i))
        if (s.substr(i, pattern.size()) == pattern)
            return i;
    return std::string_view::npos;
}

std::string NaiveLower(const std::string& s)
{
    std::string out = s;
    for (std::size_t i = 0; i < out.size(); i += sjis::CharLength(out, i))
        if (sjis::CharLength(out, i) == 1 && out[i] >= 'A' && out[i] <= 'Z')
            out[i] = static_cast<char>(out[i] + 32);
    return out;
}

} // namespace

TEST(SjisString, SearchesAgreeWithAPlainWalk)
{
    std::mt19937 random(7);
    const std::string pieces[] = {"a", "B", "<", "\\", "\x83\x5C", "\x95\\", "\x82\xA0", "\xB1", "AbCdEfGhIj", "\x81"};
    for (int round = 0; round < 2000; ++round) {
        std::string s;
        const int count = static_cast<int>(random() % 24);
        for (int k = 0; k < count; ++k)
            s += pieces[random() % std::size(pieces)];
        std::vector<std::size_t> boundaries;
        for (std::size_t i = 0; i < s.size(); i += sjis::CharLength(s, i))
            boundaries.push_back(i);
        for (const char* pattern : {"\\", "<", "B", "a<", "\x5C\x95"}) {
            for (std::size_t from : boundaries) {
                ASSERT_EQ(sjis::Find(s, pattern, from), NaiveFind(s, pattern, from)) << round;
                if (std::strlen(pattern) == 1)
                    ASSERT_EQ(sjis::FindChar(s, pattern[0], from), NaiveFind(s, pattern, from)) << round;
            }
        }
        ASSERT_EQ(sjis::ToLower(s), NaiveLower(s)) << round;
    }
}
