#include "services/SjisString.h"

namespace sjis {

std::size_t Find(std::string_view s, std::string_view pattern, std::size_t from)
{
    if (pattern.empty())
        return from <= s.size() ? from : std::string_view::npos;
    for (std::size_t i = from; i < s.size(); i += CharLength(s, i)) {
        if (s.compare(i, pattern.size(), pattern) == 0)
            return i;
    }
    return std::string_view::npos;
}

std::size_t FindChar(std::string_view s, char c, std::size_t from)
{
    for (std::size_t i = from; i < s.size(); i += CharLength(s, i)) {
        if (s[i] == c)
            return i;
    }
    return std::string_view::npos;
}

std::size_t ReverseFindChar(std::string_view s, char c)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
        if (s[i] == c)
            found = i;
    }
    return found;
}

std::size_t Replace(std::string& s, std::string_view from, std::string_view to)
{
    if (from.empty())
        return 0;
    std::string out;
    out.reserve(s.size());
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
            ++count;
        } else {
            std::size_t n = CharLength(s, i);
            out.append(s, i, n);
            i += n;
        }
    }
    if (count)
        s = std::move(out);
    return count;
}

std::vector<std::string> Split(std::string_view s, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
        if (s[i] == separator) {
            parts.emplace_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.emplace_back(s.substr(start));
    return parts;
}

static void MapCase(std::string& s, bool lower)
{
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = CharLength(s, i);
        if (n == 1) {
            char& c = s[i];
            if (lower && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            else if (!lower && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        i += n;
    }
}

void MakeLower(std::string& s) { MapCase(s, true); }
void MakeUpper(std::string& s) { MapCase(s, false); }

std::string ToLower(std::string_view s)
{
    std::string out(s);
    MakeLower(out);
    return out;
}

std::string ToUpper(std::string_view s)
{
    std::string out(s);
    MakeUpper(out);
    return out;
}

}  // namespace sjis
