#pragma once

// The image index page: a heading, then for each listed picture its location and the picture.

#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

inline constexpr std::string_view kImageIndexFileName = "images.htm";
inline constexpr std::string_view kImageIndexHeading = "<CENTER><H2>Image Index</H2></CENTER>";

// The files of one folder that go into the index, in list order.
struct ImageIndexFolder {
    std::string path;
    std::vector<std::string> names;
    char separator = '/';
};

// The first line break of the text ("\r\n", "\n" or "\r"); CR LF for a text without one.
std::string_view lineEndOf(std::string_view text);

// The text to add at the end of `pageText`: a line break first when the page does not end
// with one, two lines per file in the page's line ends, then one more line break. Paths are
// escaped for HTML, so a file name cannot close the attribute it stands in.
std::string imageIndexAppendix(std::string_view pageText, const ImageIndexFolder& folder);

// A new index page: the heading and a line break.
std::string newImageIndexPage();

} // namespace tessera::generators
