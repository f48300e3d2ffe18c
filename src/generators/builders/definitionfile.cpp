#include "generators/builders/definitionfile.h"

#include "text/charset.h"

#include <optional>

namespace tessera::generators {

namespace {

std::optional<std::string> toWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t position = 0; position < utf8.size();) {
        std::size_t length = 0;
        const int byte = tessera::text::unicodeToWindows1252(tessera::text::decodeUtf8At(utf8, position, length));
        if (byte < 0)
            return std::nullopt;
        bytes += static_cast<char>(byte);
        position += length;
    }
    return bytes;
}

} // namespace

std::string encodeDefinitionFile(const std::vector<std::string>& utf8Lines)
{
    std::string text;
    for (const std::string& line : utf8Lines)
        text.append(line).append("\r\n");
    return encodeDefinitionText(text);
}

std::vector<std::string> decodeDefinitionFile(std::string_view bytes)
{
    const std::string text = decodeDefinitionText(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        if (end > start && text[end - 1] == '\r')
            --end;
        lines.push_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}

std::string encodeDefinitionText(std::string_view utf8)
{
    if (auto legacy = toWindows1252(utf8))
        return *legacy;
    return std::string(utf8);
}

std::string decodeDefinitionText(std::string_view bytes)
{
    return tessera::text::isValidUtf8(bytes) ? std::string(bytes) : tessera::text::windows1252ToUtf8(bytes);
}

} // namespace tessera::generators
