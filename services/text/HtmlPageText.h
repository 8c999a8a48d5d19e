#pragma once
// How the program reads the bytes of an HTML page into its text (UTF-8):
// the one rule behind opening HTML files, the command-line tool and the
// titles of the file preview.
//
// A chosen encoding is used as it is. The automatic choice goes by, in order:
// a byte-order mark; a charset the page declares in a <meta> tag within its
// first few kilobytes; the bytes being valid UTF-8 holding multi-byte
// characters (Shift-JIS and EUC-JP text practically never is), or nearly so,
// a few stray bytes among many characters of UTF-8; and last the codec's own
// detection. Every character of the Japanese encodings, UTF-8, UTF-16 and
// windows-1252 comes in as itself. A declared charset the program has no
// tables for (Korean, Chinese, the other single-byte code pages) keeps its
// ASCII, and its other characters become U+FFFD, as do the sequences of any
// encoding that form no character (one U+FFFD each, as browsers read them);
// the caller learns how many and where the first stood.

#include "services/text/TextCodec.h"

#include <cstddef>
#include <string>

struct PageText {
    std::string text;                  // UTF-8, up to the first NUL
    int encoding = 1;                  // the TextEncoding the page was read as, or kForeignCharset
    std::size_t replaced = 0;          // characters that became U+FFFD
    std::size_t firstReplacedLine = 0; // 1-based line of the first of them; 0 when none
};

// The page declared a charset with no TextEncoding code.
inline constexpr int kForeignCharset = -1;

// How a page's bytes are read: one of the codec's encodings, JIS's older
// kin with ESC K / ESC H, or a declared charset without tables by its kind.
enum class PageCoding {
    ShiftJis,
    Jis,
    NecKanji, // reported as JIS
    EucJp,
    Utf8,
    Utf16Le,
    Utf16Be,
    Western,           // windows-1252 and its kin
    ForeignDoubleByte, // Korean and Chinese two-byte codes: a lead byte takes its trail
    ForeignSingleByte, // the other single-byte code pages
};

// `encoding` is a TextEncoding code; 0, 5 and any unknown code choose
// automatically.
PageText DecodeHtmlPage(const std::string& bytes, int encoding);

// The coding DecodeHtmlPage reads a page in, found without decoding the page.
PageCoding ChoosePageCoding(const std::string& bytes, int encoding);
// The TextEncoding code a coding is reported as, or kForeignCharset.
int EncodingOf(PageCoding coding);
// Bytes in a known coding: a whole page, or a piece of one that begins on a
// character (for JIS, in a single-byte state). A piece of a UTF-16 page
// begins on a unit.
PageText DecodePageBytes(const std::string& bytes, PageCoding coding);
