#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessera::viewer {

class TSectionList;
class TNameList;
class FileReader;

// What a parse leaves for the viewer besides the document itself.
struct ParseResult {
    std::string title; // the TITLE text
    std::string base;  // the BASE HREF
};

// Tables, lists and block quotes nest at most this deep; deeper ones are read as if their tags
// were not there, so no input can exhaust the stack.
inline constexpr int kMaxNesting = 64;

// Each entry point fills a section list (cleared beforehand by the caller) and its anchor list.
// They throw EParseError for a comment left open at the end; bad markup is never an error.
//
// Text handed in memory is taken as UTF-8 when it is valid UTF-8, otherwise as Windows-1252.
ParseResult ParseTextBlock(TSectionList& sections, TNameList& names, std::string_view text);
// Every line is followed by a line end.
ParseResult ParseTextLines(TSectionList& sections, TNameList& names, const std::vector<std::string>& lines);
// Throws EFileNotFound when the file cannot be read.
ParseResult ParseTextFile(TSectionList& sections, TNameList& names, const std::string& fileName, FileReader& files);

// Bytes from a file as engine text: valid UTF-8 stays as it is, anything else is read as
// Windows-1252. A UTF-8 byte order mark is dropped.
std::string decodePageBytes(std::string_view bytes);

} // namespace tessera::viewer
