#pragma once

// The bytes of a generator's definition file (a table, a form, a frame layout): one line of text
// per line of the file.

#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

// CR LF after every line. Windows-1252 when every character has a byte there, so older copies of
// the program can read the file; UTF-8 otherwise, so no character is lost.
std::string encodeDefinitionFile(const std::vector<std::string>& utf8Lines);

// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise. Lines end at LF or CR LF; a final
// line end does not start another line.
std::vector<std::string> decodeDefinitionFile(std::string_view bytes);

// The same rules for a single text stored inside a binary definition file.
std::string encodeDefinitionText(std::string_view utf8);
std::string decodeDefinitionText(std::string_view bytes);

} // namespace tessera::generators
