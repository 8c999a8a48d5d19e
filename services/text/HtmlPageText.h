#pragma once
// How the program reads the bytes of an HTML page into its Shift-JIS text:
// the one rule behind opening HTML files, the command-line tool and the
// titles of the file preview.
//
// A chosen encoding is used as it is. The automatic choice goes by, in order:
// a byte-order mark; a charset the page declares in a <meta> tag within its
// first few kilobytes; the bytes being valid UTF-8 holding multi-byte
// characters (Shift-JIS and EUC-JP text practically never is); and last the
// codec's own detection. A declared charset the program has no tables for
// (Korean, Chinese, the other single-byte code pages) keeps its ASCII, and
// its other characters become '?'. Everything the program's Shift-JIS cannot
// hold becomes '?', and the caller learns how many and where the first stood.

#include "services/text/TextCodec.h"

#include <cstddef>
#include <string>

struct PageText {
    std::string text;                  // Shift-JIS, up to the first NUL
    int encoding = 1;                  // the TextEncoding the page was read as, or kForeignCharset
    std::size_t replaced = 0;          // characters that became '?'
    std::size_t firstReplacedLine = 0; // 1-based line of the first of them; 0 when none
};

// The page declared a charset with no TextEncoding code.
inline constexpr int kForeignCharset = -1;

// `encoding` is a TextEncoding code; 0, 5 and any unknown code choose
// automatically.
PageText DecodeHtmlPage(const std::string& bytes, int encoding);
