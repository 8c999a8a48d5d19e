#pragma once
// Puts a map back into the HTML page it lives in: the page's MAP element of
// the map's name gets the map's areas and every IMG tag using it the map's
// picture attributes, while every other byte of the page stays as it was.
// The page is never decoded and encoded again as a whole: the update works on
// spans of its own bytes (see PageMarkup), and only new text is encoded, into
// the page's encoding and with its line ends.
//
// The rules, in order:
// - Encoding. The page is read in the TextEncoding given, or, for 0 (and any
//   code DecodeHtmlPage takes as automatic), in the one the page reader
//   chooses; the report names it.
// - Finding, as the map reader finds its maps, so that the tags changed are
//   the ones the map was read from: a tag runs from its name to its first
//   '>', and comments are passed over. The map is the first MAP element whose
//   NAME is the name asked for (compared exactly) and that has its "</map>";
//   its IMG tags are all the IMG tags whose USEMAP, with its first '#' taken
//   out, is that name. No such MAP: the update fails with NoSuchMap (IMG tags
//   alone do not count). A MAP without IMG tags is updated all the same.
// - The map's AREA tags are the AREA tags between the MAP's start tag and its
//   "</map>", each with an "</area>" that directly follows it. The map's
//   areas, in the order the writer writes them (the DEFAULT area last, left
//   out when it has no attributes), are lined up with them (see
//   AreaAlignment): tags that already read as their areas stay, areas taken
//   out or added are found as such, and the rest meet in order. Whatever
//   stands between the tags (comments, server code, line breaks) stays.
// - An AREA tag that reads (as the reader reads it) as its area is left as it
//   stands, byte for byte. Otherwise it is changed in place: SHAPE, COORDS,
//   HREF, NOHREF, TARGET and ALT are each set only when the area says
//   something else than the tag, the others and their order untouched. A link
//   counts as the same when it leads to the same file or is written the same;
//   other attributes count as the same when the writer would write them the
//   same (names in the options' letter case); an XHTML end "/>" is no
//   attribute. When the tag's other attributes differ
//   from the area's, or the tag changed in place would not read back as the
//   area, the tag is written anew as the writer writes it (ending "/>" when
//   it did).
// - Surplus AREA tags go, with their "</area>" and, when a tag stands alone
//   on its line, with the whole line. Areas beyond the tags are added after
//   the last AREA tag kept (or before the first when none comes earlier, or
//   after the MAP's start tag when the MAP has none), each on a line of its
//   own with the indentation of the first AREA tag's line (the options'
//   indentation when that tag does not begin its line) and, when the first
//   tag ends "/>", ending so too. The line end is the first one inside the
//   MAP element, else the page's first, else CR LF.
// - IMG tags: SRC, WIDTH, HEIGHT, BORDER, HSPACE, VSPACE, ALIGN and ALT are
//   set as the writer writes them, only where the tag says something else (a
//   SRC naming the same file counts as the same). A value is replaced where
//   it stands, in its own quotes (the other quote when the new value holds
//   that one; a bare value stays bare when the new one needs no quotes). A
//   missing attribute is added after the tag's last attribute, in the
//   writer's order. An attribute whose value is empty in the map is taken out
//   (every repeat of it), as the writer would not write it, unless its value
//   in the page is empty too (alt="" is kept). WIDTH and HEIGHT, which the
//   map takes from its picture, are the exception: empty in the map (the
//   picture could not be read), the page's own stay. Taking out a run of
//   attributes takes the blanks after it when another attribute follows, so
//   that one takes its place on its line; else the blanks before it.
// - Names: attributes kept keep their names as written; added ones and AREA
//   tags written anew follow the options' letter case. The MAP's NAME and the
//   IMG tags' USEMAP change only when the map has another name than the one
//   found (a name asked for that is not the map's own).
// - Characters. The map's texts go into the page in page form: a character
//   the page's encoding cannot hold as a numeric character reference
//   ("&#233;"), which the page reads as that character, and a tag counts as
//   saying what the area says when it does so in page form. Replacing page
//   text that holds characters that could not be read (U+FFFD: a charset
//   without tables, a broken sequence) fails with CannotKeep, since the map
//   would put back U+FFFD. Removing such text is allowed. Text the page's
//   coding cannot hold even so fails with CannotEncode.
// - Tangled: a tag to change whose quote is still open at its first '>' (a
//   browser would end it elsewhere), any IMG tag sharing text with the MAP's
//   start or end tag or an AREA tag, a change that would take out the start or the end of an
//   HTML comment without the rest (one opened inside a tag) or put text
//   inside one, a change beginning or ending amid JIS two-byte text, one
//   right after a stray '<', and one taking a '<' out of an IMG tag or the
//   MAP's start tag: each would change more of the page than the map.
// - Read back. The new page is read again as above, and it must hold the map
//   as it is, so that another update would change nothing; if the page's
//   own text around the map (markup in odd places, a map whose texts hold
//   markup) would make it read otherwise, the update fails with Tangled.
// - Any failure produces nothing.

#include "formats/HtmlOutputOptions.h"
#include "services/text/TextCodec.h"

#include <cstddef>
#include <string>

class CZephyrmapDoc;

enum class PageUpdateStatus {
    Updated,
    NoSuchMap,    // no MAP element of that name outside comments
    CannotEncode, // the page's encoding lacks a character of the map
    CannotKeep,   // page text to be replaced holds characters that could not be read
    Tangled,      // a tag to change is tangled with the rest of the page (see above)
    CannotRead,   // the file functions only, with the system's reason
    CannotBackUp,
    CannotWrite,
};

struct PageUpdateReport {
    int encoding = EncodingAuto; // the TextEncoding the page is read and written in, or kForeignCharset
    int areaTags = 0;            // AREA tags the map has in the page now
    int changedAreaTags = 0;     // of them: changed in place, written anew or added
    int removedAreaTags = 0;     // surplus tags taken out
    int imageTags = 0;           // IMG tags that use the map
    int changedImageTags = 0;    // of them changed
};

struct PageUpdate {
    PageUpdateStatus status = PageUpdateStatus::Updated;
    std::string bytes; // the updated page; empty unless Updated
    PageUpdateReport report;
    std::size_t line = 0; // CannotEncode, CannotKeep, Tangled: the page's line where it happened
    std::string reason;   // the file functions' failures: the system's reason
    bool Ok() const { return status == PageUpdateStatus::Updated; }
};

struct PageUpdateTarget {
    // Where the page lives, an absolute path. Links and the
    // picture are written relative to it, as they must lead from this page,
    // whatever page the map was made for; empty: the map's own HTML document.
    std::string pagePath;
    int encoding = EncodingAuto; // a TextEncoding code
    // The MAP to update; empty: the map's own name.
    std::string mapName;
};

namespace html
{

// The page's bytes with the map put in.
PageUpdate UpdateMapInPage(const std::string& page, const PageUpdateTarget& target, const CZephyrmapDoc& doc,
                           const HtmlOutputOptions& options);

// Reads the page at target.pagePath, puts the map in and saves the result
// atomically at `outputPath`. An empty `outputPath` (or the page's own path)
// updates the page itself, first keeping its old bytes as the page's path
// with "~" added; when nothing changes, neither is written. Nothing is
// written unless the update succeeds.
PageUpdate UpdateMapInPageFile(const PageUpdateTarget& target, const std::string& outputPath, const CZephyrmapDoc& doc,
                               const HtmlOutputOptions& options);

} // namespace html
