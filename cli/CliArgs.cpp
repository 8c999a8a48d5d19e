#include "cli/CliArgs.h"

#include <cctype>
#include <charconv>
#include <sstream>

CliArgs::CliArgs(const std::vector<std::string>& args, const std::set<std::string>& valued,
                 const std::set<std::string>& flags)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // A negative number is a value (a point left of a picture, say), not an option.
        const bool negative = a.size() > 1 && a[0] == '-' && std::isdigit(static_cast<unsigned char>(a[1]));
        if (a.size() > 1 && a[0] == '-' && a != "-" && !negative) {
            if (flags.count(a)) {
                m_values[a] = "";
            } else if (valued.count(a)) {
                if (i + 1 >= args.size()) {
                    Fail("option " + a + " needs a value");
                    return;
                }
                m_values[a] = args[++i];
            } else {
                Fail("unknown option '" + a + "'");
                return;
            }
        } else {
            m_positional.push_back(a);
        }
    }
}

std::optional<std::string> CliArgs::Value(const std::string& name) const
{
    auto it = m_values.find(name);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

std::optional<int> CliArgs::Int(const std::string& name, int low, int high)
{
    auto text = Value(name);
    if (!text)
        return std::nullopt;
    int v = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec != std::errc() || end != text->data() + text->size() || v < low || v > high) {
        Fail(name + " takes a number from " + std::to_string(low) + " to " + std::to_string(high));
        return std::nullopt;
    }
    return v;
}

std::optional<double> CliArgs::Number(const std::string& name, double low, double high)
{
    auto text = Value(name);
    if (!text)
        return std::nullopt;
    double v = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), v, std::chars_format::fixed);
    if (ec != std::errc() || end != text->data() + text->size() || !(v >= low && v <= high)) {
        std::ostringstream range;
        range << name << " takes a number from " << low << " to " << high;
        Fail(range.str());
        return std::nullopt;
    }
    return v;
}
