#include "formats/TagSearch.h"

#include "services/text/Utf8String.h"

#include <algorithm>

namespace
{

constexpr auto npos = std::string::npos;
constexpr std::string_view kCommentOpen = "<!--";
constexpr std::string_view kCommentClose = "-->";

} // namespace

TagSearch::TagSearch(const std::string& text) : m_lower(utf8::ToLower(text))
{
    for (std::size_t open = utf8::Find(m_lower, kCommentOpen); open != npos;) {
        // From just after "<!": the dashes of the opening may close it too.
        const std::size_t close = utf8::Find(m_lower, kCommentClose, open + 2);
        if (close == npos) {
            m_comments.push_back({open, m_lower.size()});
            break;
        }
        const std::size_t end = close + kCommentClose.size();
        m_comments.push_back({open, end});
        open = utf8::Find(m_lower, kCommentOpen, end);
    }
}

const TagSearch::Span* TagSearch::CommentAt(std::size_t pos) const
{
    auto after = std::upper_bound(m_comments.begin(), m_comments.end(), pos,
                                  [](std::size_t p, const Span& s) { return p < s.begin; });
    if (after == m_comments.begin())
        return nullptr;
    const Span& span = *(after - 1);
    return pos < span.end ? &span : nullptr;
}

std::size_t TagSearch::Find(std::string_view lowerPattern, std::size_t from) const
{
    for (std::size_t pos = utf8::Find(m_lower, lowerPattern, from); pos != npos;) {
        const Span* comment = CommentAt(pos);
        if (!comment)
            return pos;
        pos = comment->end < m_lower.size() ? utf8::Find(m_lower, lowerPattern, comment->end) : npos;
    }
    return npos;
}

std::size_t TagSearch::FindChar(char c, std::size_t from) const
{
    return utf8::FindChar(m_lower, c, from);
}

bool TagSearch::InComment(std::size_t pos) const
{
    const Span* comment = CommentAt(pos);
    return comment && pos > comment->begin;
}

bool TagSearch::CutsComment(std::size_t begin, std::size_t end) const
{
    auto first = std::upper_bound(m_comments.begin(), m_comments.end(), begin,
                                  [](std::size_t p, const Span& s) { return p < s.end; });
    for (auto it = first; it != m_comments.end() && it->begin < end; ++it) {
        if (it->begin < begin || it->end > end)
            return true;
    }
    return false;
}
