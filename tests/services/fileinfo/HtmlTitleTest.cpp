#include "services/fileinfo/HtmlTitle.h"
#include "services/text/Utf8Bridge.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{

class HtmlTitleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("zm-title-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::string TitleOfFile(const std::string& bytes, bool* opened = nullptr)
    {
        std::string title = "stale";
        const bool ok = htmltitle::ReadHtmlTitle(Write("page.html", bytes), title);
        if (opened)
            *opened = ok;
        return title;
    }

    std::filesystem::path m_dir;
};

} // namespace

TEST_F(HtmlTitleTest, TagsInAnyCase)
{
    EXPECT_EQ(TitleOfFile("<html><head><title>Top</title></head>"), "Top");
    EXPECT_EQ(TitleOfFile("<TITLE> spaced out </Title>"), " spaced out ");
}

TEST_F(HtmlTitleTest, MissingOrMisorderedTagsGiveNoTitle)
{
    bool opened = false;
    EXPECT_EQ(TitleOfFile("<html><body>no title</body></html>", &opened), "");
    EXPECT_TRUE(opened);
    EXPECT_EQ(TitleOfFile("<title>never closed"), "");
    EXPECT_EQ(TitleOfFile("</title> backwards <title>"), "");
}

TEST_F(HtmlTitleTest, OnlyTheFirstFiveHundredBytesAreRead)
{
    EXPECT_EQ(TitleOfFile(std::string(490, ' ') + "<title>Late</title>"), "");
    EXPECT_EQ(TitleOfFile(std::string(500 - 19, ' ') + "<title>Fits</title>"), "Fits");
}

TEST_F(HtmlTitleTest, EncodingsAreDetected)
{
    const std::string text = "<title>地図のページ</title>";
    EXPECT_EQ(TitleOfFile(utf8::Utf8ToSjis(text)), "地図のページ");
    EXPECT_EQ(TitleOfFile("\xEF\xBB\xBF" + text), "地図のページ");
    EXPECT_EQ(TitleOfFile(text), "地図のページ");                    // UTF-8 without a signature
    EXPECT_EQ(TitleOfFile("\xA4\xA2<title>\xA4\xA2</title>"), "あ"); // EUC-JP
    EXPECT_EQ(TitleOfFile("<title>Café 😀 지도</title>"), "Café 😀 지도");
    std::string utf16 = "\xFF\xFE";
    for (char16_t c : utf8::ToUtf16(text)) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    EXPECT_EQ(TitleOfFile(utf16), "地図のページ");
}

// Titles are read by the rule every HTML page is read by: here a declared
// Shift-JIS that the codec's detection alone would take for EUC-JP.
TEST_F(HtmlTitleTest, DeclaredCharsetsCount)
{
    const std::string sjis = "\xE4\xA1\xE8\xB0"; // leads 0xE0..0xEF, trails 0xA1..0xFC: ambiguous
    EXPECT_EQ(TitleOfFile("<meta charset=\"shift_jis\"><title>" + sjis + "</title>"), utf8::SjisToUtf8(sjis));
    EXPECT_NE(TitleOfFile("<title>" + sjis + "</title>"), utf8::SjisToUtf8(sjis));
}

// The 500th byte may cut a UTF-8 character in two.
TEST_F(HtmlTitleTest, UtfEightCutByTheHeadLimitIsStillUtfEight)
{
    std::string page = "<title>地図</title>";
    while (page.size() < 499)
        page += "あ";
    EXPECT_EQ(page.size() % 3, 0u); // ... so byte 500 falls inside a character
    EXPECT_EQ(TitleOfFile(page), "地図");
}

TEST_F(HtmlTitleTest, AFileThatCannotBeReadIsNotOpened)
{
    std::string title = "stale";
    EXPECT_FALSE(htmltitle::ReadHtmlTitle((m_dir / "missing.html").string(), title));
    EXPECT_EQ(title, "");
    EXPECT_FALSE(htmltitle::ReadHtmlTitle(m_dir.string(), title)); // a folder
}

TEST(HtmlTitle, TitleComesFromTheTextNotItsUpperCaseCopy)
{
    EXPECT_EQ(htmltitle::TitleOf("<TiTlE>MiXeD</tItLe>"), "MiXeD");
    // Letters beyond ASCII are not upper-cased: the title is the text's own.
    EXPECT_EQ(htmltitle::TitleOf("<title>表示 café</title>"), "表示 café");
}
