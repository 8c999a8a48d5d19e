#pragma once
// Finds the openings of tags in HTML text (UTF-8), ignoring case and
// passing over comments: markup inside "<!-- ... -->" was switched off by the
// page's author, and browsers ignore it. A comment ends at the first "-->"
// after its "<!--" (so "<!-->" is an empty one, as browsers read it); one
// without an end runs to the end of the text. The text is lower-cased and its
// comments found once, so a page of any size is searched in one pass per name.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TagSearch
{
public:
    explicit TagSearch(const std::string& text);

    // The first `lowerPattern` at or after `from` outside comments; npos
    // when there is none.
    std::size_t Find(std::string_view lowerPattern, std::size_t from) const;
    // The first `c` at or after `from`, comments or not (the end of a tag).
    std::size_t FindChar(char c, std::size_t from) const;
    // Whether `pos` lies inside a comment (past its "<!" opening).
    bool InComment(std::size_t pos) const;
    // Whether [begin, end) holds a comment's start or its end but not both,
    // so that taking the span out would switch text outside it on or off.
    bool CutsComment(std::size_t begin, std::size_t end) const;

private:
    struct Span {
        std::size_t begin, end; // [begin, end)
    };
    // The comment that holds `pos`, or none.
    const Span* CommentAt(std::size_t pos) const;

    std::string m_lower;
    std::vector<Span> m_comments; // in text order, apart
};
