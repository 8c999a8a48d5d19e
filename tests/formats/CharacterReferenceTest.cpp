#include "formats/CharacterReference.h"

#include <gtest/gtest.h>

TEST(CharacterReference, ReadAsBrowsersReadThem)
{
    const struct {
        const char* what;
        std::string text, read;
    } rows[] = {
        {"decimal and hexadecimal, as the writer writes them", "na&#239;ve &#x1F600;.png", "naïve 😀.png"},
        {"hexadecimal in capitals", "&#XE9;&#xe9;", "éé"},
        {"a number without its ';'", "&#233x", "éx"},
        {"a name of HTML 4", "caf&eacute; &copy;", "café ©"},
        {"a name of XML", "a&amp;b &lt;&gt;&quot;&apos;", "a&b <>\"'"},
        {"a name without its ';' stays", "&eacute", "&eacute"},
        {"a name nobody gave stays", "&bogus; &", "&bogus; &"},
        {"no digits", "&#; &#x;", "&#; &#x;"},
        {"zero, a surrogate and numbers past Unicode", "&#0;&#xD800;&#x110000;&#99999999999;",
         "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"windows-1252's characters for the C1 numbers", "&#150;&#x80;&#129;", "\u2013\u20AC\u0081"},
        {"an ampersand that begins none", "a&b.png", "a&b.png"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(charref::Decode(row.text), row.read) << row.what;
}

// A file's name written with EscapeAmpersands reads back as the name.
TEST(CharacterReference, AmpersandsThatWouldBeginAReferenceAreEscaped)
{
    const struct {
        std::string name, written;
    } rows[] = {
        {"a&b.png", "a&b.png"},
        {"sp ace&amp;#x/p.png", "sp ace&amp;amp;#x/p.png"},
        {"x&#233;.html", "x&amp;#233;.html"},
        {"&copy;&copy", "&amp;copy;&copy"},
        {"plain", "plain"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(charref::EscapeAmpersands(row.name), row.written) << row.name;
        EXPECT_EQ(charref::Decode(row.written), row.name) << row.name;
    }
}
