#include "generators/builders/generatorhelpers.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tessera::generators {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= 'A' && upper <= 'F')
        return upper - 'A' + 10;
    return -1;
}

// ASCII only: the texts searched for are tag and attribute names.
char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::optional<int> toInt(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::string colourToHex(Rgb colour)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (int component : {colour.red, colour.green, colour.blue}) {
        const int byte = std::clamp(component, 0, 255);
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

std::optional<Rgb> hexToColour(std::string_view text)
{
    if (text.starts_with('#'))
        text.remove_prefix(1);
    if (text.empty())
        return Rgb {};
    if (text.size() != 6)
        return std::nullopt;
    int components[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigit(text[2 * i]);
        const int low = hexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        components[i] = high * 16 + low;
    }
    return Rgb {components[0], components[1], components[2]};
}

std::string fieldOf(std::string_view line, char delimiter, int index)
{
    if (index < 0)
        return {};
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t next = line.find(delimiter, start);
        if (next == std::string_view::npos)
            return {};
        start = next + 1;
    }
    const std::size_t end = line.find(delimiter, start);
    return std::string(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string wrapInTag(std::string_view tag, std::string_view text)
{
    std::string wrapped;
    wrapped.reserve(text.size() + 2 * tag.size() + 5);
    wrapped.append("<").append(tag).append(">").append(text).append("</").append(tag).append(">");
    return wrapped;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines)
        joined.append(line).append("\r\n");
    return joined;
}

std::size_t findIgnoringCase(std::string_view text, std::string_view wanted, std::size_t from)
{
    if (from > text.size() || wanted.size() > text.size() - from)
        return std::string_view::npos;
    if (wanted.empty())
        return from;
    const char first = lowerAscii(wanted[0]);
    for (std::size_t at = from; at + wanted.size() <= text.size(); ++at) {
        if (lowerAscii(text[at]) != first)
            continue;
        std::size_t matched = 1;
        while (matched < wanted.size() && lowerAscii(text[at + matched]) == lowerAscii(wanted[matched]))
            ++matched;
        if (matched == wanted.size())
            return at;
    }
    return std::string_view::npos;
}

bool containsIgnoringCase(std::string_view text, std::string_view wanted)
{
    return findIgnoringCase(text, wanted) != std::string_view::npos;
}

} // namespace tessera::generators
