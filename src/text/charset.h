#pragma once

// Character sets shared by the viewer, the spelling engine and the page files: Windows-1252, the
// code page of legacy pages and old word lists, and UTF-8, the text everything else holds.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessera::text {

// The five bytes Windows-1252 leaves undefined keep their own value (C1 controls), so every byte
// survives a round trip.
char32_t windows1252ToUnicode(unsigned char byte);
// The byte for `codePoint`, or -1 when Windows-1252 has none.
int unicodeToWindows1252(char32_t codePoint);
std::string windows1252ToUtf8(std::string_view bytes);

void appendUtf8(std::string& out, char32_t codePoint);
// Overlong forms, surrogates, values past U+10FFFF and cut-off sequences are malformed.
bool isValidUtf8(std::string_view text);
// Decodes the character at `position` without allocating; a malformed sequence reads as U+FFFD,
// one byte long, which a real U+FFFD (three bytes) never is.
char32_t decodeUtf8At(std::string_view text, std::size_t position, std::size_t& length);

} // namespace tessera::text
