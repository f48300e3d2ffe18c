#pragma once

// The command line of tessera-gen: a command, then options and file names in any order.

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessera::gen {

// What a command accepts: options that take a value and options that stand alone.
struct OptionSpec {
    std::set<std::string> valued;
    std::set<std::string> flags;
};

// A command line that does not fit its command; it ends the tool with the usage text.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A command that cannot produce its output (unreadable or damaged file, option out of range).
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    // "--name VALUE", "--name=VALUE" and "--flag"; everything else is positional. "--lf" is known
    // to every command.
    Arguments(const std::vector<std::string>& words, OptionSpec spec);

    const std::vector<std::string>& positional() const { return m_positional; }
    // The one file name a command takes.
    const std::string& onlyFile() const;
    bool has(const std::string& flag) const { return m_flags.contains(flag); }
    std::optional<std::string> value(const std::string& option) const;
    std::string valueOr(const std::string& option, const std::string& fallback) const;
    // A whole number in [low, high]; anything else is an input error naming the option.
    std::optional<int> number(const std::string& option, int low, int high) const;
    std::string lineEnd() const { return has("--lf") ? "\n" : "\r\n"; }

private:
    std::vector<std::string> m_positional;
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_flags;
};

// The bytes of a file; a missing or unreadable one is an input error.
std::string readFileBytes(const std::string& path);
// The bytes of a text definition file: binary data is an input error too.
std::string readDefinitionBytes(const std::string& path);

// The lines as a page gets them: each followed by the line end.
std::string joinWith(const std::vector<std::string>& lines, const std::string& lineEnd);

} // namespace tessera::gen
