#pragma once

// A Soundex variant used only to prune the suggestion search. Codes are built over words in
// code page 437: the first character (as the Windows code page writes it, A-Z upper-cased), then
// digits '1'-'6', or NUL for a character outside the alphabet.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessera::spell {

enum class SoundCodeKind { Full, Prefix };

// The digit of one code page 437 byte: '0' (dropped), '1'-'6', or '\0' outside the alphabet.
char soundDigit(unsigned char oemByte);
// The first code character of a word starting with this byte.
char soundFirstCharacter(unsigned char oemByte);

// Full codes are padded with '0' to four characters; prefix codes are not.
std::string soundCode(std::string_view oemWord, SoundCodeKind kind);

// A code grown one character at a time, for walking the letter graph.
class SoundCodeBuilder {
public:
    explicit SoundCodeBuilder(unsigned char firstOemByte);
    // Adds a character; returns true when it added a code character.
    bool add(unsigned char oemByte);
    std::size_t size() const { return m_size; }
    char back() const { return m_code[m_size - 1]; }

private:
    std::array<char, 4> m_code{};
    std::size_t m_size = 1;
};

} // namespace tessera::spell
