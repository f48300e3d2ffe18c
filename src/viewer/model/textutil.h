#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

// Small ASCII text helpers shared by the model and the parser. Page text is UTF-8; only ASCII
// letters change case, so multi-byte characters pass through untouched.
namespace tessera::viewer::text {

inline char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string toUpper(std::string_view s)
{
    std::string result(s);
    for (char& c : result)
        c = upper(c);
    return result;
}

inline std::string toLower(std::string_view s)
{
    std::string result(s);
    for (char& c : result)
        c = lower(c);
    return result;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

// The number of UTF-8 characters in a text: its bytes that do not continue a character.
inline std::size_t countChars(std::string_view s)
{
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Drops characters up to code 32 at both ends.
inline std::string_view trim(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

inline int clampInt(std::int64_t value, int low, int high)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

// Reads an optionally signed decimal number filling the whole text; saturates at the 32-bit
// range. Returns false (and 0) when the text is not a number.
inline bool parseDecimal(std::string_view s, std::int32_t& out)
{
    out = 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return false;
    std::int64_t value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        if (value <= INT32_MAX)
            value = value * 10 + (s[i] - '0');
    }
    if (negative)
        value = -value;
    out = static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    return true;
}

} // namespace tessera::viewer::text
