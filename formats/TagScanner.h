#pragma once
// Reads and removes the attributes of one HTML tag, leniently: a value may be
// double-quoted, single-quoted or bare; names match without regard to case.
// Works on the program's text (UTF-8).

#include <string>
#include <string_view>

struct AttributeRead {
    enum Status { Read = 0, Absent = -1, Malformed = -2 };
    std::string value;
    int status = Absent;
    std::size_t namePos = 0;
    std::size_t endPos = 0; // one past the attribute's last character
};

class TagScanner
{
public:
    explicit TagScanner(std::string tag) : m_tag(std::move(tag)) {}

    const std::string& Text() const { return m_tag; }
    // Position of the name preceded by a blank or quote and followed by a
    // blank or '='; -1 when absent.
    long FindAttribute(const std::string& name) const;
    // `strict`: a quoted value must close before the next '='.
    AttributeRead GetAttribute(const std::string& name, bool strict) const;
    // Reads the attribute and, when it was read, removes it from the tag.
    AttributeRead ExtractAttribute(const std::string& name, bool strict);
    // Removes a bare flag such as NOHREF, as written or in lower case.
    bool RemoveFlagAttribute(const std::string& name);
    // Whether a quote after `before` opens an attribute's value: an '=' and
    // blanks come before it.
    static bool OpensQuotedValue(const std::string& before);

private:
    void RemoveSpan(std::size_t begin, std::size_t end);

    std::string m_tag;
};
