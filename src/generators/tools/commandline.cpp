#include "generators/tools/commandline.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>

namespace tessera::gen {

Arguments::Arguments(const std::vector<std::string>& words, OptionSpec spec)
{
    spec.flags.insert("--lf");
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!word.starts_with("--")) {
            m_positional.push_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (spec.flags.contains(name)) {
            if (equals != std::string::npos)
                throw UsageError(name + " takes no value");
            m_flags.insert(name);
        } else if (spec.valued.contains(name)) {
            if (equals != std::string::npos)
                m_values[name] = word.substr(equals + 1);
            else if (i + 1 < words.size())
                m_values[name] = words[++i];
            else
                throw UsageError(name + " needs a value");
        } else {
            throw UsageError("unknown option " + name);
        }
    }
}

const std::string& Arguments::onlyFile() const
{
    if (m_positional.size() != 1)
        throw UsageError(m_positional.empty() ? "a definition file is needed" : "only one definition file is read");
    return m_positional.front();
}

std::optional<std::string> Arguments::value(const std::string& option) const
{
    const auto found = m_values.find(option);
    return found == m_values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

std::string Arguments::valueOr(const std::string& option, const std::string& fallback) const
{
    return value(option).value_or(fallback);
}

std::optional<int> Arguments::number(const std::string& option, int low, int high) const
{
    const std::optional<std::string> text = value(option);
    if (!text)
        return std::nullopt;
    int result = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, result);
    if (text->empty() || error != std::errc() || stop != end || result < low || result > high)
        throw InputError(option + " must be a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                         ", not \"" + *text + "\"");
    return result;
}

std::string readFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw InputError(path + ": cannot be read: " + std::strerror(errno));
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad())
        throw InputError(path + ": cannot be read: " + std::strerror(errno));
    return std::move(bytes).str();
}

std::string readDefinitionBytes(const std::string& path)
{
    std::string contents = readFileBytes(path);
    if (contents.find('\0') != std::string::npos)
        throw InputError(path + ": holds binary data, not a definition");
    return contents;
}

std::string joinWith(const std::vector<std::string>& lines, const std::string& lineEnd)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + lineEnd;
    return text;
}

} // namespace tessera::gen
