#include "formats/TagScanner.h"

#include "services/text/Utf8String.h"

namespace
{

constexpr auto npos = std::string::npos;
const std::string_view kWideSpace = "\xE3\x80\x80"; // U+3000, taken for a blank

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `text` at `at` holds `lower` in any case. Names are ASCII, and
// no byte of another character is ASCII, so a byte-wise match is exact.
bool StartsWithLower(const std::string& text, std::size_t at, const std::string& lower)
{
    if (text.size() - at < lower.size())
        return false;
    for (std::size_t k = 0; k < lower.size(); ++k) {
        if (AsciiLower(text[at + k]) != lower[k] || static_cast<unsigned char>(lower[k]) >= 0x80)
            return false;
    }
    return true;
}

bool AllBlank(const std::string& s, std::size_t begin, std::size_t end)
{
    for (std::size_t i = begin; i < end; ++i) {
        if (!IsBlank(s[i]))
            return false;
    }
    return true;
}

// Runs of blanks become one, outside quoted values: a value keeps its own.
void CollapseBlankRuns(std::string& tag)
{
    std::string out;
    out.reserve(tag.size());
    char quote = 0;
    for (char c : tag) {
        if (quote) {
            out.push_back(c);
            if (c == quote)
                quote = 0;
            continue;
        }
        if ((c == '"' || c == '\'') && TagScanner::OpensQuotedValue(out))
            quote = c;
        if (c == ' ' && !out.empty() && out.back() == ' ')
            continue;
        out.push_back(c);
    }
    tag.swap(out);
}

} // namespace

bool TagScanner::OpensQuotedValue(const std::string& before)
{
    std::size_t end = before.size();
    while (end > 0 && IsBlank(before[end - 1]))
        --end;
    return end > 0 && before[end - 1] == '=';
}

long TagScanner::FindAttribute(const std::string& name) const
{
    if (name.empty())
        return -1;
    const std::string wanted = utf8::ToLower(name);
    const std::string& tag = m_tag;
    std::size_t previous = npos; // start of the character before i
    for (std::size_t i = 0; i < tag.size(); previous = i, i += utf8::CharLength(tag, i)) {
        if (previous == npos || !StartsWithLower(tag, i, wanted))
            continue;
        char before = tag[previous];
        bool delimited = (i - previous == 1 && (IsBlank(before) || before == '"' || before == '\'')) ||
                         tag.compare(previous, kWideSpace.size(), kWideSpace) == 0;
        std::size_t after = i + wanted.size();
        bool followed = after < tag.size() && (tag[after] == ' ' || tag[after] == '=' ||
                                               tag.compare(after, kWideSpace.size(), kWideSpace) == 0);
        if (delimited && followed)
            return static_cast<long>(i);
    }
    return -1;
}

AttributeRead TagScanner::GetAttribute(const std::string& name, bool strict) const
{
    AttributeRead r;
    long found = FindAttribute(name);
    if (found < 0)
        return r;
    r.namePos = static_cast<std::size_t>(found);
    r.status = AttributeRead::Malformed;
    const std::size_t nameEnd = r.namePos + name.size();
    const std::size_t eq = utf8::FindChar(m_tag, '=', nameEnd);
    if (eq == npos || !AllBlank(m_tag, nameEnd, eq))
        return r;
    const std::size_t dq = utf8::FindChar(m_tag, '"', eq + 1);
    const std::size_t sq = utf8::FindChar(m_tag, '\'', eq + 1);
    const std::size_t open = std::min(dq, sq);
    const std::size_t last = m_tag.empty() ? 0 : m_tag.size() - 1;
    if (open == npos || !AllBlank(m_tag, eq + 1, open)) {
        std::size_t begin = eq + 1;
        while (begin < m_tag.size() && IsBlank(m_tag[begin]))
            ++begin;
        std::size_t end = begin;
        while (end < last && !IsBlank(m_tag[end]))
            end += utf8::CharLength(m_tag, end);
        end = std::max(begin, std::min(end, last));
        r.value = m_tag.substr(begin, end - begin);
        r.endPos = end;
        r.status = AttributeRead::Read;
        return r;
    }
    const std::size_t close = utf8::FindChar(m_tag, m_tag[open], open + 1);
    if (close == npos)
        return r;
    if (strict) {
        std::size_t nextEq = utf8::FindChar(m_tag, '=', eq + 1);
        if (close > (nextEq == npos ? last : nextEq))
            return r;
    }
    r.value = m_tag.substr(open + 1, close - open - 1);
    r.endPos = close + 1;
    r.status = AttributeRead::Read;
    return r;
}

void TagScanner::RemoveSpan(std::size_t begin, std::size_t end)
{
    m_tag.erase(begin, end - begin);
    CollapseBlankRuns(m_tag);
    if (m_tag.size() >= 2 && m_tag[m_tag.size() - 2] == ' ')
        m_tag.erase(m_tag.size() - 2, 1);
}

AttributeRead TagScanner::ExtractAttribute(const std::string& name, bool strict)
{
    AttributeRead r = GetAttribute(name, strict);
    if (r.status == AttributeRead::Read)
        RemoveSpan(r.namePos, r.endPos);
    return r;
}

bool TagScanner::RemoveFlagAttribute(const std::string& name)
{
    std::size_t at = utf8::Find(m_tag, name);
    if (at == npos)
        at = utf8::Find(m_tag, utf8::ToLower(name));
    if (at == npos)
        return false;
    RemoveSpan(at, at + name.size());
    return true;
}
