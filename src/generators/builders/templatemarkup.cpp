#include "generators/builders/templatemarkup.h"

#include <algorithm>

namespace tessera::generators::markup {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool startsTag(std::string_view text, std::size_t at)
{
    if (at + 1 >= text.size() || text[at] != '<')
        return false;
    const char next = text[at + 1];
    return (next >= 'A' && next <= 'Z') || (next >= 'a' && next <= 'z') || next == '/' || next == '!';
}

// Past the ">" that ends the tag starting at `start`, skipping quoted values; npos when open.
std::size_t tagEnd(std::string_view text, std::size_t start)
{
    char quote = 0;
    for (std::size_t at = start + 1; at < text.size(); ++at) {
        const char c = text[at];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at + 1;
        }
    }
    return std::string_view::npos;
}

std::string nameAt(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && !isBlank(text[end]) && text[end] != '>' && text[end] != '=')
        ++end;
    return upper(text.substr(at, end - at));
}

std::string decoded(std::string_view value)
{
    static constexpr std::string_view entity = "&quot;";
    std::string text;
    for (std::size_t at = 0; at < value.size();) {
        if (value.substr(at, entity.size()) == entity) {
            text += '"';
            at += entity.size();
        } else {
            text += value[at++];
        }
    }
    return text;
}

// Whether every tag of that name the text opens is closed again, and none closed before opening.
bool opensAndClosesEvenly(std::string_view text, std::string_view name)
{
    int depth = 0;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        const bool closing = at + 1 < text.size() && text[at + 1] == '/';
        const std::string found = nameAt(text, at + (closing ? 2 : 1));
        if (found != upper(name))
            continue;
        depth += closing ? -1 : 1;
        if (depth < 0)
            return false;
    }
    return depth == 0;
}

} // namespace

std::vector<Attribute> attributesOf(std::string_view tag)
{
    std::vector<Attribute> attributes;
    std::size_t at = tag.starts_with('<') ? 1 : 0;
    while (at < tag.size() && !isBlank(tag[at]) && tag[at] != '>')
        ++at;
    while (at < tag.size()) {
        while (at < tag.size() && isBlank(tag[at]))
            ++at;
        if (at >= tag.size() || tag[at] == '>')
            break;
        Attribute attribute;
        attribute.name = nameAt(tag, at);
        at += std::max<std::size_t>(1, attribute.name.size());
        while (at < tag.size() && isBlank(tag[at]))
            ++at;
        if (at < tag.size() && tag[at] == '=') {
            ++at;
            while (at < tag.size() && isBlank(tag[at]))
                ++at;
            if (at < tag.size() && (tag[at] == '"' || tag[at] == '\'')) {
                const char quote = tag[at];
                const std::size_t close = tag.find(quote, at + 1);
                const std::size_t end = close == std::string_view::npos ? tag.size() : close;
                attribute.value = std::string(tag.substr(at + 1, end - at - 1));
                at = end + 1;
            } else {
                const std::size_t start = at;
                while (at < tag.size() && !isBlank(tag[at]) && tag[at] != '>')
                    ++at;
                attribute.value = std::string(tag.substr(start, at - start));
            }
        }
        attributes.push_back(std::move(attribute));
    }
    return attributes;
}

std::optional<std::string> attributeValue(std::string_view tag, std::string_view name)
{
    const std::string wanted = upper(name);
    for (const Attribute& attribute : attributesOf(tag)) {
        if (attribute.name == wanted)
            return decoded(attribute.value);
    }
    return std::nullopt;
}

std::size_t firstTagStart(std::string_view line)
{
    std::size_t at = line.find('<');
    while (at != std::string_view::npos && !startsTag(line, at))
        at = line.find('<', at + 1);
    return at;
}

std::string firstTagName(std::string_view line)
{
    const std::size_t start = firstTagStart(line);
    return start == std::string_view::npos ? std::string() : nameAt(line, start + 1);
}

std::optional<std::string> Unwrapped::opener(std::string_view name) const
{
    const std::string wanted = upper(name);
    for (const std::string& tag : openers) {
        if (nameAt(tag, 1) == wanted)
            return tag;
    }
    return std::nullopt;
}

Unwrapped unwrap(std::string_view line, const std::vector<std::string_view>& names)
{
    Unwrapped result;
    std::string_view text = trimmed(line);
    for (;;) {
        if (!startsTag(text, 0))
            break;
        const std::string name = nameAt(text, 1);
        const bool known = std::any_of(names.begin(), names.end(), [&](std::string_view n) { return upper(n) == name; });
        const std::size_t openEnd = tagEnd(text, 0);
        const std::string closing = "</" + name + ">";
        if (!known || openEnd == std::string_view::npos || text.size() < openEnd + closing.size())
            break;
        const std::size_t closeStart = text.size() - closing.size();
        if (upper(text.substr(closeStart)) != closing)
            break;
        const std::string_view inside = text.substr(openEnd, closeStart - openEnd);
        if (!opensAndClosesEvenly(inside, name))
            break;
        result.openers.emplace_back(text.substr(0, openEnd));
        text = inside;
    }
    result.inner = std::string(text);
    return result;
}

std::string quotedValue(std::string_view value)
{
    std::string quoted;
    for (char c : value) {
        if (c == '"')
            quoted += "&quot;";
        else
            quoted += c;
    }
    return quoted;
}

} // namespace tessera::generators::markup
