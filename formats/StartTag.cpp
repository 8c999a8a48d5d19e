#include "formats/StartTag.h"

#include "formats/PageMarkup.h"

namespace
{

constexpr auto npos = std::string_view::npos;

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view markup, std::size_t begin, std::size_t end, std::string_view lowerName)
{
    if (end - begin != lowerName.size())
        return false;
    for (std::size_t k = 0; k < lowerName.size(); ++k) {
        if (AsciiLower(markup[begin + k]) != lowerName[k])
            return false;
    }
    return true;
}

// Between attributes the reader also takes an ideographic space for a blank;
// within a value it is a character like any other.
bool Separates(char c)
{
    return StartTag::IsBlank(c) || c == PageMarkup::kWideSpace;
}

bool EndsName(char c)
{
    return Separates(c) || c == '/' || c == '>' || c == '=';
}

} // namespace

bool StartTag::IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

bool StartTag::Opens(std::string_view markup, std::size_t open, std::string_view lowerName)
{
    const std::size_t nameEnd = open + 1 + lowerName.size();
    return nameEnd < markup.size() && markup[open] == '<' && SameName(markup, open + 1, nameEnd, lowerName) &&
           (Separates(markup[nameEnd]) || markup[nameEnd] == '/' || markup[nameEnd] == '>');
}

std::optional<StartTag> StartTag::Read(std::string_view markup, std::size_t open, std::string_view lowerName,
                                       std::size_t limit)
{
    limit = std::min(limit, markup.size());
    const std::size_t nameEnd = open + 1 + lowerName.size();
    if (nameEnd >= limit || !Opens(markup, open, lowerName))
        return std::nullopt;
    StartTag tag;
    tag.m_begin = open;
    tag.m_nameEnd = nameEnd;
    tag.m_markup = markup;
    for (std::size_t i = nameEnd; i < limit;) {
        const char c = markup[i];
        if (Separates(c)) {
            ++i;
        } else if (c == '>') {
            tag.m_end = i + 1;
            return tag;
        } else if (c == '/' && i + 1 < limit && markup[i + 1] == '>') {
            tag.m_selfClosing = true;
            tag.m_end = i + 2;
            return tag;
        } else if (c == '/') {
            ++i;
        } else if (!tag.ReadAttribute(markup, i, limit)) {
            // An open quote: the tag ends at its first '>', as the reader cuts it.
            const std::size_t gt = markup.substr(0, limit).find('>', open);
            if (gt == npos)
                return std::nullopt;
            tag.m_broken = true;
            tag.m_end = gt + 1;
            while (!tag.m_attributes.empty() && tag.m_attributes.back().end > gt)
                tag.m_attributes.pop_back();
            return tag;
        }
    }
    return std::nullopt;
}

StartTag StartTag::Unread(std::size_t begin, std::size_t end)
{
    StartTag tag;
    tag.m_begin = tag.m_nameEnd = begin;
    tag.m_end = end;
    tag.m_broken = true;
    return tag;
}

bool StartTag::ReadAttribute(std::string_view markup, std::size_t& i, std::size_t limit)
{
    TagAttribute a;
    a.nameBegin = i++;
    while (i < limit && !EndsName(markup[i]))
        ++i;
    a.nameEnd = a.end = a.valueBegin = a.valueEnd = i;
    std::size_t j = i;
    while (j < limit && IsBlank(markup[j]))
        ++j;
    if (j < limit && markup[j] == '=') {
        a.hasValue = true;
        ++j;
        while (j < limit && IsBlank(markup[j]))
            ++j;
        if (j < limit && (markup[j] == '"' || markup[j] == '\'')) {
            a.quote = markup[j];
            const std::size_t close = markup.substr(0, limit).find(a.quote, j + 1);
            if (close == npos)
                return false;
            a.valueBegin = j + 1;
            a.valueEnd = close;
            a.end = close + 1;
        } else {
            a.valueBegin = j;
            while (j < limit && !IsBlank(markup[j]) && markup[j] != '>')
                ++j;
            a.valueEnd = a.end = j;
        }
        i = a.end;
    }
    m_attributes.push_back(a);
    return true;
}

const TagAttribute* StartTag::Find(std::string_view lowerName) const
{
    for (const TagAttribute& a : m_attributes) {
        if (Is(a, lowerName))
            return &a;
    }
    return nullptr;
}

bool StartTag::Is(const TagAttribute& attribute, std::string_view lowerName) const
{
    return SameName(m_markup, attribute.nameBegin, attribute.nameEnd, lowerName);
}

std::size_t StartTag::InsertionPoint() const
{
    return m_attributes.empty() ? m_nameEnd : m_attributes.back().end;
}

std::vector<StartTag::Removal> StartTag::Removals(const std::vector<bool>& removed) const
{
    std::vector<Removal> spans;
    const std::size_t n = std::min(removed.size(), m_attributes.size());
    for (std::size_t first = 0; first < n; ++first) {
        if (!removed[first])
            continue;
        std::size_t last = first;
        while (last + 1 < n && removed[last + 1])
            ++last;
        const std::size_t before = first == 0 ? m_nameEnd : m_attributes[first - 1].end;
        if (last + 1 < m_attributes.size()) {
            const std::size_t next = m_attributes[last + 1].nameBegin;
            spans.push_back({m_attributes[first].nameBegin, next, m_attributes[first].nameBegin == before});
        } else {
            spans.push_back({before, m_attributes[last].end, false});
        }
        first = last;
    }
    return spans;
}
