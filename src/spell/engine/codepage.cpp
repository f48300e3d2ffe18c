#include "spell/engine/codepage.h"

#include <array>

namespace tessera::spell {

namespace {

// Code page 437, 0x80-0xFF.
constexpr std::array<char32_t, 128> kCp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

} // namespace

char32_t cp437ToUnicode(unsigned char byte)
{
    return byte < 0x80 ? char32_t(byte) : kCp437High[byte - 0x80];
}

bool unicodeToCp437(char32_t codePoint, unsigned char& byte)
{
    if (codePoint < 0x80) {
        byte = static_cast<unsigned char>(codePoint);
        return true;
    }
    for (std::size_t i = 0; i < kCp437High.size(); ++i) {
        if (kCp437High[i] == codePoint) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

bool decodeUtf8(std::string_view text, std::u32string& out)
{
    out.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = 0;
        const char32_t c = text::decodeUtf8At(text, i, length);
        if (c == 0xFFFD && length == 1)
            return false;
        out.push_back(c);
        i += length;
    }
    return true;
}

std::string encodeUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        appendUtf8(out, c);
    return out;
}

bool utf8ToOem(std::string_view utf8, std::string& oem)
{
    oem.clear();
    std::u32string decoded;
    if (!decodeUtf8(utf8, decoded))
        return false;
    for (char32_t c : decoded) {
        unsigned char byte = 0;
        if (!unicodeToCp437(c, byte))
            return false;
        oem.push_back(static_cast<char>(byte));
    }
    return true;
}

std::string oemToUtf8(std::string_view oem)
{
    std::string out;
    out.reserve(oem.size());
    for (char byte : oem)
        appendUtf8(out, cp437ToUnicode(static_cast<unsigned char>(byte)));
    return out;
}

bool isUpperLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x178;
}

bool isLowerLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7) || c == 0x192;
}

char32_t lowerLetter(char32_t c)
{
    if (c == 0x178)
        return 0xFF;
    if (isUpperLetter(c))
        return c + 0x20;
    return c;
}

char32_t upperLetter(char32_t c)
{
    if (c == 0xFF)
        return 0x178;
    // ß has no single capital and stays as it is.
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    return c;
}

std::u32string lowerCase(std::u32string_view text)
{
    std::u32string out(text);
    for (char32_t& c : out)
        c = lowerLetter(c);
    return out;
}

std::u32string upperCase(std::u32string_view text)
{
    std::u32string out(text);
    for (char32_t& c : out)
        c = upperLetter(c);
    return out;
}

} // namespace tessera::spell
