#pragma once

// Text conversions at the engine's boundary. Callers hand the engine UTF-8; dictionary files hold
// their letters in code page 437, and old user word lists may be in Windows-1252.

#include "text/charset.h"

#include <string>
#include <string_view>

namespace tessera::spell {

char32_t cp437ToUnicode(unsigned char byte);
// False when code page 437 has no such character.
bool unicodeToCp437(char32_t codePoint, unsigned char& byte);
using text::windows1252ToUnicode;
using text::windows1252ToUtf8;
using text::appendUtf8;
using text::decodeUtf8At;

// Decodes UTF-8; returns false on a malformed sequence (the text decoded so far is kept).
bool decodeUtf8(std::string_view text, std::u32string& out);
std::string encodeUtf8(std::u32string_view text);

// UTF-8 to code page 437; false when the text is malformed or holds a character the code page lacks.
bool utf8ToOem(std::string_view utf8, std::string& oem);
std::string oemToUtf8(std::string_view oem);

// Letter case. Lower-casing covers A-Z and the accented capitals, so that "CAFÉ" finds "café";
// upper-casing keeps accents ("crème" becomes "CRÈME").
char32_t lowerLetter(char32_t c);
char32_t upperLetter(char32_t c);
bool isLowerLetter(char32_t c);
bool isUpperLetter(char32_t c);
std::u32string lowerCase(std::u32string_view text);
std::u32string upperCase(std::u32string_view text);

} // namespace tessera::spell
