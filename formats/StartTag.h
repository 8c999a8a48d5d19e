#pragma once
// One start tag of a page's markup (see PageMarkup), read as browsers read
// it: the tag name, then attributes NAME, NAME=value, NAME="value" or
// NAME='value', apart by blanks (or by nothing after a quoted value), up to
// the first '>' outside quoted values, or "/>". An ideographic space between
// attributes separates them too, as the map reader takes it. A quote that does not close
// before the limit given makes the tag end at its first '>', as the map
// reader and writer take it; the tag is then marked broken. Positions are
// those of the markup.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

struct TagAttribute {
    std::size_t nameBegin = 0, nameEnd = 0;
    bool hasValue = false;
    char quote = 0;                           // '"', '\'', or 0 for a bare value or none
    std::size_t valueBegin = 0, valueEnd = 0; // inside the quotes
    std::size_t end = 0;                      // one past the attribute, its closing quote included
};

class StartTag
{
public:
    // The tag whose '<' stands at `open` when its name is `lowerName` (any
    // case) followed by a blank, '/' or '>'; nothing otherwise, or when it
    // has no end before `limit`.
    static std::optional<StartTag> Read(std::string_view markup, std::size_t open, std::string_view lowerName,
                                        std::size_t limit);

    // A tag that could not be read, known only by where it stands: broken,
    // without attributes.
    static StartTag Unread(std::size_t begin, std::size_t end);

    std::size_t Begin() const { return m_begin; }
    std::size_t End() const { return m_end; } // one past its '>'
    bool SelfClosing() const { return m_selfClosing; }
    bool Broken() const { return m_broken; }
    const std::vector<TagAttribute>& Attributes() const { return m_attributes; }
    // The first attribute of that name (any case); nullptr when there is none.
    const TagAttribute* Find(std::string_view lowerName) const;
    bool Is(const TagAttribute& attribute, std::string_view lowerName) const;
    // Where an added attribute goes: just after the last attribute, or after
    // the tag name when there is none.
    std::size_t InsertionPoint() const;
    // The spans that take out the attributes marked (by index): each run of
    // them goes with the blanks after it when another attribute follows, so
    // that one takes the run's place, and the last run with the blanks before
    // it. `blank` says one blank must stand instead, where the run was
    // joined to the attribute before it without one.
    struct Removal {
        std::size_t begin, end;
        bool blank;
    };
    std::vector<Removal> Removals(const std::vector<bool>& removed) const;

    // HTML's white space.
    static bool IsBlank(char c);

private:
    StartTag() = default;
    // Whether the text at `open` begins a tag of that name.
    static bool Opens(std::string_view markup, std::size_t open, std::string_view lowerName);
    // One attribute from `i`; false when a quote does not close before `limit`.
    bool ReadAttribute(std::string_view markup, std::size_t& i, std::size_t limit);

    std::size_t m_begin = 0, m_nameEnd = 0, m_end = 0;
    bool m_selfClosing = false;
    bool m_broken = false;
    std::string_view m_markup;
    std::vector<TagAttribute> m_attributes;
};
