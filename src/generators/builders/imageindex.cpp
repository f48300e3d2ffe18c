#include "generators/builders/imageindex.h"

namespace tessera::generators {

namespace {

std::string escapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A root folder ("/", "C:\") already ends with its separator and takes no second one.
std::string joinPath(const std::string& folder, const std::string& name, char separator)
{
    if (!folder.empty() && folder.back() == separator)
        return folder + name;
    return folder + separator + name;
}

bool endsWithLineBreak(std::string_view text)
{
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

} // namespace

std::string_view lineEndOf(std::string_view text)
{
    const std::size_t found = text.find_first_of("\r\n");
    if (found == std::string_view::npos)
        return "\r\n";
    if (text[found] == '\n')
        return "\n";
    return (found + 1 < text.size() && text[found + 1] == '\n') ? "\r\n" : "\r";
}

std::string imageIndexAppendix(std::string_view pageText, const ImageIndexFolder& folder)
{
    const std::string_view lineEnd = lineEndOf(pageText);
    std::string out;
    if (!pageText.empty() && !endsWithLineBreak(pageText))
        out += lineEnd;
    for (const std::string& name : folder.names) {
        const std::string path = escapeHtml(joinPath(folder.path, name, folder.separator));
        // The ">" after the location is kept: index pages made before read that way.
        out += "File location: " + path + "><br>";
        out += lineEnd;
        out += "<img src=\"" + path + "\"><br>";
        out += lineEnd;
    }
    out += lineEnd;
    return out;
}

std::string newImageIndexPage() { return std::string(kImageIndexHeading) + "\r\n"; }

} // namespace tessera::generators
