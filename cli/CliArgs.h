#pragma once
// A small parser for one subcommand's arguments: flags, options with a
// value, and positional arguments, with a message for the first misuse.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class CliArgs
{
public:
    // `valued` names the options that take a value, `flags` those that do not.
    CliArgs(const std::vector<std::string>& args, const std::set<std::string>& valued,
            const std::set<std::string>& flags);

    bool Ok() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }
    bool Has(const std::string& name) const { return m_values.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const;
    // An integer option within [low, high]; records an error when it is not.
    std::optional<int> Int(const std::string& name, int low, int high);
    // A decimal option within [low, high], the same way.
    std::optional<double> Number(const std::string& name, double low, double high);
    const std::vector<std::string>& Positional() const { return m_positional; }
    void Fail(const std::string& message)
    {
        if (m_error.empty())
            m_error = message;
    }

private:
    std::map<std::string, std::string> m_values;
    std::vector<std::string> m_positional;
    std::string m_error;
};
